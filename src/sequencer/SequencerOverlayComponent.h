#pragma once

#include "sequencer/StepColumnLayout.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A transparent layer over the sequencer table and the velocity strip: the grid lines between the
// columns, a brighter one after every fourth step, and a shade over every step beyond the
// sequence's length. It takes no clicks; they reach the table and the editors below.
class SequencerOverlayComponent : public juce::Component, public juce::Value::Listener
{
public:
    // The grid lines' colours: between the pad columns and after every fourth step, and elsewhere.
    static const juce::Colour brightLineColour;
    static const juce::Colour dimLineColour;
    static constexpr float lineThickness = 2.0f;
    static constexpr float shadeAlpha = 0.6f;

    SequencerOverlayComponent();
    ~SequencerOverlayComponent() override;

    void paint (juce::Graphics& g) override;

    // The sequence's length (number of active steps minus one) has changed.
    void valueChanged (juce::Value& lengthValue) override;

    // The table's columns have moved, or one was hidden or shown.
    void setColumnLayout (const StepColumnLayout& newLayout);

    // An area the overlay neither shades nor draws on (the table's scroll bar, which it would hide).
    void setUncoveredArea (juce::Rectangle<int> area);

    int getLength() const { return length; }
    const StepColumnLayout& getColumnLayout() const { return columns; }

private:
    int length = StepColumnLayout::numSteps - 1;
    StepColumnLayout columns;
    juce::Rectangle<int> uncovered;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerOverlayComponent)
};
