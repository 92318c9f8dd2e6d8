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
using Pad = VexoPad::Param;
using Knob = VexoKnob::Param;
using Fader = VexoFader::Param;
using Switch = VexoSwitch::Param;
using Transport = VexoTransport::Param;

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

// Views, tools and files reach parameters by these exact strings, so the names are spelt out here
// rather than taken from the constants the code uses.
TEST (ControlRecords, EveryKindDeclaresItsNamesExactlyAsSpelt)
{
    const auto namesOf = [] (const MEditorControl& control)
    {
        auto names = control.getParameterNames();
        names.sort (false);
        return names.joinIntoString ("|");
    };
    const auto sorted = [] (juce::StringArray names)
    {
        names.sort (false);
        return names.joinIntoString ("|");
    };

    EXPECT_EQ (
        namesOf (VexoPad()),
        sorted ({"Parameter Type", "MIDI Channel", "MIDI Note", "Note Toggle Mode", "Program Number",
                 "Program MSB", "Program LSB", "Aftertouch Type", "Color Off", "Color On", "To MIDI Din"}));
    EXPECT_EQ (namesOf (VexoKnob()),
               sorted ({"Parameter Type", "MIDI Channel", "CC Number", "Min Value", "Max Value", "NRPN LSB",
                        "NRPN MSB", "NRPN Value", "To MIDI DIN"}));
    EXPECT_EQ (namesOf (VexoFader()), sorted ({"Parameter Type", "MIDI Channel", "CC Number", "Min Value",
                                               "Max Value", "To MIDI DIN"}));
    EXPECT_EQ (namesOf (VexoSwitch()), sorted ({"Parameter Type", "MIDI Channel", "MIDI CC", "Switch Mode",
                                                "Program Number", "Program MSB", "Program LSB", "To Midi Din",
                                                "MIDI Note", "Note Velocity", "Key 1", "Key 2"}));
    EXPECT_EQ (namesOf (VexoTransport()), sorted ({"BPM", "SWING", "TIME DIVISION", "GATE", "REPEAT TOGGLE",
                                                   "TRANSPORT TYPE", "TIME DIVISION TOGGLE"}));
}

TEST (ControlRecords, PadRecordOrder)
{
    VexoPad pad;
    expectRecordMapsTo (pad, bytes ({1, 2, 60, 1, 4, 5, 6, 7, 8, 9, 17}),
                        {{Pad::parameterType, 1},
                         {Pad::midiChannel, 2},
                         {Pad::midiNote, 60},
                         {Pad::toMidiDin, 1},
                         {Pad::noteToggleMode, 4},
                         {Pad::aftertouchType, 5},
                         {Pad::programNumber, 6},
                         {Pad::programMsb, 7},
                         {Pad::programLsb, 8},
                         {Pad::colorOff, 9},
                         {Pad::colorOn, 17}});
    // Wider than the knob's, fader's and switch's ranges.
    EXPECT_TRUE (pad.isWithinRange (Pad::parameterType, 127));
    EXPECT_TRUE (pad.isWithinRange (Pad::midiChannel, 127));
}

TEST (ControlRecords, KnobRecordOrder)
{
    VexoKnob knob;
    expectRecordMapsTo (knob, bytes ({3, 32, 10, 11, 12, 1, 13, 14, 15}),
                        {{Knob::parameterType, 3},
                         {Knob::midiChannel, 32},
                         {Knob::ccNumber, 10},
                         {Knob::minValue, 11},
                         {Knob::maxValue, 12},
                         {Knob::toMidiDin, 1},
                         {Knob::nrpnMsb, 13},
                         {Knob::nrpnLsb, 14},
                         {Knob::nrpnValue, 15}});
}

TEST (ControlRecords, FaderRecordOrder)
{
    VexoFader fader;
    // A first byte of 2 is within the model's range although the editors offer only 0 and 1.
    expectRecordMapsTo (fader, bytes ({2, 32, 7, 8, 9, 1}),
                        {{Fader::parameterType, 2},
                         {Fader::midiChannel, 32},
                         {Fader::ccNumber, 7},
                         {Fader::minValue, 8},
                         {Fader::maxValue, 9},
                         {Fader::toMidiDin, 1}});
}

TEST (ControlRecords, SwitchRecordOrder)
{
    VexoSwitch control;
    expectRecordMapsTo (control, bytes ({4, 31, 20, 2, 21, 22, 23, 1, 24, 25, 0, 82, 14}),
                        {{Switch::parameterType, 4},
                         {Switch::midiChannel, 31},
                         {Switch::midiCc, 20},
                         {Switch::switchMode, 2},
                         {Switch::programNumber, 21},
                         {Switch::programMsb, 22},
                         {Switch::programLsb, 23},
                         {Switch::toMidiDin, 1},
                         {Switch::midiNote, 24},
                         {Switch::noteVelocity, 25},
                         {Switch::key1, 82},
                         {Switch::key2, 14}});
}

TEST (ControlRecords, TransportRecordOrderAndTempo)
{
    VexoTransport transport;
    expectRecordMapsTo (transport, bytes ({0x02, 0x2C, 1, 7, 1, 99, 75, 0, 0, 0, 0, 0, 4}),
                        {{Transport::bpm, 300},
                         {Transport::timeDivisionToggle, 1},
                         {Transport::timeDivision, 7},
                         {Transport::repeatToggle, 1},
                         {Transport::gate, 99},
                         {Transport::swing, 75},
                         {Transport::transportType, 4}});

    // The low tempo byte is only limited through the joined tempo.
    ASSERT_TRUE (transport.fromBytes (bytes ({0x00, 0x80, 0, 0, 0, 1, 50, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ (transport.getParameterInt (Transport::bpm), 128);
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
