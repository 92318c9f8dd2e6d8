#include "model/VexoPad.h"

const ParameterTable& VexoPad::getParameterTable()
{
    static const ParameterTable table (
        {
            {Param::parameterType, defaultMaximum, defaultMinimum, defaultInitialValue, 0},
            {Param::midiChannel, defaultMaximum, defaultMinimum, defaultInitialValue, 1},
            {Param::midiNote, defaultMaximum, defaultMinimum, defaultInitialValue, 2},
            {Param::noteToggleMode, defaultMaximum, defaultMinimum, defaultInitialValue, 4},
            {Param::programNumber, defaultMaximum, defaultMinimum, defaultInitialValue, 6},
            {Param::programMsb, defaultMaximum, defaultMinimum, defaultInitialValue, 7},
            {Param::programLsb, defaultMaximum, defaultMinimum, defaultInitialValue, 8},
            {Param::aftertouchType, defaultMaximum, defaultMinimum, defaultInitialValue, 5},
            {Param::colorOff, 17, defaultMinimum, defaultInitialValue, 9},
            {Param::colorOn, 17, defaultMinimum, defaultInitialValue, 10},
            {Param::toMidiDin, 1, defaultMinimum, defaultInitialValue, 3},
        },
        recordSize);
    return table;
}

VexoPad::VexoPad()
{
    declareParameters (getParameterTable());
}

juce::String VexoPad::getTypeName() const
{
    return "PAD";
}

juce::Array<juce::uint8> VexoPad::toBytes() const
{
    return recordToBytes();
}

bool VexoPad::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoPad::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
