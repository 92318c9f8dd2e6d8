#include "model/VexoPad.h"

namespace
{
// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{
        "Parameter Type", "MIDI Channel", "MIDI Note",   "To MIDI Din", "Note Toggle Mode", "Aftertouch Type",
        "Program Number", "Program MSB",  "Program LSB", "Color Off",   "Color On"};
    return layout;
}
} // namespace

VexoPad::VexoPad()
{
    addParameter ("Parameter Type", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Channel", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Note", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Note Toggle Mode", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Program Number", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Program MSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Program LSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Aftertouch Type", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Color Off", 17, defaultMinimum, defaultInitialValue);
    addParameter ("Color On", 17, defaultMinimum, defaultInitialValue);
    addParameter ("To MIDI Din", 1, defaultMinimum, defaultInitialValue);
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
