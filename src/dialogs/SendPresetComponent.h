#pragma once

#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The content of the Send To Hardware dialog: the slot to send to ("RAM" or 1 to 30) and the
// "Send" button, which the dialog listens to.
class SendPresetComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendPresetComponent>;

    explicit SendPresetComponent (ReferenceCountedImageButton::Ptr sendButton);
    ~SendPresetComponent() override;

    // The chosen item: the device slot plus one ("RAM" is 1, slot 30 is 31).
    int getSelectedSlotId() const;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::ComboBox& getSlotBox() noexcept { return slotBox; }
    juce::Label& getCaption() noexcept { return caption; }
    ReferenceCountedImageButton& getSendButton() const noexcept { return *sendButton; }

private:
    // First, so that it outlives every child drawn with it.
    CustomLookForAuxiliaryWindows look;
    ReferenceCountedImageButton::Ptr sendButton;
    juce::ComboBox slotBox;
    juce::Label caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetComponent)
};
