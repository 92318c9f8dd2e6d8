#include "editor/lcd/PadLCDView.h"

PadLCDView::PadLCDView (VexoPad::Ptr padToEdit, const juce::String& titleToShow)
    : LCDView (titleToShow)
    , pad (std::move (padToEdit))
{
    typeBox = createPadTypeComboBox (this);
    midiChannelBox = createMidiChannelComboBox (this);
    aftertouchBox = createAftertouchComboBox (this);
    programNumberBox = createProgramNumberBox (nullptr);
    programMsbBox = createProgramMsbNumberBox (nullptr);
    programLsbBox = createProgramLsbNumberBox (nullptr);
    triggerModeBox = createTriggerModeComboBox (this);
    midiNoteBox = createMidiNoteNumberBox (nullptr);
    offColorBox = createOffColorComboBox (this);
    onColorBox = createOnColorComboBox (this);
    midiToDinBox = createMidiToDinComboBox (this);

    choices.add (*typeBox, parameterType);
    choices.add (*midiChannelBox, midiChannel);
    choices.add (*aftertouchBox, aftertouchType);
    choices.add (*triggerModeBox, noteToggleMode);
    choices.add (*offColorBox, colorOff);
    choices.add (*onColorBox, colorOn);
    choices.add (*midiToDinBox, toMidiDin);

    // Pages in type order: NOTE, PROGRAM, PROGRAM BANK.
    addPageWithSharedTail (
        {typeBox.get(), midiChannelBox.get(), midiNoteBox.get(), aftertouchBox.get(), triggerModeBox.get()});
    addPageWithSharedTail ({typeBox.get(), midiChannelBox.get(), programNumberBox.get()});
    addPageWithSharedTail ({typeBox.get(), midiChannelBox.get(), programNumberBox.get(), programMsbBox.get(),
                            programLsbBox.get()});

    using P = VexoPad::Param;
    auto* control = pad.get();
    LCDChoiceBindings::bind (control, P::aftertouchType, aftertouchType, *this);
    LCDChoiceBindings::bind (control, P::parameterType, parameterType, *this);
    LCDChoiceBindings::bind (control, P::noteToggleMode, noteToggleMode, *this);
    LCDChoiceBindings::bind (control, P::programNumber, *programNumberBox);
    LCDChoiceBindings::bind (control, P::programMsb, *programMsbBox);
    LCDChoiceBindings::bind (control, P::programLsb, *programLsbBox);
    LCDChoiceBindings::bind (control, P::midiNote, *midiNoteBox);
    LCDChoiceBindings::bind (control, P::colorOff, colorOff, *this);
    LCDChoiceBindings::bind (control, P::colorOn, colorOn, *this);
    LCDChoiceBindings::bind (control, P::toMidiDin, toMidiDin, *this);
    LCDChoiceBindings::bind (control, P::midiChannel, midiChannel, *this);
}

PadLCDView::~PadLCDView()
{
    choices.stopListening (*this);
}

void PadLCDView::addPageWithSharedTail (std::initializer_list<juce::Component*> fields)
{
    juce::Array<juce::Component*> all (fields);
    all.addArray ({midiToDinBox.get(), onColorBox.get(), offColorBox.get()});
    addPage (all);
}

void PadLCDView::comboBoxChanged (juce::ComboBox* box)
{
    choices.writeChoice (box);
}

void PadLCDView::valueChanged (juce::Value& value)
{
    if (choices.showChange (value) == typeBox.get())
    {
        showType ((int)value.getValue(), *typeBox);
        resized();
    }
}
