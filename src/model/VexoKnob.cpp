#include "model/VexoKnob.h"

namespace
{
// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{"Parameter Type", "MIDI Channel", "CC Number",
                                          "Min Value",      "Max Value",    "To MIDI DIN",
                                          "NRPN MSB",       "NRPN LSB",     "NRPN Value"};
    return layout;
}
} // namespace

VexoKnob::VexoKnob()
{
    addParameter ("Parameter Type", 3, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Channel", 32, defaultMinimum, defaultInitialValue);
    addParameter ("CC Number", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Min Value", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Max Value", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("NRPN LSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("NRPN MSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("NRPN Value", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("To MIDI DIN", 1, defaultMinimum, defaultInitialValue);
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
