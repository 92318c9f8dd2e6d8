#pragma once

#include "widgets/SkinImages.h"

#include <vector>

struct RenderedSkinImage
{
    SkinImageInfo info;
    juce::Image image;
};

// One picture with every image of the skin, each captioned with its role and pixel size, for a
// person to look the skin over. Large images are shown at half size, tiny ones at double size.
juce::Image paintContactSheet (const std::vector<RenderedSkinImage>& images);
