#pragma once

#include "model/EditorPreset.h"
#include "model/GlobalSettingValuePair.h"

#include <juce_audio_basics/juce_audio_basics.h>

// The System Exclusive messages exchanged with the devices of the series, and the preset file,
// which holds exactly the bytes of a preset dump. Builders return the bytes between F0 and F7
// (what juce::MidiMessage::createSysExMessage wraps); readers take whole raw messages, F0 and F7
// included, and never read past their end.
struct VexoSysEx
{
    static constexpr juce::uint8 manufacturerId = 0x7D;

    static constexpr juce::uint8 presetDumpId = 0x10;
    static constexpr juce::uint8 acknowledgementId = 0x11;
    static constexpr juce::uint8 presetRequestId = 0x12;

    // F0, manufacturer, 0x00, product, kind, two length bytes, slot.
    static constexpr int dumpHeaderSize = 8;
    static constexpr int acknowledgementSize = 10;
    static constexpr int presetRequestSize = 9;
    static constexpr int smallestSettingReplySize = 8;
    // Offsets in a whole message.
    static constexpr int kindOffset = 4;
    static constexpr int slotOffset = 7;

    enum class Kind
    {
        ignored,
        presetDump,
        acknowledgement,
        globalSettingReply
    };

    // What the model in use puts in its messages.
    struct Model
    {
        juce::uint8 productId;
        juce::uint8 globalSettingsMessageId;
        juce::uint8 globalSettingsRequestId;
        juce::uint8 globalSettingsRequestCode;
        int dumpSize;
        juce::Array<juce::uint8> dumpTrailer;
    };

    // The frame up to the kind byte, then for a dump the length and the slot (when slot >= 0),
    // for a preset request 00 01 and the slot; nothing further for other kinds.
    static juce::Array<juce::uint8> buildMessage (const Model& model, int dataSize, juce::uint8 kind,
                                                  int slot);

    static juce::Array<juce::uint8> buildDump (const Model& model, const EditorPreset& preset, int slot);
    static juce::Array<juce::uint8> buildPresetRequest (const Model& model, int slot);
    static juce::Array<juce::uint8> buildGlobalSettingsRequest (const Model& model);
    static juce::Array<juce::uint8> buildGlobalSetting (const Model& model, GlobalSettingValuePair pair);

    // Builder output wrapped in F0 ... F7.
    static juce::MidiMessage toMidiMessage (const juce::Array<juce::uint8>& body);
    static juce::Array<juce::uint8> wrap (const juce::Array<juce::uint8>& body);

    // Classifies a whole raw message in this order: a message of the dump size whose kind is a
    // dump; a 10-byte message (an acknowledgement when its kind says so); a global-setting reply.
    static Kind classify (const Model& model, const juce::uint8* data, int size);
    static Kind classify (const Model& model, const juce::MidiMessage& message);

    // The data block inside a dump or a preset file: without the header, the trailer and F7,
    // none of which is looked at. Empty when the message is too short to hold any block.
    static juce::Array<juce::uint8> extractDataBlock (const juce::uint8* data, int size, int trailerSize);

    // The settings a global-setting reply carries, in message order: as many as its count says
    // and its value bytes hold (a value byte must come before the closing byte). Indices wrap at
    // 256 and values are not checked, so the receiver must refuse what it does not know.
    static juce::Array<GlobalSettingValuePair> readGlobalSettingReply (const juce::uint8* data, int size);
};
