#include "widgets/SkinImages.h"

#include "SkinData.h"

namespace
{
struct EmbeddedPng
{
    const char* bytes = nullptr;
    int size = 0;

    // The image's key in the shared cache: the address of its embedded data, unique to it.
    juce::int64 cacheKey() const { return (juce::int64) (juce::pointer_sized_int)bytes; }
};

EmbeddedPng findPng (SkinImageId id)
{
    const auto resourceName = juce::String (getSkinImageInfo (id).fileStem) + "_png";
    EmbeddedPng png;
    png.bytes = SkinData::getNamedResource (resourceName.toRawUTF8(), png.size);
    return png;
}
} // namespace

juce::Image getSkinImage (SkinImageId id)
{
    // Under the same key whether decoded here or by the start-up's thread.
    auto image = findCachedSkinImage (id);
    if (image.isNull())
    {
        image = decodeSkinImage (id);
        addSkinImageToCache (id, image);
    }
    return image;
}

juce::Image decodeSkinImage (SkinImageId id)
{
    const auto png = findPng (id);
    return png.bytes != nullptr ? juce::ImageFileFormat::loadFrom (png.bytes, (size_t)png.size)
                                : juce::Image();
}

void addSkinImageToCache (SkinImageId id, const juce::Image& decoded)
{
    const auto png = findPng (id);
    if (png.bytes != nullptr && decoded.isValid() &&
        juce::ImageCache::getFromHashCode (png.cacheKey()).isNull())
        juce::ImageCache::addImageToCache (decoded, png.cacheKey());
}

juce::Image findCachedSkinImage (SkinImageId id)
{
    const auto png = findPng (id);
    return png.bytes != nullptr ? juce::ImageCache::getFromHashCode (png.cacheKey()) : juce::Image();
}
