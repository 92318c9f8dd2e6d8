#include "model/VexoFader.h"

namespace
{
// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{"Parameter Type", "MIDI Channel", "CC Number",
                                          "Min Value",      "Max Value",    "To MIDI DIN"};
    return layout;
}
} // namespace

VexoFader::VexoFader()
{
    addParameter ("Parameter Type", 2, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Channel", 32, defaultMinimum, defaultInitialValue);
    addParameter ("CC Number", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Min Value", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Max Value", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("To MIDI DIN", 1, defaultMinimum, defaultInitialValue);
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
