#pragma once

#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The panel of the Load From Hardware dialog: the list of the presets read from the device, the
// "Refresh" button, which the dialog listens to, and a status line beside it: a pass over the
// device's slots takes over half a minute at the pace of its cable.
class GetPresetComponent : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GetPresetComponent>;

    GetPresetComponent (std::unique_ptr<juce::ListBox> list, ReferenceCountedImageButton::Ptr refreshButton);
    ~GetPresetComponent() override;

    // Rows are made again from the list model.
    void refreshList();
    void setButtonEnabled (bool shouldBeEnabled);
    void setStatusText (const juce::String& text);

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::ListBox& getList() const noexcept { return *list; }
    ReferenceCountedImageButton& getRefreshButton() const noexcept { return *refreshButton; }
    const juce::Label& getStatusLabel() const noexcept { return statusLabel; }

private:
    CustomLookForAuxiliaryWindows look;
    std::unique_ptr<juce::ListBox> list;
    ReferenceCountedImageButton::Ptr refreshButton;
    juce::Label statusLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetComponent)
};
