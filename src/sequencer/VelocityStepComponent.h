#pragma once

#include "sequencer/SequencerLookAndFeel.h"
#include "widgets/NumberBoxComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The velocity editor of one step: a number box above a vertical bar, both bound to the step's
// value, so typing a number, dragging the bar, a double-click in the table and the model itself
// all change and show the same velocity.
class VelocityStepComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VelocityStepComponent>;

    static constexpr int editorWidth = 22;
    static constexpr int editorHeight = 100;
    static constexpr int boxHeight = 16;
    static constexpr int barWidth = 29;
    static constexpr int barHeight = 64;

    explicit VelocityStepComponent (const juce::Value& step);
    ~VelocityStepComponent() override;

    // The children keep the places they were given.
    void resized() override;

    NumberBoxComponent<int>& getNumberBox() const { return *numberBox; }
    juce::Slider& getBar() const { return *bar; }

private:
    // Declared first so that it outlives the bar that draws with it.
    SequencerLookAndFeel look;
    std::unique_ptr<NumberBoxComponent<int>> numberBox;
    std::unique_ptr<juce::Slider> bar;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VelocityStepComponent)
};
