#include "autopopulate/AutoPopulateParameterType.h"

namespace
{
const juce::Colour fieldBackground (28, 28, 28);
const juce::Colour numberText (212, 212, 212);
const juce::Colour choiceText (190, 190, 190);
} // namespace

void styleAutoPopulateNumberBox (NumberBox& box)
{
    box.setColour (juce::Label::backgroundColourId, fieldBackground);
    box.setColour (juce::Label::textColourId, numberText);
    box.setColour (juce::TextEditor::backgroundColourId, fieldBackground);
    box.setColour (juce::TextEditor::textColourId, numberText);
    box.setSize (100, 18);
}

NumberBoxParameterComponent::NumberBoxParameterComponent (std::unique_ptr<NumberBox> box)
    : numberBox (std::move (box))
{
    jassert (numberBox != nullptr);
    styleAutoPopulateNumberBox (*numberBox);
    setLookAndFeel (&look);
    setName (numberBox->getName());
    addAndMakeVisible (*numberBox);
}

NumberBoxParameterComponent::~NumberBoxParameterComponent()
{
    setLookAndFeel (nullptr);
}

juce::uint8 NumberBoxParameterComponent::getValue() const
{
    return (juce::uint8) (numberBox->getValue() & 0xff);
}

void NumberBoxParameterComponent::resized()
{
    numberBox->setBounds (getLocalBounds());
}

ComboBoxParameterComponent::ComboBoxParameterComponent (std::unique_ptr<juce::ComboBox> box, int offsetToAdd)
    : comboBox (std::move (box))
    , offset (offsetToAdd)
{
    jassert (comboBox != nullptr);
    addAndMakeVisible (*comboBox);
    comboBox->setSelectedId (1, juce::sendNotificationAsync);
    comboBox->setColour (juce::ComboBox::arrowColourId, choiceText);
    comboBox->setColour (juce::ComboBox::textColourId, choiceText);
    comboBox->setColour (juce::ComboBox::backgroundColourId, fieldBackground);
    comboBox->setLookAndFeel (&look);
    setName (comboBox->getName());
}

ComboBoxParameterComponent::~ComboBoxParameterComponent()
{
    comboBox->setLookAndFeel (nullptr);
}

juce::uint8 ComboBoxParameterComponent::getValue() const
{
    return (juce::uint8) ((comboBox->getSelectedId() + offset) & 0xff);
}

void ComboBoxParameterComponent::resized()
{
    comboBox->setBounds (getLocalBounds());
}
