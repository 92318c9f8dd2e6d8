#include "widgets/ImageToggleButton.h"

ImageToggleButton::ImageToggleButton (const juce::String& name, const juce::Image& offImage_,
                                      const juce::Image& onImage_)
    : juce::Button (name)
    , offImage (offImage_)
    , onImage (onImage_)
{
    setClickingTogglesState (true);
}

ImageToggleButton::~ImageToggleButton() = default;

void ImageToggleButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.drawImageAt (getToggleState() ? onImage : offImage, 0, 0);
}
