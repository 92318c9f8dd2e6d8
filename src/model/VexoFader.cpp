#include "model/VexoFader.h"

namespace
{
using Param = VexoFader::Param;

// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{Param::parameterType, Param::midiChannel, Param::ccNumber,
                                          Param::minValue,      Param::maxValue,    Param::toMidiDin};
    return layout;
}
} // namespace

VexoFader::VexoFader()
{
    addParameter (Param::parameterType, 2, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiChannel, 32, defaultMinimum, defaultInitialValue);
    addParameter (Param::ccNumber, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::minValue, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::maxValue, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::toMidiDin, 1, defaultMinimum, defaultInitialValue);
}

juce::String VexoFader::getTypeName() const
{
    return "FADER";
}

juce::Array<juce::uint8> VexoFader::toBytes() const
{
    return layoutToBytes (recordLayout());
}

bool VexoFader::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return layoutAccepts (recordLayout(), bytes);
}

bool VexoFader::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return loadLayout (recordLayout(), bytes);
}
