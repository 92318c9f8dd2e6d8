#include "model/VexoBSequencerTrack.h"

const ParameterTable& VexoBSequencerTrack::getParameterTable()
{
    // Step n is byte n - 1. A step byte above 127 does not refuse the record: that step keeps its value.
    static const ParameterTable table (
        []
        {
            std::vector<ParameterTable::Entry> steps;

            for (int step = 1; step <= numSteps; ++step)
                steps.push_back ({Param::stepPrefix + juce::String (step), defaultMaximum, defaultMinimum,
                                  defaultInitialValue, step - 1, ParameterTable::Encoding::oneByte,
                                  ParameterTable::OutOfRange::keepsOldValue});
            return steps;
        }(),
        recordSize);
    return table;
}

VexoBSequencerTrack::VexoBSequencerTrack()
{
    declareParameters (getParameterTable());
}

juce::String VexoBSequencerTrack::getStepParameterName (int stepNumber)
{
    if (stepNumber >= 1 && stepNumber <= numSteps)
        return getParameterTable().getName (stepNumber - 1);

    return Param::stepPrefix + juce::String (stepNumber);
}

void VexoBSequencerTrack::clearSteps()
{
    for (int step = 1; step <= numSteps; ++step)
        setParameterValue (getStepParameterName (step), 0);
}

juce::String VexoBSequencerTrack::getTypeName() const
{
    return "Sequence Track";
}

juce::Array<juce::uint8> VexoBSequencerTrack::toBytes() const
{
    return recordToBytes();
}

bool VexoBSequencerTrack::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    // Only the length counts: a step byte that does not fit is skipped when loading.
    return bytes.size() == recordSize;
}

bool VexoBSequencerTrack::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
