#include "model/VexoKnob.h"

const ParameterTable& VexoKnob::getParameterTable()
{
    // The to-DIN flag comes before the NRPN bytes in the record, and the NRPN MSB before the LSB.
    static const ParameterTable table (
        {
            {Param::parameterType, 3, defaultMinimum, defaultInitialValue, 0},
            {Param::midiChannel, 32, defaultMinimum, defaultInitialValue, 1},
            {Param::ccNumber, defaultMaximum, defaultMinimum, defaultInitialValue, 2},
            {Param::minValue, defaultMaximum, defaultMinimum, defaultInitialValue, 3},
            {Param::maxValue, defaultMaximum, defaultMinimum, defaultInitialValue, 4},
            {Param::nrpnLsb, defaultMaximum, defaultMinimum, defaultInitialValue, 7},
            {Param::nrpnMsb, defaultMaximum, defaultMinimum, defaultInitialValue, 6},
            {Param::nrpnValue, defaultMaximum, defaultMinimum, defaultInitialValue, 8},
            {Param::toMidiDin, 1, defaultMinimum, defaultInitialValue, 5},
        },
        recordSize);
    return table;
}

VexoKnob::VexoKnob()
{
    declareParameters (getParameterTable());
}

juce::String VexoKnob::getTypeName() const
{
    return "KNOB";
}

juce::Array<juce::uint8> VexoKnob::toBytes() const
{
    return recordToBytes();
}

bool VexoKnob::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoKnob::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
