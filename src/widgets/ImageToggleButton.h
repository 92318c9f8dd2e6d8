#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A two-image toggle: each click flips it, and it shows only its off or its on image.
class ImageToggleButton : public juce::ReferenceCountedObject, public juce::Button
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ImageToggleButton>;

    ImageToggleButton (const juce::String& name, const juce::Image& offImage, const juce::Image& onImage);
    ~ImageToggleButton() override;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

private:
    juce::Image offImage;
    juce::Image onImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageToggleButton)
};
