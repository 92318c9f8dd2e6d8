#pragma once

#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The panel of the Send Multiple Presets window: its title, the list of the 31 slots, the "Send"
// button (which the window listens to) and a status line beside it.
class SendMultiplePresetsComponent : public juce::Component
{
public:
    SendMultiplePresetsComponent (std::unique_ptr<juce::ListBox> list,
                                  ReferenceCountedImageButton::Ptr sendButton);
    ~SendMultiplePresetsComponent() override;

    void refreshList();
    void setSendEnabled (bool shouldBeEnabled);
    void setStatusText (const juce::String& text);

    // Deletes the list with its rows, which hold the window; nothing is shown in its place.
    void deleteList();

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::ListBox* getList() const noexcept { return list.get(); }
    ReferenceCountedImageButton& getSendButton() const noexcept { return *sendButton; }
    const juce::Label& getStatusLabel() const noexcept { return statusLabel; }
    const juce::ImageComponent& getTitle() const noexcept { return title; }

private:
    CustomLookForAuxiliaryWindows look;
    std::unique_ptr<juce::ListBox> list;
    ReferenceCountedImageButton::Ptr sendButton;
    juce::Label statusLabel;
    juce::ImageComponent title;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsComponent)
};
