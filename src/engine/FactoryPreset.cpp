#include "engine/FactoryPreset.h"

#include "engine/VexoSysEx.h"

#include <EngineData.h>

juce::Array<juce::uint8> FactoryPreset::getDump()
{
    return juce::Array<juce::uint8> (reinterpret_cast<const juce::uint8*> (EngineData::generic_syx),
                                     EngineData::generic_syxSize);
}

bool FactoryPreset::loadInto (EditorPreset& preset)
{
    const auto dump = getDump();
    const int available = dump.size() - VexoSysEx::dumpHeaderSize;
    const int blockSize = juce::jmin (available, preset.getDataSize());
    if (blockSize <= 0)
        return false;
    return preset.fromBytes (
        juce::Array<juce::uint8> (dump.getRawDataPointer() + VexoSysEx::dumpHeaderSize, blockSize));
}
