#include "model/VexoTransport.h"

namespace
{
using Param = VexoTransport::Param;

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
    {Param::timeDivisionToggle, 2},
    {Param::timeDivision, 3},
    {Param::repeatToggle, 4},
    {Param::gate, 5},
    {Param::swing, 6},
    {Param::transportType, 12},
};
} // namespace

VexoTransport::VexoTransport()
{
    addParameter (Param::bpm, 300, 30, 30);
    addParameter (Param::swing, 75, 50, 50);
    addParameter (Param::timeDivision, 7, defaultMinimum, defaultInitialValue);
    addParameter (Param::gate, 99, 1, 1);
    addParameter (Param::repeatToggle, 1, defaultMinimum, defaultInitialValue);
    addParameter (Param::transportType, 4, defaultMinimum, defaultInitialValue);
    addParameter (Param::timeDivisionToggle, 1, defaultMinimum, defaultInitialValue);
}

juce::String VexoTransport::getTypeName() const
{
    return "Transport";
}

juce::Array<juce::uint8> VexoTransport::toBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, 0, recordSize);

    auto tempo = split14BitValue (getParameterInt (Param::bpm));
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
    bool accepted = isWithinRange (Param::bpm, join14BitValue (bytes[tempoHighByte], bytes[tempoLowByte]));

    for (auto& field : singleByteFields)
        if (!isWithinRange (field.name, (int)bytes[field.offset]))
            accepted = false;

    return accepted;
}

bool VexoTransport::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    if (!validateBytes (bytes))
        return false;

    setParameterValue (Param::bpm, join14BitValue (bytes[tempoHighByte], bytes[tempoLowByte]));

    for (auto& field : singleByteFields)
        setParameterValue (field.name, (int)bytes[field.offset]);

    return true;
}
