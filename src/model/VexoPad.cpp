#include "model/VexoPad.h"

namespace
{
using Param = VexoPad::Param;

// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{Param::parameterType, Param::midiChannel,    Param::midiNote,
                                          Param::toMidiDin,     Param::noteToggleMode, Param::aftertouchType,
                                          Param::programNumber, Param::programMsb,     Param::programLsb,
                                          Param::colorOff,      Param::colorOn};
    return layout;
}
} // namespace

VexoPad::VexoPad()
{
    addParameter (Param::parameterType, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiChannel, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiNote, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::noteToggleMode, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::programNumber, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::programMsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::programLsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::aftertouchType, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::colorOff, 17, defaultMinimum, defaultInitialValue);
    addParameter (Param::colorOn, 17, defaultMinimum, defaultInitialValue);
    addParameter (Param::toMidiDin, 1, defaultMinimum, defaultInitialValue);
}

juce::String VexoPad::getTypeName() const
{
    return "PAD";
}

juce::Array<juce::uint8> VexoPad::toBytes() const
{
    return layoutToBytes (recordLayout());
}

bool VexoPad::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return layoutAccepts (recordLayout(), bytes);
}

bool VexoPad::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return loadLayout (recordLayout(), bytes);
}
