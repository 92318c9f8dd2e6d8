#include "ModelTestHelpers.h"

#include "model/VexoBEditorPreset.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// Every parameter of every control off its initial value, and a name, so that a lost or misplaced value
// shows.
VexoBEditorPreset::Ptr makeFullyEditedPreset (const juce::String& name = "Drums 1")
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    preset->setName (name);
    int seed = 0;

    for (int i = 0; i < ControlBank::numPads; ++i)
        model_testing::setEveryParameterOffDefault (*preset->getPad (i), seed++);
    for (int i = 0; i < ControlBank::numKnobs; ++i)
    {
        model_testing::setEveryParameterOffDefault (*preset->getKnob (i), seed++);
        model_testing::setEveryParameterOffDefault (*preset->getFader (i), seed++);
        model_testing::setEveryParameterOffDefault (*preset->getSwitch (i), seed++);
    }
    model_testing::setEveryParameterOffDefault (*preset->getTransport(), seed++);
    model_testing::setEveryParameterOffDefault (*preset->getSequencer(), seed++);
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        model_testing::setEveryParameterOffDefault (*preset->getSequencer()->getTrack (t), seed++);

    return preset;
}

// Every value of the preset, parameter by parameter, and its name.
juce::String describe (const VexoBEditorPreset& preset)
{
    juce::StringArray parts{preset.getName()};

    for (int i = 0; i < ControlBank::numPads; ++i)
        parts.add (model_testing::describe (*preset.getPad (i)));
    for (int i = 0; i < ControlBank::numKnobs; ++i)
    {
        parts.add (model_testing::describe (*preset.getKnob (i)));
        parts.add (model_testing::describe (*preset.getFader (i)));
        parts.add (model_testing::describe (*preset.getSwitch (i)));
    }
    parts.add (model_testing::describe (*preset.getTransport()));
    parts.add (model_testing::describe (*preset.getSequencer()));
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        parts.add (model_testing::describe (*preset.getSequencer()->getTrack (t)));

    return parts.joinIntoString ("\n");
}

// A valid block that differs from the preset under test everywhere, with one change applied.
juce::Array<juce::uint8> damagedBlock (const std::function<void (juce::Array<juce::uint8>&)>& damage)
{
    auto block = makeFullyEditedPreset ("Other")->toBytes();
    damage (block);
    return block;
}
} // namespace

TEST (Presets, NewPresetBlock)
{
    VexoBEditorPreset preset;
    auto block = preset.toBytes();

    EXPECT_EQ (preset.getName(), "Preset");
    EXPECT_EQ (preset.getDataSize(), 3450);
    ASSERT_EQ (block.size(), 3450);

    const auto expectedStart =
        model_testing::bytes ({'P',  'r',  'e',  's',  'e',  't',  ' ',  ' ', 0x00, // name, reserved byte
                               0x00, 0x1E, 0x00, 0x00, 0x00, 0x01, 0x32, 0,   0,    0, 0, 0, 0});
    EXPECT_EQ (juce::Array<juce::uint8> (block.begin(), expectedStart.size()), expectedStart);
    EXPECT_EQ (block[1398], 0x1F); // the sequencer's length setting
    EXPECT_TRUE (preset.validateBytes (block));
}

TEST (Presets, ControlsSitAtTheirBlockOffsets)
{
    VexoBEditorPreset preset;
    preset.getPad (5)->setParameterValue (VexoPad::Param::colorOn, 16);
    preset.getKnob (3)->setParameterValue (VexoKnob::Param::nrpnValue, 77);
    preset.getFader (23)->setParameterValue (VexoFader::Param::maxValue, 99);
    preset.getSwitch (23)->setParameterValue (VexoSwitch::Param::key2, 14);
    preset.getSequencer()->getTrack (63)->setParameterValue (VexoBSequencerTrack::getStepParameterName (32),
                                                             5);

    auto block = preset.toBytes();
    EXPECT_EQ (block[22 + 11 * 5 + 10], 16);
    EXPECT_EQ (block[726 + 9 * 3 + 8], 77);
    EXPECT_EQ (block[942 + 6 * 23 + 4], 99);
    EXPECT_EQ (block[1086 + 13 * 23 + 12], 14);
    EXPECT_EQ (block[3449], 5);
}

TEST (Presets, EveryValueAndTheNameSurviveARoundTrip)
{
    auto source = makeFullyEditedPreset ("Bass");
    VexoBEditorPreset target;

    ASSERT_TRUE (target.fromBytes (source->toBytes()));
    EXPECT_EQ (target.getName(), "Bass    "); // the filling spaces stay part of the name
    EXPECT_EQ (target.toBytes(), source->toBytes());

    source->setName ("Bass    ");
    EXPECT_EQ (describe (target), describe (*source));
}

