// A block or record can be checked three ways: by a preset or control that still has its declared
// limits (one pass over the bytes), by one whose parameter data was handed out (parameter by
// parameter), and without any preset (a file check). All three must always answer alike.
#include "ModelTestHelpers.h"
#include "RandomBlocks.h"

#include "model/VexoBEditorPreset.h"

#include <gtest/gtest.h>

namespace
{
// Hands out every parameter's data without changing it: the control then checks parameter by
// parameter.
void handOutEveryParameterData (MEditorControl& control)
{
    for (auto& name : control.getParameterNames())
        ASSERT_NE (control.getParameterData (name), nullptr);
}

void handOutEveryParameterData (VexoBEditorPreset& preset)
{
    handOutEveryParameterData (*preset.getTransport());
    for (int i = 0; i < ControlBank::numPads; ++i)
        handOutEveryParameterData (*preset.getPad (i));
    for (int i = 0; i < ControlBank::numKnobs; ++i)
    {
        handOutEveryParameterData (*preset.getKnob (i));
        handOutEveryParameterData (*preset.getFader (i));
        handOutEveryParameterData (*preset.getSwitch (i));
    }
    handOutEveryParameterData (*preset.getSequencer());
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        handOutEveryParameterData (*preset.getSequencer()->getTrack (t));
}

template <typename ControlType>
void expectRecordChecksAgree (const random_blocks::Layout& layout, std::uint64_t seed)
{
    random_blocks::Generator random (seed);
    ControlType declared, handedOut;
    handOutEveryParameterData (handedOut);
    int accepted = 0;

    for (int i = 0; i < 2000; ++i)
    {
        const auto record = random_blocks::mixedRecord (layout, random);
        const bool answer = declared.validateBytes (record);
        accepted += answer;

        ASSERT_EQ (handedOut.validateBytes (record), answer) << "record " << i;
        if (record.size() == ControlType::recordSize)
        {
            ASSERT_EQ (ControlType::getParameterTable().accepts (record.getRawDataPointer()), answer)
                << "record " << i;
        }
    }
    EXPECT_GT (accepted, 100);
}
} // namespace

TEST (BlockChecks, PresetsAnswerAlikeWithDeclaredLimitsWithHandedOutParameterDataAndWithoutAPreset)
{
    random_blocks::Generator random (21);
    const auto layout = random_blocks::presetLayout (true);
    VexoBEditorPreset::Ptr declared = new VexoBEditorPreset(), handedOut = new VexoBEditorPreset();
    handOutEveryParameterData (*handedOut);
    int accepted = 0;

    for (int i = 0; i < 3000; ++i)
    {
        const auto block = random_blocks::mixedRecord (layout, random);
        const bool answer = declared->validateBytes (block);
        accepted += answer;

        ASSERT_EQ (handedOut->validateBytes (block), answer) << "block " << i;
        ASSERT_EQ (VexoBEditorPreset::isValidBlock (block), answer) << "block " << i;
    }
    EXPECT_GT (accepted, 500);
}

TEST (BlockChecks, FirstModelPresetsAnswerAlikeWithAndWithoutAPreset)
{
    random_blocks::Generator random (22);
    const auto layout = random_blocks::presetLayout (false);
    VexoAEditorPreset::Ptr preset = new VexoAEditorPreset();
    int accepted = 0;

    for (int i = 0; i < 2000; ++i)
    {
        const auto block = random_blocks::mixedRecord (layout, random);
        const bool answer = preset->validateBytes (block);
        accepted += answer;
        ASSERT_EQ (VexoAEditorPreset::isValidBlock (block), answer) << "block " << i;
    }
    EXPECT_GT (accepted, 300);
}

TEST (BlockChecks, ControlsAnswerAlikeWithDeclaredLimitsWithHandedOutParameterDataAndByTheirTables)
{
    expectRecordChecksAgree<VexoPad> (random_blocks::padLayout(), 23);
    expectRecordChecksAgree<VexoKnob> (random_blocks::knobLayout(), 24);
    expectRecordChecksAgree<VexoFader> (random_blocks::faderLayout(), 25);
    expectRecordChecksAgree<VexoSwitch> (random_blocks::switchLayout(), 26);
    expectRecordChecksAgree<VexoTransport> (random_blocks::transportLayout(), 27);
    expectRecordChecksAgree<VexoBSequencerTrack> (random_blocks::trackLayout(), 28);
    expectRecordChecksAgree<VexoBSequencer> (random_blocks::sequencerLayout(), 29);
}

// Whoever holds a parameter's data may change its limits or point its value elsewhere; from then on
// the data decides, for the string interface and for whole records alike.
TEST (BlockChecks, HandedOutParameterDataDecidesItsParameterFromThenOn)
{
    VexoBEditorPreset preset;
    auto block = preset.toBytes();
    const int colourOn = VexoAEditorPreset::padsOffset + 10;
    block.set (colourOn, 20);
    EXPECT_FALSE (preset.validateBytes (block));

    auto pad = preset.getPad (0);
    auto data = pad->getParameterData (VexoPad::Param::colorOn);
    data->max = 20;
    EXPECT_TRUE (pad->isWithinRange (VexoPad::Param::colorOn, 20));
    EXPECT_TRUE (preset.validateBytes (block));
    ASSERT_TRUE (preset.fromBytes (block));
    EXPECT_EQ (pad->getParameterInt (VexoPad::Param::colorOn), 20);
    EXPECT_FALSE (VexoBEditorPreset::isValidBlock (block)) << "a new preset keeps the declared limit";

    juce::Value elsewhere (juce::var (7));
    data->value.referTo (elsewhere);
    EXPECT_EQ (pad->getParameterInt (VexoPad::Param::colorOn), 7);
    EXPECT_EQ (preset.toBytes()[colourOn], 7);
    pad->setParameterValue (VexoPad::Param::colorOn, 3);
    EXPECT_EQ ((int)elsewhere.getValue(), 3);
    EXPECT_TRUE (pad->getParameterValue (VexoPad::Param::colorOn).refersToSameSourceAs (elsewhere));
    EXPECT_EQ (pad->getParameterData (VexoPad::Param::colorOn), data) << "the same data every time";
}

TEST (BlockChecks, ATextValueLeftByAViewIsReadAsANumberAndReplacedByALoadedOne)
{
    VexoPad pad;
    auto shared = pad.getParameterValue (VexoPad::Param::midiNote);
    shared = "64"; // a number box holds its number as text once it has shown it

    auto record = pad.toBytes();
    EXPECT_EQ (record[2], 64);
    ASSERT_TRUE (pad.fromBytes (record));
    EXPECT_TRUE (shared.getValue().isInt()) << "the same number loaded as a number is a change of type";
    EXPECT_EQ ((int)shared.getValue(), 64);
}
