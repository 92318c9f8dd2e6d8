#include "ModelTestHelpers.h"

#include "model/VexoFader.h"
#include "model/VexoKnob.h"
#include "model/VexoPad.h"
#include "model/VexoSwitch.h"
#include "model/VexoTransport.h"

#include <gtest/gtest.h>

using model_testing::bytes;
using model_testing::zeros;

namespace
{
struct ExpectedField
{
    const char* name;
    int value;
};

// Loads the record, checks every named parameter, then checks that the record comes back unchanged.
void expectRecordMapsTo (MEditorControl& control, const juce::Array<juce::uint8>& record,
                         std::initializer_list<ExpectedField> fields)
{
    ASSERT_TRUE (control.fromBytes (record));

    for (auto& field : fields)
        EXPECT_EQ (control.getParameterInt (field.name), field.value) << field.name;

    EXPECT_EQ (control.toBytes(), record);
}

template <typename ControlType>
void expectRefusedWithoutChange (const juce::Array<juce::uint8>& record)
{
    ControlType control;
    model_testing::setEveryParameterOffDefault (control, 3);
    const auto before = model_testing::describe (control);

    EXPECT_FALSE (control.validateBytes (record));
    EXPECT_FALSE (control.fromBytes (record));
    EXPECT_EQ (model_testing::describe (control), before);
}
} // namespace

TEST (ControlRecords, NewControlsHaveTheirTypeNamesAndRecords)
{
    EXPECT_EQ (VexoPad().getTypeName(), "PAD");
    EXPECT_EQ (VexoKnob().getTypeName(), "KNOB");
    EXPECT_EQ (VexoFader().getTypeName(), "FADER");
    EXPECT_EQ (VexoSwitch().getTypeName(), "Switch");
    EXPECT_EQ (VexoTransport().getTypeName(), "Transport");

    EXPECT_EQ (VexoPad().toBytes(), zeros (11));
    EXPECT_EQ (VexoKnob().toBytes(), zeros (9));
    EXPECT_EQ (VexoFader().toBytes(), zeros (6));
    EXPECT_EQ (VexoSwitch().toBytes(), zeros (13));
    EXPECT_EQ (VexoTransport().toBytes(),
               bytes ({0x00, 0x1E, 0x00, 0x00, 0x00, 0x01, 0x32, 0, 0, 0, 0, 0, 0}));
}

TEST (ControlRecords, PadRecordOrder)
{
    VexoPad pad;
    expectRecordMapsTo (pad, bytes ({1, 2, 60, 1, 4, 5, 6, 7, 8, 9, 17}),
                        {{"Parameter Type", 1},
                         {"MIDI Channel", 2},
                         {"MIDI Note", 60},
                         {"To MIDI Din", 1},
                         {"Note Toggle Mode", 4},
                         {"Aftertouch Type", 5},
                         {"Program Number", 6},
                         {"Program MSB", 7},
                         {"Program LSB", 8},
                         {"Color Off", 9},
                         {"Color On", 17}});
    // Wider than the knob's, fader's and switch's ranges.
    EXPECT_TRUE (pad.isWithinRange ("Parameter Type", 127));
    EXPECT_TRUE (pad.isWithinRange ("MIDI Channel", 127));
}

TEST (ControlRecords, KnobRecordOrder)
{
    VexoKnob knob;
    expectRecordMapsTo (knob, bytes ({3, 32, 10, 11, 12, 1, 13, 14, 15}),
                        {{"Parameter Type", 3},
                         {"MIDI Channel", 32},
                         {"CC Number", 10},
                         {"Min Value", 11},
                         {"Max Value", 12},
                         {"To MIDI DIN", 1},
                         {"NRPN MSB", 13},
                         {"NRPN LSB", 14},
                         {"NRPN Value", 15}});
}

TEST (ControlRecords, FaderRecordOrder)
{
    VexoFader fader;
    // A first byte of 2 is within the model's range although the editors offer only 0 and 1.
    expectRecordMapsTo (fader, bytes ({2, 32, 7, 8, 9, 1}),
                        {{"Parameter Type", 2},
                         {"MIDI Channel", 32},
                         {"CC Number", 7},
                         {"Min Value", 8},
                         {"Max Value", 9},
                         {"To MIDI DIN", 1}});
}

