#pragma once

#include "autopopulate/AutoPopulatePage.h"
#include "autopopulate/AutoPopulateSubMode.h"
#include "model/VexoPad.h"

// The "PADS" page: colours, channel and to-DIN flag for the pads of the chosen banks, and by pad
// type a note per pad (a run or a scale from a root note) or a program number per pad.
class VexoPadAutoPopulateComponent final : public AutoPopulatePage
{
public:
    // The NOTE area: AFT, MODE and SCALE, then START with its note names.
    class NoteSubMode final : public NoteStartSubMode
    {
    public:
        using NoteStartSubMode::NoteStartSubMode;
    };

    // The PROGRAM and PROGRAM BANK areas: their rows, then the START of the program run.
    class ProgramSubMode final : public AutoPopulateSubMode
    {
    public:
        ProgramSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr strip,
                        AscendingOrDescendingAutoPopulateFunction::Ptr function);

        void numberBoxChanged (NumberBox* box) override;
    };

    // The preset's 64 pads in flat order.
    explicit VexoPadAutoPopulateComponent (const juce::ReferenceCountedArray<VexoPad>& pads);
    ~VexoPadAutoPopulateComponent() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void resized() override;

    void showNoteArea();
    void showProgramArea();
    void showProgramBankArea();

private:
    AutoPopulateParameter::Ptr makeOnColorRow();
    AutoPopulateParameter::Ptr makeOffColorRow();
    AutoPopulateParameter::Ptr makeMidiChannelRow();
    AutoPopulateParameter::Ptr makeMidiToDinRow();
    void makeTypeRow();
    AutoPopulateParameter::Ptr makeAftertouchRow();
    AutoPopulateParameter::Ptr makeModeRow();
    AutoPopulateParameter::Ptr makeScaleRow (NoteScaleAutoPopulateFunction::Ptr function);
    AutoPopulateParameter::Ptr makeProgramMsbRow();
    AutoPopulateParameter::Ptr makeProgramLsbRow();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoPadAutoPopulateComponent)
};
