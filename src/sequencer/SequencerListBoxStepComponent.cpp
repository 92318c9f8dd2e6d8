#include "sequencer/SequencerListBoxStepComponent.h"

SequencerListBoxStepComponent::SequencerListBoxStepComponent (const juce::Value& step)
{
    stepValue.addListener (this);
    showStep (step);
    setInterceptsMouseClicks (false, true);
}

void SequencerListBoxStepComponent::showStep (const juce::Value& step)
{
    // Binding tells this component at once, so the colour is the step's from the start.
    stepValue.referTo (step);
}

SequencerListBoxStepComponent::~SequencerListBoxStepComponent()
{
    stepValue.removeListener (this);
}

juce::Colour SequencerListBoxStepComponent::getVelocityColour (int velocity)
{
    if (velocity == 0)
        return juce::Colours::transparentBlack;

    // Only 0..127 reach a step; anything else still must not overflow the conversion.
    const auto green = (int)juce::jlimit (-1.0e6, 1.0e6, (double)velocity / -127.0 * 255.0 + 255.0);
    return juce::Colour ((juce::uint8)255, (juce::uint8) (green & 0xff), (juce::uint8)0);
}

void SequencerListBoxStepComponent::valueChanged (juce::Value& value)
{
    colour = getVelocityColour ((int)value.getValue());
    repaint();
}

void SequencerListBoxStepComponent::paint (juce::Graphics& g)
{
    g.fillAll (colour);
}
