#include "editor/lcd/SwitchLCDView.h"

SwitchLCDView::SwitchLCDView (VexoSwitch::Ptr switchToEdit, const juce::String& titleToShow)
    : LCDView (titleToShow)
    , control (std::move (switchToEdit))
{
    typeBox = createSwitchTypeComboBox (this);
    midiChannelBox = createMidiChannelComboBox (this);
    midiCcBox = createMidiCCNumberBox (nullptr);
    triggerModeBox = createTriggerModeComboBox (this);
    programNumberBox = createProgramNumberBox (nullptr);
    programMsbBox = createProgramMsbNumberBox (nullptr);
    programLsbBox = createProgramLsbNumberBox (nullptr);
    midiToDinBox = createMidiToDinComboBox (this);
    midiNoteBox = createMidiNoteNumberBox (nullptr);
    velocityBox = createVelocityNumberBox (nullptr);
    keyOneBox = createKeyOneComboBox (this);
    keyTwoBox = createKeyTwoComboBox (this);

    choices.add (*typeBox, parameterType);
    choices.add (*midiChannelBox, midiChannel);
    choices.add (*triggerModeBox, switchMode);
    choices.add (*midiToDinBox, toMidiDin);
    choices.add (*keyOneBox, keyOne);
    choices.add (*keyTwoBox, keyTwo);

    // Pages in type order: CC, NOTE, PROGRAM, PROGRAM BANK, KEY STROKE.
    addPage (
        {typeBox.get(), midiChannelBox.get(), midiCcBox.get(), triggerModeBox.get(), midiToDinBox.get()});
    addPage ({typeBox.get(), midiChannelBox.get(), triggerModeBox.get(), midiNoteBox.get(), velocityBox.get(),
              midiToDinBox.get()});
    addPage ({typeBox.get(), midiChannelBox.get(), programNumberBox.get(), midiToDinBox.get()});
    addPage ({typeBox.get(), midiChannelBox.get(), programNumberBox.get(), programMsbBox.get(),
              programLsbBox.get(), midiToDinBox.get()});
    addPage ({typeBox.get(), keyOneBox.get(), keyTwoBox.get()});

    using P = VexoSwitch::Param;
    auto* edited = control.get();
    LCDChoiceBindings::bind (edited, P::midiChannel, midiChannel, *this);
    LCDChoiceBindings::bind (edited, P::parameterType, parameterType, *this);
    LCDChoiceBindings::bind (edited, P::switchMode, switchMode, *this);
    LCDChoiceBindings::bind (edited, P::toMidiDin, toMidiDin, *this);
    LCDChoiceBindings::bind (edited, P::key1, keyOne, *this);
    LCDChoiceBindings::bind (edited, P::key2, keyTwo, *this);
    LCDChoiceBindings::bind (edited, P::midiCc, *midiCcBox);
    LCDChoiceBindings::bind (edited, P::programNumber, *programNumberBox);
    LCDChoiceBindings::bind (edited, P::programMsb, *programMsbBox);
    LCDChoiceBindings::bind (edited, P::programLsb, *programLsbBox);
    LCDChoiceBindings::bind (edited, P::midiNote, *midiNoteBox);
    LCDChoiceBindings::bind (edited, P::noteVelocity, *velocityBox);
}

SwitchLCDView::~SwitchLCDView()
{
    choices.stopListening (*this);
}

void SwitchLCDView::resized()
{
    focusTypeBox (*typeBox);
}

void SwitchLCDView::comboBoxChanged (juce::ComboBox* box)
{
    choices.writeChoice (box);
}

void SwitchLCDView::valueChanged (juce::Value& value)
{
    if (choices.showChange (value) == typeBox.get())
    {
        showType ((int)value.getValue(), *typeBox);
        resized();
    }
}
