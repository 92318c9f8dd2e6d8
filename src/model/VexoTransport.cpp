#include "model/VexoTransport.h"

namespace
{
// The tempo takes bytes 0 and 1 (high 7 bits first); bytes 7 to 11 are fixed zeros.
constexpr int tempoHighByte = 0;
constexpr int tempoLowByte = 1;

// The one-byte parameters and their offsets, in the order they are loaded.
struct SingleByteField
{
    const char* name;
    int offset;
};

constexpr SingleByteField singleByteFields[] = {
    {"TIME DIVISION TOGGLE", 2}, {"TIME DIVISION", 3}, {"REPEAT TOGGLE", 4}, {"GATE", 5}, {"SWING", 6},
    {"TRANSPORT TYPE", 12},
};
} // namespace

VexoTransport::VexoTransport()
{
    addParameter ("BPM", 300, 30, 30);
    addParameter ("SWING", 75, 50, 50);
    addParameter ("TIME DIVISION", 7, defaultMinimum, defaultInitialValue);
    addParameter ("GATE", 99, 1, 1);
    addParameter ("REPEAT TOGGLE", 1, defaultMinimum, defaultInitialValue);
    addParameter ("TRANSPORT TYPE", 4, defaultMinimum, defaultInitialValue);
    addParameter ("TIME DIVISION TOGGLE", 1, defaultMinimum, defaultInitialValue);
}

juce::String VexoTransport::getTypeName() const
{
    return "Transport";
}

juce::Array<juce::uint8> VexoTransport::toBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, 0, recordSize);

    auto tempo = split14BitValue (getParameterInt ("BPM"));
    bytes.set (tempoHighByte, tempo.first);
    bytes.set (tempoLowByte, tempo.second);

    for (auto& field : singleByteFields)
        bytes.set (field.offset, (juce::uint8)getParameterInt (field.name));

    return bytes;
}

bool VexoTransport::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != recordSize)
        return false;

    // The low tempo byte is not limited to 7 bits on its own: only the joined tempo is checked.
    bool accepted = isWithinRange ("BPM", join14BitValue (bytes[tempoHighByte], bytes[tempoLowByte]));

    for (auto& field : singleByteFields)
        if (!isWithinRange (field.name, (int)bytes[field.offset]))
            accepted = false;

    return accepted;
}

bool VexoTransport::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    if (!validateBytes (bytes))
        return false;

    setParameterValue ("BPM", join14BitValue (bytes[tempoHighByte], bytes[tempoLowByte]));

    for (auto& field : singleByteFields)
        setParameterValue (field.name, (int)bytes[field.offset]);

    return true;
}
