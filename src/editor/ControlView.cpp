#include "editor/ControlView.h"

ControlView::ControlView (const juce::String& name, const juce::Image& normal, const juce::Image& mouseOver,
                          const juce::Image& toggledOn)
    : juce::Button (name)
    , normalImage (normal)
    , mouseOverImage (mouseOver)
    , toggledOnImage (toggledOn)
{
}

ControlView::~ControlView() = default;

const juce::Image& ControlView::imageForState (bool isMouseOverButton) const
{
    if (getToggleState())
        return toggledOnImage;
    return isMouseOverButton ? mouseOverImage : normalImage;
}

void ControlView::paintButton (juce::Graphics& g, bool isMouseOverButton, bool)
{
    g.drawImageAt (imageForState (isMouseOverButton), 0, 0);
}
