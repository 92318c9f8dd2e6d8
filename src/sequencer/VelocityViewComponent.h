#pragma once

#include "model/VexoBSequencerTrack.h"
#include "sequencer/StepColumnLayout.h"
#include "sequencer/VelocityStepComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The strip below the sequencer table: the velocities of the selected row's 32 steps, each with
// its own editor standing under the table column of its step.
class VelocityViewComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VelocityViewComponent>;

    VelocityViewComponent();
    ~VelocityViewComponent() override;

    void paint (juce::Graphics& g) override;

    // Shows the track's steps in 32 new editors. Without a track (no row is selected) the strip
    // shows no editors until it is given one.
    void setTrack (VexoBSequencerTrack::Ptr newTrack);

    // The table's columns have moved, or one was hidden or shown: each editor moves under its
    // step's column, and hides with it.
    void setColumnLayout (const StepColumnLayout& newLayout);

    VexoBSequencerTrack::Ptr getTrack() const { return track; }

    // The editor of a step counted from 1; null without a track.
    VelocityStepComponent* getStepEditor (int stepNumber) const;
    int getNumStepEditors() const { return editors.size(); }

private:
    void placeEditors();

    VexoBSequencerTrack::Ptr track;
    juce::ReferenceCountedArray<VelocityStepComponent> editors;
    StepColumnLayout columns;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VelocityViewComponent)
};
