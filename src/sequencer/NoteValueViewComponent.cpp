#include "sequencer/NoteValueViewComponent.h"

#include "widgets/ComboBoxValue.h"
#include "widgets/EditorFactories.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace
{
const juce::Colour cellText (217, 217, 217);
} // namespace

const juce::StringArray& NoteValueViewComponent::getNoteNames()
{
    // Every visible row of the table builds one of these boxes whenever the table updates, so the
    // names are made once.
    static const juce::StringArray names = []
    {
        juce::StringArray all;
        for (int note = 0; note < 128; ++note)
            all.add (juce::MidiMessage::getMidiNoteName (note, true, true, 4) + " / " + juce::String (note));
        return all;
    }();
    return names;
}

NoteValueViewComponent::NoteValueViewComponent (const juce::Value& padNote)
{
    noteBox = createComboBox ("Note", getNoteNames(), this);
    noteBox->setColour (juce::ComboBox::textColourId, cellText);
    noteBox->setColour (juce::ComboBox::buttonColourId, juce::Colours::transparentBlack);
    noteBox->setJustificationType (juce::Justification::right);

    setSize (defaultWidth, defaultHeight);
    noteBox->setBounds (getLocalBounds());
    noteValue.addListener (this);
    addAndMakeVisible (*noteBox);

    showNote (padNote);
}

void NoteValueViewComponent::showNote (const juce::Value& padNote)
{
    // Binding tells this component at once, so the box shows the pad's note from the start.
    noteValue.referTo (padNote);
}

NoteValueViewComponent::~NoteValueViewComponent()
{
    noteValue.removeListener (this);
}

void NoteValueViewComponent::comboBoxChanged (juce::ComboBox*)
{
    writeComboBoxValue (*noteBox, noteValue);
}

void NoteValueViewComponent::valueChanged (juce::Value& value)
{
    showComboBoxValue (*noteBox, (int)value.getValue());
}
