#include "PixelProbe.h"

namespace pixel_probe
{
juce::Image blankImage (int width, int height)
{
    return juce::Image (juce::Image::ARGB, width, height, true, juce::SoftwareImageType());
}

float luminance (juce::Colour colour)
{
    return 0.299f * colour.getRed() + 0.587f * colour.getGreen() + 0.114f * colour.getBlue();
}

float averageLuminance (const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            sum += luminance (image.getPixelAt (x, y));

    return (float)(sum / (double)(area.getWidth() * area.getHeight()));
}

float maxLuminance (const juce::Image& image, juce::Rectangle<int> area)
{
    float brightest = 0.0f;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            brightest = juce::jmax (brightest, luminance (image.getPixelAt (x, y)));

    return brightest;
}

bool near (juce::Colour a, juce::Colour b, int tolerance)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance &&
           std::abs (a.getGreen() - b.getGreen()) <= tolerance &&
           std::abs (a.getBlue() - b.getBlue()) <= tolerance &&
           std::abs (a.getAlpha() - b.getAlpha()) <= tolerance;
}

bool samePixels (const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;

    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;

    return true;
}
} // namespace pixel_probe
