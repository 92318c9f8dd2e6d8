#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// One step of a sequencer row: filled with its velocity's colour, from yellow at 1 to red at 127,
// and empty while the step is off. It follows the step's value wherever it is changed, and lets
// clicks through to its row.
class SequencerListBoxStepComponent : public juce::Component, public juce::Value::Listener
{
public:
    explicit SequencerListBoxStepComponent (const juce::Value& step);
    ~SequencerListBoxStepComponent() override;

    // Transparent for 0; otherwise (255, g, 0) with g falling from 252 at 1 to 0 at 127.
    static juce::Colour getVelocityColour (int velocity);

    // Binds the cell to another step, as the table does when it reuses this cell for another row.
    void showStep (const juce::Value& step);

    juce::Colour getColour() const { return colour; }

    void paint (juce::Graphics& g) override;
    void valueChanged (juce::Value& value) override;

private:
    juce::Colour colour;
    juce::Value stepValue;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerListBoxStepComponent)
};
