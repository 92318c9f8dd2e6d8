#pragma once

#include "model/MEditorControl.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A control of the device picture (pad, knob, fader or switch): a button drawn from three images,
// bound to one control of the preset.
//
// The button is a virtual base, so the class that is finally made names it: every concrete view
// calls juce::Button's constructor with its own name.
class ControlView : public virtual juce::ReferenceCountedObject, public virtual juce::Button
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ControlView>;

    ControlView (const juce::String& name, const juce::Image& normalImage, const juce::Image& mouseOverImage,
                 const juce::Image& toggledOnImage);
    ~ControlView() override;

    // The control of the preset that this view shows.
    virtual MEditorControl::Ptr getControl() const = 0;

protected:
    // The selected (toggled-on) image wins over the hovered one; being pressed has no image of its own.
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

    const juce::Image& imageForState (bool isMouseOverButton) const;

private:
    juce::Image normalImage;
    juce::Image mouseOverImage;
    juce::Image toggledOnImage;

    JUCE_DECLARE_NON_COPYABLE (ControlView)
};
