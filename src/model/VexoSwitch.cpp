#include "model/VexoSwitch.h"

namespace
{
using Param = VexoSwitch::Param;

// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{Param::parameterType,
                                          Param::midiChannel,
                                          Param::midiCc,
                                          Param::switchMode,
                                          Param::programNumber,
                                          Param::programMsb,
                                          Param::programLsb,
                                          Param::toMidiDin,
                                          Param::midiNote,
                                          Param::noteVelocity,
                                          "",
                                          Param::key1,
                                          Param::key2};
    return layout;
}
} // namespace

VexoSwitch::VexoSwitch()
{
    addParameter (Param::parameterType, 4, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiChannel, 32, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiCc, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::switchMode, 2, defaultMinimum, defaultInitialValue);
    addParameter (Param::programNumber, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::programMsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::programLsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::toMidiDin, 1, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiNote, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::noteVelocity, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::key1, 82, defaultMinimum, defaultInitialValue);
    addParameter (Param::key2, 14, defaultMinimum, defaultInitialValue);
}

juce::String VexoSwitch::getTypeName() const
{
    return "Switch";
}

juce::Array<juce::uint8> VexoSwitch::toBytes() const
{
    return layoutToBytes (recordLayout());
}

bool VexoSwitch::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return layoutAccepts (recordLayout(), bytes);
}

bool VexoSwitch::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return loadLayout (recordLayout(), bytes);
}
