#pragma once

#include "widgets/SkinImages.h"

// Draws the one image of the skin that the identifier names, at its catalogue size.
juce::Image renderSkinImage (SkinImageId id);
