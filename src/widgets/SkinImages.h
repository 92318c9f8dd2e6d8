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
// is not in the program comes back as a null image.
juce::Image getSkinImage (SkinImageId id);
