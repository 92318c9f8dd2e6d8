#include "model/VexoKnob.h"

namespace
{
using Param = VexoKnob::Param;

// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{Param::parameterType, Param::midiChannel, Param::ccNumber,
                                          Param::minValue,      Param::maxValue,    Param::toMidiDin,
                                          Param::nrpnMsb,       Param::nrpnLsb,     Param::nrpnValue};
    return layout;
}
} // namespace

VexoKnob::VexoKnob()
{
    addParameter (Param::parameterType, 3, defaultMinimum, defaultInitialValue);
    addParameter (Param::midiChannel, 32, defaultMinimum, defaultInitialValue);
    addParameter (Param::ccNumber, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::minValue, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::maxValue, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::nrpnLsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::nrpnMsb, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::nrpnValue, defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter (Param::toMidiDin, 1, defaultMinimum, defaultInitialValue);
}

juce::String VexoKnob::getTypeName() const
{
    return "KNOB";
}

juce::Array<juce::uint8> VexoKnob::toBytes() const
{
    return layoutToBytes (recordLayout());
}

bool VexoKnob::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return layoutAccepts (recordLayout(), bytes);
}

bool VexoKnob::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return loadLayout (recordLayout(), bytes);
}
