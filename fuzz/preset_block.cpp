#include "model/VexoBEditorPreset.h"

#include <cstdint>
#include <cstdlib>

// Any bytes given to a preset are either refused without a trace or loaded so that a round trip
// through a second preset keeps them. The first round trip may still change how the name is held
// (a zero byte adds nothing, and the name comes back padded with spaces); from then on a round trip
// changes nothing at all.
extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > 16384)
        return 0;

    // Building a preset costs far more than loading one, so the two presets live across runs; each run
    // starts from whatever the previous accepted block left.
    static VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    static VexoBEditorPreset::Ptr copy = new VexoBEditorPreset();

    const juce::Array<juce::uint8> block (data, (int)size);
    const auto before = preset->toBytes();
    const auto nameBefore = preset->getName();
    const bool valid = preset->validateBytes (block);

    if (preset->fromBytes (block) != valid)
        abort();

    if (!valid)
    {
        if (preset->toBytes() != before || preset->getName() != nameBefore)
            abort();

        return 0;
    }

    const auto loaded = preset->toBytes();

    if (loaded.size() != VexoBEditorPreset::dataSize || !preset->validateBytes (loaded))
        abort();

    if (!copy->fromBytes (loaded) || copy->toBytes() != loaded)
        abort();

    const auto settledName = copy->getName();

    if (!preset->fromBytes (copy->toBytes()) || preset->toBytes() != loaded ||
        preset->getName() != settledName)
        abort();

    return 0;
}
