#include "widgets/ImageButtonWithText.h"

ImageButtonWithText::ImageButtonWithText (const juce::String& name, const juce::Image& normalImage_,
                                          const juce::Image& toggledOnImage_,
                                          const juce::Image& mouseOverImage_)
    : DragClickedButton (name)
    , normalImage (normalImage_)
    , toggledOnImage (toggledOnImage_)
    , mouseOverImage (mouseOverImage_)
{
}

ImageButtonWithText::~ImageButtonWithText() = default;

void ImageButtonWithText::setTextOffsetX (float x)
{
    textOffsetX = x;
    repaint();
}

void ImageButtonWithText::setTextOffsetY (float y)
{
    textOffsetY = y;
    repaint();
}

void ImageButtonWithText::paintButton (juce::Graphics& g, bool isMouseOver, bool)
{
    if (getToggleState())
        g.drawImageAt (toggledOnImage, 0, 0);
    else if (isMouseOver)
        g.drawImageAt (mouseOverImage, 0, 0);
    else
        g.drawImageAt (normalImage, 0, 0);

    g.setColour (getLookAndFeel().findColour (juce::Label::textColourId));
    g.drawText (getName(), (int)textOffsetX, (int)textOffsetY, getWidth(), 20, juce::Justification::left,
                true);
}
