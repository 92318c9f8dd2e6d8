#pragma once

#include "dialogs/MidiDeviceListBoxModel.h"
#include "engine/MidiManager.h"
#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The panel of the MIDI Setup dialog: the system's MIDI inputs and outputs in two lists, with the
// ports the MIDI manager has open selected, and the "OK", "Cancel" and "Apply" buttons that its
// window listens to.
class MidiSetupComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiSetupComponent>;

    static constexpr int outputColumnX = 325;
    static constexpr int applyButtonX = 514;
    static constexpr int okButtonX = 411;
    static constexpr int listWidth = 285;
    static constexpr int listHeight = 100;
    static constexpr int panelHeight = 275;

    MidiSetupComponent (ReferenceCountedImageButton::Ptr okButton,
                        ReferenceCountedImageButton::Ptr cancelButton,
                        ReferenceCountedImageButton::Ptr applyButton);
    ~MidiSetupComponent() override;

    // Lists the ports the manager's port system offers now and selects the first open input and
    // output by name.
    void refreshDeviceLists (const MidiManager& manager);

    // Empty for a list with no selection.
    juce::String getSelectedInputName() const;
    juce::String getSelectedOutputName() const;

    void resized() override;
    void paint (juce::Graphics& g) override;

    juce::ListBox& getInputList() noexcept { return inputList; }
    juce::ListBox& getOutputList() noexcept { return outputList; }
    const MidiDeviceListBoxModel& getInputModel() const noexcept { return inputModel; }
    const MidiDeviceListBoxModel& getOutputModel() const noexcept { return outputModel; }
    const juce::Label& getInputCaption() const noexcept { return inputCaption; }
    const juce::Label& getOutputCaption() const noexcept { return outputCaption; }
    juce::Button& getOkButton() const noexcept { return *okButton; }
    juce::Button& getCancelButton() const noexcept { return *cancelButton; }
    juce::Button& getApplyButton() const noexcept { return *applyButton; }

private:
    // The look and the models are declared first so that they outlive the lists drawn with them
    // and showing them.
    CustomLookForAuxiliaryWindows look;
    MidiDeviceListBoxModel inputModel, outputModel;
    juce::ListBox inputList, outputList;
    juce::Label inputCaption, outputCaption;
    ReferenceCountedImageButton::Ptr okButton, cancelButton, applyButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiSetupComponent)
};
