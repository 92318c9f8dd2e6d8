#pragma once

#include "autopopulate/AutoPopulatePage.h"
#include "autopopulate/AutoPopulateSubMode.h"
#include "model/VexoSwitch.h"

// The "SWITCHES" page: channel and to-DIN flag for the switches of the chosen banks, and by switch
// type a run of controller numbers, notes or program numbers. Key strokes are not offered.
class VexoSwitchAutoPopulateComponent final : public AutoPopulatePage
{
public:
    // The CC area: ORDER, then the START of the controller run.
    class CCSubMode final : public AutoPopulateSubMode
    {
    public:
        CCSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                   ApplyToBanksComponent::Ptr strip, AscendingOrDescendingAutoPopulateFunction::Ptr function);
    };

    // The PROGRAM and PROGRAM BANK areas: their rows, then the START of the program run.
    class ProgramSubMode final : public AutoPopulateSubMode
    {
    public:
        ProgramSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr strip,
                        AscendingOrDescendingAutoPopulateFunction::Ptr function);
    };

    // The NOTE area: MODE and SCALE (chromatic only), then START with its note names.
    class NoteSubMode final : public NoteStartSubMode
    {
    public:
        using NoteStartSubMode::NoteStartSubMode;
    };

    // The preset's 24 switches in flat order.
    explicit VexoSwitchAutoPopulateComponent (const juce::ReferenceCountedArray<VexoSwitch>& switches);
    ~VexoSwitchAutoPopulateComponent() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void resized() override;

    void showCCArea();
    void showNoteArea();
    void showProgramArea();
    void showProgramBankArea();

private:
    void showProgramRun (bool withBank);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoSwitchAutoPopulateComponent)
};
