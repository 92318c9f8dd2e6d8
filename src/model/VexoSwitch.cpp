#include "model/VexoSwitch.h"

const ParameterTable& VexoSwitch::getParameterTable()
{
    // Byte 10 is fixed: written as 0x00, never read.
    static const ParameterTable table (
        {
            {Param::parameterType, 4, defaultMinimum, defaultInitialValue, 0},
            {Param::midiChannel, 32, defaultMinimum, defaultInitialValue, 1},
            {Param::midiCc, defaultMaximum, defaultMinimum, defaultInitialValue, 2},
            {Param::switchMode, 2, defaultMinimum, defaultInitialValue, 3},
            {Param::programNumber, defaultMaximum, defaultMinimum, defaultInitialValue, 4},
            {Param::programMsb, defaultMaximum, defaultMinimum, defaultInitialValue, 5},
            {Param::programLsb, defaultMaximum, defaultMinimum, defaultInitialValue, 6},
            {Param::toMidiDin, 1, defaultMinimum, defaultInitialValue, 7},
            {Param::midiNote, defaultMaximum, defaultMinimum, defaultInitialValue, 8},
            {Param::noteVelocity, defaultMaximum, defaultMinimum, defaultInitialValue, 9},
            {Param::key1, 82, defaultMinimum, defaultInitialValue, 11},
            {Param::key2, 14, defaultMinimum, defaultInitialValue, 12},
        },
        recordSize);
    return table;
}

VexoSwitch::VexoSwitch()
{
    declareParameters (getParameterTable());
}

juce::String VexoSwitch::getTypeName() const
{
    return "Switch";
}

juce::Array<juce::uint8> VexoSwitch::toBytes() const
{
    return recordToBytes();
}

bool VexoSwitch::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoSwitch::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
