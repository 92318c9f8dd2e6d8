// A preset dump from the device, with the frame the device sent around the fuzzed data block:
// the block is loaded whole or not at all.
#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
    static const auto model = engine->getMessageModel();
    static const auto pristine = engine->createPreset();
    // Building a preset costs far more than loading one: the target lives across runs.
    static const auto target = engine->createPreset();

    // Short inputs are laid over a valid dump, so that the fuzzer reaches deep into the block.
    auto dump = VexoSysEx::wrap (VexoSysEx::buildDump (model, *pristine, 0));
    if ((int)size > dump.size())
        return 0;
    for (size_t i = 0; i < size; ++i)
        dump.set (VexoSysEx::dumpHeaderSize + (int)i % (dump.size() - VexoSysEx::dumpHeaderSize), data[i]);

    if (VexoSysEx::classify (model, dump.getRawDataPointer(), dump.size()) != VexoSysEx::Kind::presetDump)
        return 0;

    const auto block =
        VexoSysEx::extractDataBlock (dump.getRawDataPointer(), dump.size(), model.dumpTrailer.size());
    const auto before = target->toBytes();
    const bool valid = target->validateBytes (block);
    if (target->fromBytes (block) != valid)
        std::abort();
    if (!valid && target->toBytes() != before)
        std::abort();
    return 0;
}
