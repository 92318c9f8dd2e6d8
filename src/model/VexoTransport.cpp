#include "model/VexoTransport.h"

const ParameterTable& VexoTransport::getParameterTable()
{
    // The tempo takes bytes 0 and 1, high 7 bits first, and only the joined tempo is limited, so the
    // low byte may exceed 127. Bytes 7 to 11 are fixed: written as 0x00, never read.
    static const ParameterTable table (
        {
            {Param::bpm, 300, 30, 30, 0, ParameterTable::Encoding::fourteenBit},
            {Param::swing, 75, 50, 50, 6},
            {Param::timeDivision, 7, defaultMinimum, defaultInitialValue, 3},
            {Param::gate, 99, 1, 1, 5},
            {Param::repeatToggle, 1, defaultMinimum, defaultInitialValue, 4},
            {Param::transportType, 4, defaultMinimum, defaultInitialValue, 12},
            {Param::timeDivisionToggle, 1, defaultMinimum, defaultInitialValue, 2},
        },
        recordSize);
    return table;
}

VexoTransport::VexoTransport()
{
    declareParameters (getParameterTable());
}

juce::String VexoTransport::getTypeName() const
{
    return "Transport";
}

juce::Array<juce::uint8> VexoTransport::toBytes() const
{
    return recordToBytes();
}

bool VexoTransport::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoTransport::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}
