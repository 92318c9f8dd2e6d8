#include "autopopulate/AutoPopulateSubMode.h"

#include "autopopulate/AutoPopulateText.h"

#include <juce_audio_basics/juce_audio_basics.h>

AutoPopulateSubMode::AutoPopulateSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AutoPopulateFunctionFromStart::Ptr functionToStart)
    : AutoPopulateParameterContainer (rowsToShow, std::move (stripToUse))
    , function (std::move (functionToStart))
{
    jassert (function != nullptr);
}

AutoPopulateSubMode::~AutoPopulateSubMode()
{
    for (auto& entry : boxes)
        entry.label->attachToComponent (nullptr, false);
}

NumberBox& AutoPopulateSubMode::addBox (const juce::String& name, int minimum, int maximum,
                                        const juce::String& labelText, int width)
{
    const auto y = boxes.empty() ? getBottomOfRows() + 4 : boxes.back().box->getBottom() + 4;

    LabelledBox entry{std::make_unique<NumberBox> (name, minimum, maximum, 0),
                      std::make_unique<juce::Label>()};
    auto& box = *entry.box;
    box.addListener (this);
    styleAutoPopulateNumberBox (box);
    box.setBounds (85, y, width, 18);
    addAndMakeVisible (box);

    entry.label->setFont (juce::Font (14.0f));
    entry.label->setText (labelText, juce::dontSendNotification);
    entry.label->setColour (juce::Label::textColourId, juce::Colours::black);
    entry.label->attachToComponent (&box, true);

    boxes.push_back (std::move (entry));
    return box;
}

void AutoPopulateSubMode::numberBoxChanged (NumberBox* box)
{
    if (box == &getStartBox())
        function->start = box->getValue();
}

NoteStartSubMode::NoteStartSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
                                    ApplyToBanksComponent::Ptr stripToUse,
                                    NoteScaleAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    auto& start = addBox (AutoPopulateText::startLabel, 0, 127, AutoPopulateText::startLabel, 40);

    styleAuxiliaryComboBox (noteNames);
    noteNames.setLookAndFeel (&look);
    noteNames.setBounds (start.getRight() + 5, start.getY(), 55, 18);
    for (int note = 0; note < 128; ++note)
        noteNames.addItem (juce::MidiMessage::getMidiNoteName (note, true, true, 4), note + 1);
    addAndMakeVisible (noteNames);
    noteNames.addListener (this);
}

NoteStartSubMode::~NoteStartSubMode()
{
    noteNames.removeListener (this);
    noteNames.setLookAndFeel (nullptr);
}

void NoteStartSubMode::numberBoxChanged (NumberBox* box)
{
    if (box != &getStartBox())
        return;

    // A box repeats its number to its listeners once its text has settled, the first one included;
    // the list of names shows nothing until a START is actually set.
    const bool unchanged = box->getValue() == function->start;
    AutoPopulateSubMode::numberBoxChanged (box);
    if (!unchanged || noteNames.getSelectedId() != 0)
        noteNames.setSelectedId (box->getValue() + 1, juce::sendNotificationAsync);
}

void NoteStartSubMode::comboBoxChanged (juce::ComboBox* box)
{
    // Choosing the name START already shows changes nothing, so the two never go round in a loop.
    if (box == &noteNames && noteNames.getSelectedId() > 0)
        getStartBox().setValue (noteNames.getSelectedId() - 1, juce::sendNotificationAsync);
}