TEST (ControlRecords, SwitchRecordOrder)
{
    VexoSwitch control;
    expectRecordMapsTo (control, bytes ({4, 31, 20, 2, 21, 22, 23, 1, 24, 25, 0, 82, 14}),
                        {{"Parameter Type", 4},
                         {"MIDI Channel", 31},
                         {"MIDI CC", 20},
                         {"Switch Mode", 2},
                         {"Program Number", 21},
                         {"Program MSB", 22},
                         {"Program LSB", 23},
                         {"To Midi Din", 1},
                         {"MIDI Note", 24},
                         {"Note Velocity", 25},
                         {"Key 1", 82},
                         {"Key 2", 14}});
}

TEST (ControlRecords, TransportRecordOrderAndTempo)
{
    VexoTransport transport;
    expectRecordMapsTo (transport, bytes ({0x02, 0x2C, 1, 7, 1, 99, 75, 0, 0, 0, 0, 0, 4}),
                        {{"BPM", 300},
                         {"TIME DIVISION TOGGLE", 1},
                         {"TIME DIVISION", 7},
                         {"REPEAT TOGGLE", 1},
                         {"GATE", 99},
                         {"SWING", 75},
                         {"TRANSPORT TYPE", 4}});

    // The low tempo byte is only limited through the joined tempo.
    ASSERT_TRUE (transport.fromBytes (bytes ({0x00, 0x80, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ (transport.getParameterInt ("BPM"), 128);
    EXPECT_EQ (transport.toBytes()[0], 0x01);
    EXPECT_EQ (transport.toBytes()[1], 0x00);
}

TEST (ControlRecords, FixedBytesAreIgnoredAndWrittenAsZero)
{
    VexoSwitch control;
    auto record = zeros (13);
    record.set (10, 0x7F);
    EXPECT_TRUE (control.fromBytes (record));
    EXPECT_EQ (control.toBytes(), zeros (13));

    VexoTransport transport;
    auto transportRecord = bytes ({0x00, 0x1E, 0, 0, 0, 1, 50, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0});
    EXPECT_TRUE (transport.fromBytes (transportRecord));
    EXPECT_EQ (transport.toBytes(), VexoTransport().toBytes());
}

TEST (ControlRecords, RefusedRecordsLeaveTheControlUnchanged)
{
    expectRefusedWithoutChange<VexoTransport> (bytes ({0x02, 0x2D, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0})); // 301
    expectRefusedWithoutChange<VexoTransport> (bytes ({0x00, 0x1D, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0})); // 29
    expectRefusedWithoutChange<VexoTransport> (
        bytes ({0x00, 0x1E, 0, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0})); // gate 0
    expectRefusedWithoutChange<VexoTransport> (
        bytes ({0x00, 0x1E, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 5}));                      // type 5
    expectRefusedWithoutChange<VexoPad> (bytes ({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18})); // colour 18
    expectRefusedWithoutChange<VexoPad> (bytes ({0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}));  // to DIN 2
    expectRefusedWithoutChange<VexoPad> (bytes ({0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    expectRefusedWithoutChange<VexoKnob> (zeros (8));
    expectRefusedWithoutChange<VexoKnob> (zeros (10));
    expectRefusedWithoutChange<VexoKnob> (bytes ({0, 33, 0, 0, 0, 0, 0, 0, 0}));
    expectRefusedWithoutChange<VexoFader> (bytes ({3, 0, 0, 0, 0, 0}));
    expectRefusedWithoutChange<VexoSwitch> (bytes ({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 83, 0})); // key 1 83
    expectRefusedWithoutChange<VexoSwitch> (bytes ({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15})); // key 2 15
    expectRefusedWithoutChange<VexoSwitch> ({});
}

TEST (ControlRecords, ACopyBetweenControlsOfOneKindTakesEveryValue)
{
    VexoSwitch source, target;
    model_testing::setEveryParameterOffDefault (source, 1);
    ASSERT_TRUE (target.fromBytes (source.toBytes()));
    EXPECT_EQ (model_testing::describe (target), model_testing::describe (source));
}
