#include "sequencer/VelocityStepComponent.h"

namespace
{
const juce::Colour editorText (217, 217, 217);
} // namespace

VelocityStepComponent::VelocityStepComponent (const juce::Value& step)
{
    numberBox = std::make_unique<NumberBoxComponent<int>> ("Velocity Step Value", 0, 127, 0);
    // The box only ever writes a number within 0..127 into the value it shows.
    numberBox->getTextValue().referTo (step);
    numberBox->setBounds (0, 0, editorWidth, boxHeight);
    numberBox->setFont (juce::Font (11.0f, juce::Font::plain));
    numberBox->setColour (juce::TextEditor::textColourId, editorText);
    numberBox->setColour (juce::Label::textColourId, editorText);
    addAndMakeVisible (*numberBox);

    bar = std::make_unique<juce::Slider> (juce::Slider::LinearBarVertical, juce::Slider::NoTextBox);
    bar->setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    bar->setBounds (0, boxHeight, barWidth, barHeight);
    bar->setColour (juce::Slider::backgroundColourId, juce::Colours::transparentBlack);
    bar->setColour (juce::Slider::trackColourId, juce::Colours::transparentBlack);
    bar->setColour (juce::Slider::textBoxOutlineColourId, juce::Colours::transparentBlack);
    bar->setLookAndFeel (&look);
    // The range before the binding: a slider keeps its value inside its range and writes the
    // kept value back, so bound while still at its initial range of 0..10 it would cut every
    // stored velocity above 10 down to 10.
    bar->setRange (0.0, 127.0, 0.0);
    bar->getValueObject().referTo (step);
    addAndMakeVisible (*bar);
}

VelocityStepComponent::~VelocityStepComponent()
{
    bar->setLookAndFeel (nullptr);
}

void VelocityStepComponent::resized() {}
