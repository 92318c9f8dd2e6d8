// A preset dump from the device, with the frame the device sent around the fuzzed data block:
// the block is loaded whole or not at all, and the engine's check without a preset agrees.
#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"

#include <cstdlib>
#include <cstring>

namespace
{
// Everything lives across runs; the target starts from whatever the previous accepted dump left.
struct Fixture
{
    VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
    VexoSysEx::Model model = engine->getMessageModel();
    juce::Array<juce::uint8> pristineDump =
        VexoSysEx::wrap (VexoSysEx::buildDump (model, *engine->createPreset(), 0));
    juce::Array<juce::uint8> dump = pristineDump;
    EditorPreset::Ptr target = engine->createPreset();
    // What the target holds, as last seen.
    juce::Array<juce::uint8> bytes = target->toBytes();
};

bool sameBytes (const juce::Array<juce::uint8>& a, const juce::Array<juce::uint8>& b)
{
    return a.size() == b.size() && std::memcmp (a.begin(), b.begin(), (size_t)a.size()) == 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static Fixture f;

    // Short inputs are laid over a valid dump, so that the fuzzer reaches deep into the block.
    auto* dump = f.dump.getRawDataPointer();
    const int dumpSize = f.dump.size();
    if ((int)size > dumpSize)
        return 0;
    // Byte i goes to offset 8 + i, wrapping round to offset 8 at the end of the dump.
    const size_t room = (size_t)(dumpSize - VexoSysEx::dumpHeaderSize);
    std::memcpy (dump, f.pristineDump.begin(), (size_t)dumpSize);
    std::memcpy (dump + VexoSysEx::dumpHeaderSize, data, juce::jmin (size, room));
    if (size > room)
        std::memcpy (dump + VexoSysEx::dumpHeaderSize, data + room, size - room);

    if (VexoSysEx::classify (f.model, dump, dumpSize) != VexoSysEx::Kind::presetDump)
        return 0;

    const auto block = VexoSysEx::extractDataBlock (dump, dumpSize, f.model.dumpTrailer.size());
    const bool valid = f.target->validateBytes (block);
    if (f.engine->isValidPresetBlock (block) != valid)
        std::abort();
    if (f.target->fromBytes (block) != valid)
        std::abort();

    if (valid)
        f.bytes = f.target->toBytes();
    else if (!sameBytes (f.target->toBytes(), f.bytes))
        std::abort();
    return 0;
}
