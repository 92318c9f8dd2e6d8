#include "widgets/SkinImages.h"

#include "SkinData.h"

juce::Image getSkinImage (SkinImageId id)
{
    const auto resourceName = juce::String (getSkinImageInfo (id).fileStem) + "_png";
    int size = 0;

    if (const auto* data = SkinData::getNamedResource (resourceName.toRawUTF8(), size))
        return juce::ImageCache::getFromMemory (data, size);

    return {};
}
