#include "engine/VexoSysEx.h"

namespace
{
void appendLength (juce::Array<juce::uint8>& bytes, int length)
{
    bytes.add ((juce::uint8) ((length / 128) & 0x7F));
    bytes.add ((juce::uint8) (length % 128));
}

juce::uint8 byteAt (const juce::uint8* data, int size, int offset)
{
    return offset >= 0 && offset < size ? data[offset] : 0;
}
} // namespace

juce::Array<juce::uint8> VexoSysEx::buildMessage (const Model& model, int dataSize, juce::uint8 kind,
                                                  int slot)
{
    juce::Array<juce::uint8> bytes{manufacturerId, 0x00, model.productId, kind};
    const bool hasSlot = slot >= 0;

    if (kind == presetDumpId)
    {
        appendLength (bytes, dataSize + (hasSlot ? 1 : 0) + model.dumpTrailer.size());
        if (hasSlot)
            bytes.add ((juce::uint8)slot);
    }
    else if (kind == presetRequestId)
    {
        bytes.add (0x00, 0x01);
        if (hasSlot)
            bytes.add ((juce::uint8)slot);
    }
    return bytes;
}

juce::Array<juce::uint8> VexoSysEx::buildDump (const Model& model, const EditorPreset& preset, int slot)
{
    const auto block = preset.toBytes();
    auto bytes = buildMessage (model, block.size(), presetDumpId, slot);
    bytes.addArray (block);
    bytes.addArray (model.dumpTrailer);
    return bytes;
}

juce::Array<juce::uint8> VexoSysEx::buildPresetRequest (const Model& model, int slot)
{
    return buildMessage (model, 0, presetRequestId, slot);
}

juce::Array<juce::uint8> VexoSysEx::buildGlobalSettingsRequest (const Model& model)
{
    juce::Array<juce::uint8> bytes{manufacturerId, 0x00, model.productId, model.globalSettingsRequestId};
    appendLength (bytes, 3);
    bytes.add (model.globalSettingsRequestCode, 0x00, 0x01);
    return bytes;
}

juce::Array<juce::uint8> VexoSysEx::buildGlobalSetting (const Model& model, GlobalSettingValuePair pair)
{
    juce::Array<juce::uint8> bytes{manufacturerId, 0x00, model.productId, model.globalSettingsMessageId};
    const int count = 1;
    appendLength (bytes, 3 + count);
    bytes.add ((juce::uint8)count);
    bytes.add ((juce::uint8) ((pair.index >> 7) & 1));
    bytes.add ((juce::uint8) (pair.index & 0x7F));
    bytes.add (pair.value);
    return bytes;
}

juce::MidiMessage VexoSysEx::toMidiMessage (const juce::Array<juce::uint8>& body)
{
    return juce::MidiMessage::createSysExMessage (body.getRawDataPointer(), body.size());
}

juce::Array<juce::uint8> VexoSysEx::wrap (const juce::Array<juce::uint8>& body)
{
    juce::Array<juce::uint8> bytes;
    bytes.ensureStorageAllocated (body.size() + 2);
    bytes.add (0xF0);
    bytes.addArray (body);
    bytes.add (0xF7);
    return bytes;
}

VexoSysEx::Kind VexoSysEx::classify (const Model& model, const juce::uint8* data, int size)
{
    if (data == nullptr || size <= kindOffset)
        return Kind::ignored;

    if (size == model.dumpSize && data[kindOffset] == presetDumpId)
        return Kind::presetDump;

    // A 10-byte message is never a global-setting reply, whatever its kind byte says.
    if (size == acknowledgementSize)
        return data[kindOffset] == acknowledgementId ? Kind::acknowledgement : Kind::ignored;

    if (size >= smallestSettingReplySize && data[1] == manufacturerId && data[3] == model.productId &&
        data[kindOffset] == model.globalSettingsMessageId)
        return Kind::globalSettingReply;

    return Kind::ignored;
}

VexoSysEx::Kind VexoSysEx::classify (const Model& model, const juce::MidiMessage& message)
{
    if (!message.isSysEx())
        return Kind::ignored;
    return classify (model, message.getRawData(), message.getRawDataSize());
}

juce::Array<juce::uint8> VexoSysEx::extractDataBlock (const juce::uint8* data, int size, int trailerSize)
{
    const int blockSize = size - dumpHeaderSize - trailerSize - 1;
    if (data == nullptr || blockSize <= 0)
        return {};
    return juce::Array<juce::uint8> (data + dumpHeaderSize, blockSize);
}

juce::Array<GlobalSettingValuePair> VexoSysEx::readGlobalSettingReply (const juce::uint8* data, int size)
{
    constexpr int countOffset = 7, firstIndexOffset = 9, firstValueOffset = 10;

    juce::Array<GlobalSettingValuePair> pairs;
    if (data == nullptr)
        return pairs;

    const int count = byteAt (data, size, countOffset);
    const int first = byteAt (data, size, firstIndexOffset);

    // A reply cut short must not pass for a device whose settings are all 0: only value bytes
    // that are really there, before the closing byte, are taken. A value byte that no setting
    // accepts is still taken, for the settings to refuse it, and does not hide those after it.
    const int lastValueOffset = juce::jmin (firstValueOffset + count, size - 1) - 1;
    for (int offset = firstValueOffset; offset <= lastValueOffset; ++offset)
        pairs.add ({(juce::uint8) ((first + offset - firstValueOffset) % 256), data[offset]});
    return pairs;
}
