#pragma once

#include "model/MEditorControl.h"

// The step sequence of one pad: 32 steps, each off (0) or on with a velocity (1..127).
class VexoBSequencerTrack : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoBSequencerTrack>;

    static constexpr int numSteps = 32;
    static constexpr int recordSize = numSteps;

    // A step's parameter is named by this prefix and its number from 1, in decimal ("Step: 1" ..
    // "Step: 32"); getStepParameterName builds it.
    struct Param
    {
        static constexpr const char* stepPrefix = "Step: ";
    };

    VexoBSequencerTrack();
    ~VexoBSequencerTrack() override = default;

    // The parameter name of a step, counted from 1: "Step: 1" .. "Step: 32".
    static juce::String getStepParameterName (int stepNumber);

    // The steps in declaration order, with their ranges and places in the record.
    static const ParameterTable& getParameterTable();

    void clearSteps();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;

    // A step byte above 127 does not fit its step, which then keeps its value while the others load.
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoBSequencerTrack)
};
