#include "model/VexoFader.h"

const ParameterTable& VexoFader::getParameterTable()
{
    static const ParameterTable table (
        {
            {Param::parameterType, 2, defaultMinimum, defaultInitialValue, 0},
            {Param::midiChannel, 32, defaultMinimum, defaultInitialValue, 1},
            {Param::ccNumber, defaultMaximum, defaultMinimum, defaultInitialValue, 2},
            {Param::minValue, defaultMaximum, defaultMinimum, defaultInitialValue, 3},
            {Param::maxValue, defaultMaximum, defaultMinimum, defaultInitialValue, 4},
            {Param::toMidiDin, 1, defaultMinimum, defaultInitialValue, 5},
        },
        recordSize);
    return table;
}

VexoFader::VexoFader()
{
    declareParameters (getParameterTable());
}

juce::String VexoFader::getTypeName() const
{
    return "FADER";
}

juce::Array<juce::uint8> VexoFader::toBytes() const
{
    return recordToBytes();
}

bool VexoFader::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoFader::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
