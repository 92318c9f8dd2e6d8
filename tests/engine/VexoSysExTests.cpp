#include "EngineTestSupport.h"

#include "engine/VexoSysEx.h"
#include "model/VexoBEditorPreset.h"

using engine_test::toVector;
using Bytes = std::vector<juce::uint8>;
using Kind = VexoSysEx::Kind;

namespace
{
VexoSysEx::Model modelB()
{
    VexoBEditorEngine engine (nullptr);
    return engine.getMessageModel();
}

Kind classify (const Bytes& bytes)
{
    return VexoSysEx::classify (modelB(), bytes.data(), (int)bytes.size());
}

Bytes dumpOfSize (int size, juce::uint8 kind)
{
    Bytes bytes ((size_t)size, 0x00);
    bytes.front() = 0xF0;
    bytes[4] = kind;
    bytes.back() = 0xF7;
    return bytes;
}

std::vector<std::pair<int, int>> settingsIn (const Bytes& reply)
{
    std::vector<std::pair<int, int>> pairs;
    for (const auto& pair : VexoSysEx::readGlobalSettingReply (reply.data(), (int)reply.size()))
        pairs.emplace_back (pair.index, pair.value);
    return pairs;
}
} // namespace

TEST (VexoSysEx, DumpOfANewPresetFramesItsDataBlock)
{
    VexoBEditorPreset preset;
    const auto message = VexoSysEx::toMidiMessage (VexoSysEx::buildDump (modelB(), preset, 30));
    const auto bytes = toVector (message);

    ASSERT_EQ (bytes.size(), 3483u);
    EXPECT_EQ (Bytes (bytes.begin(), bytes.begin() + 8),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x10, 0x1B, 0x13, 30}));
    EXPECT_EQ (Bytes (bytes.begin() + 8, bytes.begin() + 3458), toVector (preset.toBytes()));

    Bytes trailer;
    for (juce::uint8 n = 0; n < 8; ++n)
        trailer.insert (trailer.end(), {0x04, 0x00, n});
    trailer.push_back (0xF7);
    EXPECT_EQ (Bytes (bytes.begin() + 3458, bytes.end()), trailer);
}

TEST (VexoSysEx, HeadersOfTheSmallMessages)
{
    const auto model = modelB();
    EXPECT_EQ (toVector (VexoSysEx::toMidiMessage (VexoSysEx::buildPresetRequest (model, 0))),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x12, 0x00, 0x01, 0x00, 0xF7}));
    EXPECT_EQ (toVector (VexoSysEx::toMidiMessage (VexoSysEx::buildGlobalSettingsRequest (model))),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7}));
    EXPECT_EQ (toVector (VexoSysEx::toMidiMessage (VexoSysEx::buildGlobalSetting (model, {10, 7}))),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x04, 0x01, 0x00, 0x0A, 0x07, 0xF7}));

    // Without a slot the dump's length counts no slot byte, and none is written.
    EXPECT_EQ (toVector (VexoSysEx::buildMessage (model, 3450, VexoSysEx::presetDumpId, -1)),
               (Bytes{0x7D, 0x00, 0x36, 0x10, 0x1B, 0x12}));
    EXPECT_EQ (toVector (VexoSysEx::buildMessage (model, 3450, 0x24, 4)), (Bytes{0x7D, 0x00, 0x36, 0x24}));
}

TEST (VexoSysEx, ClassificationFollowsSizeFirst)
{
    // A dump is known by its size and kind alone: manufacturer, product and slot are not read.
    auto dump = dumpOfSize (3483, 0x10);
    dump[1] = 0x41;
    dump[3] = 0x00;
    dump[7] = 0x7F;
    EXPECT_EQ (classify (dump), Kind::presetDump);
    EXPECT_EQ (classify (dumpOfSize (3482, 0x10)), Kind::ignored);
    EXPECT_EQ (classify (dumpOfSize (3483, 0x11)), Kind::ignored);

    // Any ten bytes with kind 0x11 acknowledge; ten bytes are never a settings reply.
    EXPECT_EQ (classify ({0xF0, 0x00, 0x55, 0x00, 0x11, 0x7F, 0x7F, 0x7F, 0x7F, 0xF7}),
               Kind::acknowledgement);
    EXPECT_EQ (classify ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x04, 0x01, 0x00, 0xF7}), Kind::ignored);
    EXPECT_EQ (classify ({0xF0, 0x7D, 0x00, 0x36, 0x11, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7}), Kind::ignored);

    EXPECT_EQ (classify ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x00, 0xF7}), Kind::globalSettingReply);
    EXPECT_EQ (classify ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0xF7}), Kind::ignored);
    EXPECT_EQ (classify ({0xF0, 0x7D, 0x00, 0x37, 0x34, 0x00, 0x04, 0x01, 0x00, 0x01, 0x01, 0xF7}),
               Kind::ignored);
    EXPECT_EQ (classify ({0xF0, 0x7E, 0x00, 0x36, 0x34, 0x00, 0x04, 0x01, 0x00, 0x01, 0x01, 0xF7}),
               Kind::ignored);
    EXPECT_EQ (classify ({0xF0, 0x7D}), Kind::ignored);
    EXPECT_EQ (classify ({}), Kind::ignored);

    EXPECT_EQ (VexoSysEx::classify (modelB(), juce::MidiMessage::noteOn (1, 60, 0.5f)), Kind::ignored);
}

TEST (VexoSysEx, GlobalSettingReplyIsReadWithinItsBounds)
{
    EXPECT_EQ (settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x05, 0x02, 0x00, 0x03, 0x05, 0x01, 0xF7}),
               (std::vector<std::pair<int, int>>{{3, 5}, {4, 1}}));

    // More settings announced than carried: only those with a value byte are taken, so a reply
    // cut short does not pass for settings of 0.
    EXPECT_EQ (settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x05, 0x03, 0x00, 0x01, 0x04, 0xF7}),
               (std::vector<std::pair<int, int>>{{1, 4}}));
    EXPECT_TRUE (settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x02, 0xF7}).empty());
    EXPECT_TRUE (settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x04, 0x7F, 0x00, 0x01}).empty());

    // A value no setting takes is handed on for refusal; the values after it still count.
    EXPECT_EQ (
        settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x06, 0x03, 0x00, 0x02, 0x28, 0x90, 0x01, 0xF7}),
        (std::vector<std::pair<int, int>>{{2, 40}, {3, 0x90}, {4, 1}}));

    // Indices wrap at 256 rather than running on.
    EXPECT_EQ (settingsIn ({0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x05, 0x02, 0x00, 0xFF, 0x01, 0x02, 0xF7}),
               (std::vector<std::pair<int, int>>{{255, 1}, {0, 2}}));
}

TEST (VexoSysEx, DataBlockIsCutOutWithoutLookingAtTheFrame)
{
    Bytes bytes (8 + 3 + 24 + 1, 0xEE);
    bytes[8] = 1;
    bytes[9] = 2;
    bytes[10] = 3;
    EXPECT_EQ (toVector (VexoSysEx::extractDataBlock (bytes.data(), (int)bytes.size(), 24)),
               (Bytes{1, 2, 3}));
    EXPECT_TRUE (VexoSysEx::extractDataBlock (bytes.data(), 33, 24).isEmpty());
    EXPECT_TRUE (VexoSysEx::extractDataBlock (bytes.data(), 5, 24).isEmpty());
    EXPECT_TRUE (VexoSysEx::extractDataBlock (nullptr, 3483, 24).isEmpty());
}
