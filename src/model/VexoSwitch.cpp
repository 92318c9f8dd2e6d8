#include "model/VexoSwitch.h"

namespace
{
// The parameter held by each byte of the record; an empty name is a fixed zero byte.
const juce::StringArray& recordLayout()
{
    static const juce::StringArray layout{"Parameter Type",
                                          "MIDI Channel",
                                          "MIDI CC",
                                          "Switch Mode",
                                          "Program Number",
                                          "Program MSB",
                                          "Program LSB",
                                          "To Midi Din",
                                          "MIDI Note",
                                          "Note Velocity",
                                          "",
                                          "Key 1",
                                          "Key 2"};
    return layout;
}
} // namespace

VexoSwitch::VexoSwitch()
{
    addParameter ("Parameter Type", 4, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Channel", 32, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI CC", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Switch Mode", 2, defaultMinimum, defaultInitialValue);
    addParameter ("Program Number", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Program MSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Program LSB", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("To Midi Din", 1, defaultMinimum, defaultInitialValue);
    addParameter ("MIDI Note", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Note Velocity", defaultMaximum, defaultMinimum, defaultInitialValue);
    addParameter ("Key 1", 82, defaultMinimum, defaultInitialValue);
    addParameter ("Key 2", 14, defaultMinimum, defaultInitialValue);
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
