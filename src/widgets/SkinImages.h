#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

// The program's skin: every picture it draws, rendered from our own drawing code when the program
// is built and carried inside it as PNG data.
enum class SkinImageId
{
#define SKIN_IMAGE(identifier, stem, width, height, role) identifier,
#include "widgets/SkinImageList.inc"
#undef SKIN_IMAGE
};

struct SkinImageInfo
{
    SkinImageId id;
    const char* fileStem; // the PNG is fileStem + ".png"; its embedded resource fileStem + "_png"
    int width;
    int height;
    const char* role;
};

inline constexpr std::array skinImageCatalogue{
#define SKIN_IMAGE(identifier, stem, width, height, role)                                                    \
    SkinImageInfo{SkinImageId::identifier, stem, width, height, role},
#include "widgets/SkinImageList.inc"
#undef SKIN_IMAGE
};

inline constexpr int numSkinImages = (int)skinImageCatalogue.size();

inline const SkinImageInfo& getSkinImageInfo (SkinImageId id)
{
    return skinImageCatalogue[(size_t)id];
}

// Decoded through the image cache, so asking again is cheap and shares the pixels. An image that
// is not in the program comes back as a null image. On the message thread only, as everything
// that touches the cache: JUCE's cache starts its timer from whichever thread adds to it and
// reads its state outside its lock.
juce::Image getSkinImage (SkinImageId id);

// Decodes the image without the cache, so on any thread; a null image when it is not in the program.
juce::Image decodeSkinImage (SkinImageId id);

// Puts an image decoded elsewhere where getSkinImage finds it, unless one is there already.
void addSkinImageToCache (SkinImageId id, const juce::Image& decoded);

// What the cache holds for the image, without decoding it: a null image when nothing.
juce::Image findCachedSkinImage (SkinImageId id);
