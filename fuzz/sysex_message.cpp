// Bytes from the device as one raw System Exclusive message: classified as the engine does, then
// read as a preset dump or a global-setting reply. Nothing may read outside the message, and a
// refused dump must leave the preset as it was.
#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"
#include "model/VexoAGlobalSettings.h"

#include <cstdlib>

namespace
{
struct Fixture
{
    VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
    VexoSysEx::Model model = engine->getMessageModel();
    EditorPreset::Ptr preset = engine->createPreset();
    // What the preset holds, as last seen; it starts each run from what the previous dump left.
    juce::Array<juce::uint8> presetBytes = preset->toBytes();
    VexoAGlobalSettings::Ptr settings = new VexoAGlobalSettings();
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static Fixture f;
    if (size > (size_t)f.model.dumpSize * 2)
        return 0;

    // A copy of exactly the input's size, so that any read past the end is caught.
    std::unique_ptr<juce::uint8[]> message (new juce::uint8[size == 0 ? 1 : size]);
    std::copy (data, data + size, message.get());
    const int length = (int)size;

    switch (VexoSysEx::classify (f.model, message.get(), length))
    {
        case VexoSysEx::Kind::presetDump:
        {
            const auto block =
                VexoSysEx::extractDataBlock (message.get(), length, f.model.dumpTrailer.size());
            if (f.preset->fromBytes (block))
                f.presetBytes = f.preset->toBytes();
            else if (f.preset->toBytes() != f.presetBytes)
                std::abort();
            break;
        }
        case VexoSysEx::Kind::globalSettingReply:
            for (const auto& pair : VexoSysEx::readGlobalSettingReply (message.get(), length))
            {
                const bool known = pair.index >= 1 && pair.index <= 10;
                if (f.settings->setSetting (pair, juce::sendNotificationAsync) != known)
                    std::abort();
            }
            f.settings->handleAsyncUpdate();
            break;
        case VexoSysEx::Kind::acknowledgement:
            if (length != VexoSysEx::acknowledgementSize)
                std::abort();
            break;
        case VexoSysEx::Kind::ignored:
            break;
    }
    return 0;
}
