#include "model/VexoBSequencerTrack.h"

namespace
{
const juce::StringArray& stepNames()
{
    static const juce::StringArray names = []
    {
        juce::StringArray result;

        for (int step = 1; step <= VexoBSequencerTrack::numSteps; ++step)
            result.add (VexoBSequencerTrack::getStepParameterName (step));

        return result;
    }();

    return names;
}
} // namespace

VexoBSequencerTrack::VexoBSequencerTrack()
{
    for (auto& name : stepNames())
        addParameter (name, defaultMaximum, defaultMinimum, defaultInitialValue);
}

juce::String VexoBSequencerTrack::getStepParameterName (int stepNumber)
{
    return Param::stepPrefix + juce::String (stepNumber);
}

void VexoBSequencerTrack::clearSteps()
{
    for (auto& name : stepNames())
        setParameterValue (name, 0);
}

juce::String VexoBSequencerTrack::getTypeName() const
{
    return "Sequence Track";
}

juce::Array<juce::uint8> VexoBSequencerTrack::toBytes() const
{
    return layoutToBytes (stepNames());
}

bool VexoBSequencerTrack::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    // Only the length counts: a step byte that does not fit is skipped when loading.
    return bytes.size() == recordSize;
}

bool VexoBSequencerTrack::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return loadLayout (stepNames(), bytes);
}
