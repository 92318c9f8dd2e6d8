#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Small helpers for tests that look at drawn pixels.
namespace pixel_probe
{
// A transparent ARGB image to paint into.
juce::Image blankImage (int width, int height);

// Perceived brightness, 0..255.
float luminance (juce::Colour colour);

// The brightness averaged over an area, ignoring transparency.
float averageLuminance (const juce::Image& image, juce::Rectangle<int> area);

// The brightest pixel of the area.
float maxLuminance (const juce::Image& image, juce::Rectangle<int> area);

// Whether two colours are within a few steps of each other on every channel, alpha included.
bool near (juce::Colour a, juce::Colour b, int tolerance = 6);

// Whether two images have the same size and pixels.
bool samePixels (const juce::Image& a, const juce::Image& b);
} // namespace pixel_probe
