#pragma once

#include "autopopulate/core/ControlSorter.h"
#include "widgets/ImageToggleButton.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The bank toggles of a page and its "Apply" button. A click on a toggle sorts the page's controls
// anew; the rows of the page listen to "Apply" themselves.
class ApplyToBanksComponent final : public juce::Component,
                                    public juce::ReferenceCountedObject,
                                    public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ApplyToBanksComponent>;

    // The toggles in bank order, A first; they start off.
    ApplyToBanksComponent (ControlSorter::Ptr sorter,
                           const juce::ReferenceCountedArray<ImageToggleButton>& toggles);
    ~ApplyToBanksComponent() override;

    // Registering a listener twice registers it once.
    void addApplyListener (juce::Button::Listener* listener);
    void removeApplyListener (juce::Button::Listener* listener);

    juce::Button& getApplyButton() const noexcept { return *applyButton; }
    int getNumBankToggles() const noexcept { return bankToggles.size(); }
    juce::Button& getBankToggle (int bank) const { return *bankToggles.getObjectPointer (bank); }

    // The page lets go of its sorter when it goes: a toggle clicked later sorts nothing.
    void releaseSorter() { sorter = nullptr; }

    void buttonClicked (juce::Button* button) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    juce::ReferenceCountedArray<ImageToggleButton> bankToggles;
    ReferenceCountedImageButton::Ptr applyButton;
    ControlSorter::Ptr sorter;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplyToBanksComponent)
};