TEST (Presets, RefusedBlocksChangeNothing)
{
    const std::pair<const char*, juce::Array<juce::uint8>> refused[] = {
        {"tempo 29", damagedBlock (
                         [] (auto& b)
                         {
                             b.set (9, 0x00);
                             b.set (10, 0x1D);
                         })},
        {"tempo 301", damagedBlock (
                          [] (auto& b)
                          {
                              b.set (9, 0x02);
                              b.set (10, 0x2D);
                          })},
        {"colour 18", damagedBlock ([] (auto& b) { b.set (22 + 11 * 63 + 10, 18); })},
        {"last switch", damagedBlock ([] (auto& b) { b.set (1086 + 13 * 23, 5); })},
        {"3449 bytes", damagedBlock ([] (auto& b) { b.removeLast(); })},
        {"3451 bytes", damagedBlock ([] (auto& b) { b.add (0); })},
        {"empty", {}},
        {"name byte 0x80", damagedBlock ([] (auto& b) { b.set (7, 0x80); })},
        {"byte 8", damagedBlock ([] (auto& b) { b.set (8, 0x01); })},
        {"sequencer byte 2", damagedBlock ([] (auto& b) { b.set (1398 + 2, 0x01); })},
        {"sequence length 32", damagedBlock ([] (auto& b) { b.set (1398, 32); })},
    };

    for (auto& [what, block] : refused)
    {
        auto preset = makeFullyEditedPreset();
        const auto before = describe (*preset);

        EXPECT_FALSE (preset->validateBytes (block)) << what;
        EXPECT_FALSE (preset->fromBytes (block)) << what;
        EXPECT_EQ (describe (*preset), before) << what;
    }
}

TEST (Presets, FirstModelBlockIsRefusedBySecondModelOnly)
{
    auto firstModelBlock = juce::Array<juce::uint8> (makeFullyEditedPreset()->toBytes().begin(), 1398);
    VexoBEditorPreset second;
    VexoAEditorPreset first;

    EXPECT_EQ (first.getDataSize(), 1398);
    EXPECT_FALSE (second.fromBytes (firstModelBlock));
    EXPECT_TRUE (first.fromBytes (firstModelBlock));
    EXPECT_EQ (first.toBytes(), firstModelBlock);
    EXPECT_FALSE (first.fromBytes (second.toBytes()));
}

TEST (Presets, NamesAreAtMostEightCharactersBelow128)
{
    VexoBEditorPreset preset;
    EXPECT_FALSE (preset.setName ("ABCDEFGHI"));
    EXPECT_EQ (preset.getName(), "Preset");
    EXPECT_FALSE (preset.setName (juce::String (juce::CharPointer_UTF8 ("Caf\xc3\xa9"))));
    EXPECT_EQ (preset.getName(), "Preset");

    EXPECT_TRUE (preset.setName ("ABCDEFGH"));
    EXPECT_EQ (preset.nameToBytes(), model_testing::bytes ({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
    EXPECT_TRUE (preset.setName ("Z"));
    EXPECT_EQ (preset.nameToBytes(), model_testing::bytes ({'Z', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_TRUE (preset.setName (""));
    EXPECT_EQ (preset.nameToBytes(), model_testing::bytes ({' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));

    EXPECT_TRUE (VexoEditorPreset::validateNameBytes (model_testing::bytes ({0, 1, 2, 3, 4, 5, 6, 0x7F})));
    EXPECT_FALSE (VexoEditorPreset::validateNameBytes (model_testing::bytes ({'A', 'B'})));
}

TEST (Presets, ZeroNameBytesAddNothing)
{
    VexoBEditorPreset preset;
    auto block = preset.toBytes();
    block.set (0, 'A');
    block.set (1, 0);
    block.set (2, 'B');
    ASSERT_TRUE (preset.fromBytes (block));
    EXPECT_EQ (preset.getName(), "ABset  ");
}

TEST (Presets, TheNameCanBeBoundAndAnOverlongBoundNameIsCutInTheBlock)
{
    VexoBEditorPreset preset;
    juce::Value field;
    preset.referToName (field);
    EXPECT_EQ (field.toString(), "Preset");

    preset.setName ("Keys");
    EXPECT_EQ (field.toString(), "Keys");

    // Whatever an editor writes straight into the bound value, the block keeps its size.
    field = "Far too long a name";
    EXPECT_EQ (preset.nameToBytes().size(), 8);
    EXPECT_EQ (preset.toBytes().size(), 3450);
}

TEST (Presets, AccessorsShareControlsAndRefuseBadIndexes)
{
    VexoBEditorPreset preset;
    EXPECT_EQ (preset.getPad (64), nullptr);
    EXPECT_EQ (preset.getPad (-1), nullptr);
    EXPECT_EQ (preset.getKnob (24), nullptr);
    EXPECT_EQ (preset.getFader (24), nullptr);
    EXPECT_EQ (preset.getSwitch (-1), nullptr);
    ASSERT_NE (preset.getPad (63), nullptr);
    ASSERT_NE (preset.getSwitch (23), nullptr);

    preset.getPad (ControlBank::padIndex (3, 15))->setParameterValue (VexoPad::Param::midiNote, 36);
    EXPECT_EQ (preset.getPad (63)->getParameterInt (VexoPad::Param::midiNote), 36);
    EXPECT_EQ (preset.getTransport(), preset.getTransport());

    EXPECT_EQ (ControlBank::padIndex (4, 0), -1);
    EXPECT_EQ (ControlBank::controlIndex (2, 7), 23);
    EXPECT_EQ (ControlBank::controlIndex (1, 8), -1);
    EXPECT_EQ (ControlBank::getBankName (3), "D");
}
