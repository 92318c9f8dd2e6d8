#pragma once

#include "widgets/DragClickedButton.h"

// A three-image button that writes its name over its image, used for the bank buttons of the
// main editor. Holding a dragged control over it clicks it.
class ImageButtonWithText : public juce::ReferenceCountedObject, public DragClickedButton
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ImageButtonWithText>;

    ImageButtonWithText (const juce::String& name, const juce::Image& normalImage,
                         const juce::Image& toggledOnImage, const juce::Image& mouseOverImage);
    ~ImageButtonWithText() override;

    void setTextOffsetX (float x);
    void setTextOffsetY (float y);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    juce::Image normalImage;
    juce::Image toggledOnImage;
    juce::Image mouseOverImage;
    float textOffsetX = 0.0f;
    float textOffsetY = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageButtonWithText)
};
