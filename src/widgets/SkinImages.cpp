#include "widgets/SkinImages.h"

#include "SkinData.h"

namespace
{
struct EmbeddedPng
{
    const char* bytes = nullptr;
    int size = 0;

    // The key under which ImageCache::getFromMemory keeps what it decodes: the data's address.
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
    const auto png = findPng (id);
    return png.bytes != nullptr ? juce::ImageCache::getFromMemory (png.bytes, png.size) : juce::Image();
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
    if (png.bytes != nullptr && juce::ImageCache::getFromHashCode (png.cacheKey()).isNull())
        juce::ImageCache::addImageToCache (decoded, png.cacheKey());
}

juce::Image findCachedSkinImage (SkinImageId id)
{
    const auto png = findPng (id);
    return png.bytes != nullptr ? juce::ImageCache::getFromHashCode (png.cacheKey()) : juce::Image();
}
