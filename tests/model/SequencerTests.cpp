#include "ModelTestHelpers.h"

#include "model/VexoBSequencer.h"

#include <gtest/gtest.h>

using model_testing::zeros;

namespace
{
juce::Array<juce::uint8> newSequencerRecord()
{
    auto record = zeros (VexoBSequencer::recordSize);
    record.set (0, 0x1F);
    return record;
}
} // namespace

TEST (Sequencer, NewSequencerRecordAndTracks)
{
    VexoBSequencer sequencer;
    EXPECT_EQ (sequencer.getTypeName(), "Sequencer");
    EXPECT_EQ (sequencer.toBytes(), newSequencerRecord());
    EXPECT_EQ (VexoBSequencer::recordSize, 2052);
    EXPECT_EQ (sequencer.getParameterNames(), juce::StringArray ({"Sequence Length", "Sequence StartType"}));

    EXPECT_EQ (sequencer.getTrack (-1), nullptr);
    EXPECT_EQ (sequencer.getTrack (64), nullptr);
    ASSERT_NE (sequencer.getTrack (63), nullptr);
    EXPECT_NE (sequencer.getTrack (63), sequencer.getTrack (62));
    EXPECT_EQ (sequencer.getTrack (63)->getTypeName(), "Sequence Track");
}

TEST (Sequencer, StepsAreNamedFromOne)
{
    VexoBSequencerTrack track;
    auto names = track.getParameterNames();
    EXPECT_EQ (names.size(), 32);
    EXPECT_TRUE (names.contains ("Step: 1"));
    EXPECT_TRUE (names.contains ("Step: 32"));
    EXPECT_FALSE (names.contains ("Step: 0"));
    EXPECT_EQ (VexoBSequencerTrack::getStepParameterName (7), "Step: 7");

    track.setParameterValue (VexoBSequencerTrack::getStepParameterName (1), 100);
    track.setParameterValue (VexoBSequencerTrack::getStepParameterName (32), 127);
    auto record = track.toBytes();
    EXPECT_EQ (record[0], 100);
    EXPECT_EQ (record[31], 127);
}

TEST (Sequencer, RecordLayoutPlacesTrackStepsAfterTheHeader)
{
    VexoBSequencer sequencer;
    auto record = newSequencerRecord();
    record.set (0, 15);
    record.set (1, 2);
    record.set (4 + 32 * 5 + 3, 64); // track 5, step 4
    record.set (4 + 32 * 63 + 31, 1);

    ASSERT_TRUE (sequencer.fromBytes (record));
    EXPECT_EQ (sequencer.getParameterInt (VexoBSequencer::Param::sequenceLength), 15);
    EXPECT_EQ (sequencer.getParameterInt (VexoBSequencer::Param::sequenceStartType), 2);
    EXPECT_EQ (sequencer.getTrack (5)->getParameterInt (VexoBSequencerTrack::getStepParameterName (4)), 64);
    EXPECT_EQ (sequencer.getTrack (63)->getParameterInt (VexoBSequencerTrack::getStepParameterName (32)), 1);
    EXPECT_EQ (sequencer.toBytes(), record);
}

TEST (Sequencer, BadHeaderIsRefusedWhole)
{
    for (auto [offset, value] : {std::pair{0, 32}, {1, 3}, {2, 1}, {3, 1}})
    {
        VexoBSequencer sequencer;
        sequencer.getTrack (0)->setParameterValue (VexoBSequencerTrack::getStepParameterName (1), 9);
        const auto before = sequencer.toBytes();

        auto record = newSequencerRecord();
        record.set (4, 50);
        record.set (offset, (juce::uint8)value);
        EXPECT_FALSE (sequencer.fromBytes (record)) << offset;
        EXPECT_EQ (sequencer.toBytes(), before) << offset;
    }

    VexoBSequencer sequencer;
    EXPECT_FALSE (sequencer.fromBytes (zeros (2051)));
    EXPECT_FALSE (sequencer.fromBytes (zeros (2053)));
    EXPECT_FALSE (VexoBSequencerTrack().fromBytes (zeros (31)));
}

TEST (Sequencer, StepByteAboveVelocityRangeKeepsThatStepOnly)
{
    VexoBSequencer sequencer;
    sequencer.getTrack (2)->setParameterValue (VexoBSequencerTrack::getStepParameterName (1), 42);

    auto record = newSequencerRecord();
    record.set (4 + 32 * 2, 0x80);
    record.set (4 + 32 * 2 + 1, 7);

    EXPECT_TRUE (sequencer.validateBytes (record));
    EXPECT_TRUE (sequencer.fromBytes (record));
    EXPECT_EQ (sequencer.getTrack (2)->getParameterInt (VexoBSequencerTrack::getStepParameterName (1)), 42);
    EXPECT_EQ (sequencer.getTrack (2)->getParameterInt (VexoBSequencerTrack::getStepParameterName (2)), 7);
}

TEST (Sequencer, ClearingSwitchesStepsOffButKeepsLengthAndStartType)
{
    VexoBSequencer sequencer;
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        model_testing::setEveryParameterOffDefault (*sequencer.getTrack (t), t);
    sequencer.setParameterValue (VexoBSequencer::Param::sequenceLength, 7);
    sequencer.setParameterValue (VexoBSequencer::Param::sequenceStartType, 1);

    sequencer.clearAllTracks();

    auto record = sequencer.toBytes();
    EXPECT_EQ (record[0], 7);
    EXPECT_EQ (record[1], 1);
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        EXPECT_EQ (sequencer.getTrack (t)->toBytes(), zeros (32)) << t;
}
