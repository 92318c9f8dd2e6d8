#include "EngineTestSupport.h"

#include "engine/FactoryPreset.h"
#include "model/VexoBEditorPreset.h"

// The factory preset is checked against the rules it was made from, not against a copy of its bytes.
namespace
{
using Pad = VexoPad::Param;
using Knob = VexoKnob::Param;
using Fader = VexoFader::Param;
using Switch = VexoSwitch::Param;
using Transport = VexoTransport::Param;
using Sequencer = VexoBSequencer::Param;

const int knobCC[24] = {3,  9,  14, 15, 16, 17, 18, 19, 52, 53, 54, 55,
                        57, 58, 59, 60, 83, 85, 86, 87, 88, 89, 90, 91};
const int faderCC[24] = {20, 21, 22, 23, 24, 25, 26, 27, 61,  62,  63,  70,
                         71, 72, 73, 74, 92, 93, 94, 95, 102, 103, 104, 105};
const int switchCC[24] = {28, 29, 30, 31, 35,  41,  46,  47,  75,  76,  77,  78,
                          79, 80, 81, 82, 106, 107, 108, 109, 110, 111, 112, 113};

VexoBEditorPreset::Ptr loadedFactoryPreset()
{
    VexoBEditorEngine engine (nullptr);
    const auto preset = engine.createFactoryPreset();
    return dynamic_cast<VexoBEditorPreset*> (preset.get());
}
} // namespace

TEST (FactoryPreset, DumpIsFramedForSlot15)
{
    const auto dump = engine_test::toVector (FactoryPreset::getDump());
    ASSERT_EQ (dump.size(), 3483u);
    EXPECT_EQ (std::vector<juce::uint8> (dump.begin(), dump.begin() + 8),
               (std::vector<juce::uint8>{0xF0, 0x7D, 0x00, 0x36, 0x10, 0x1B, 0x13, 0x0F}));
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ (std::vector<juce::uint8> (dump.begin() + 3458 + 3 * n, dump.begin() + 3461 + 3 * n),
                   (std::vector<juce::uint8>{0x04, 0x00, (juce::uint8)n}));
    EXPECT_EQ (dump.back(), 0xF7);

    // The transport's fixed bytes are kept as shipped, although the program writes them as 0.
    const int transport = 8 + 9;
    EXPECT_EQ (std::vector<juce::uint8> (dump.begin() + transport + 7, dump.begin() + transport + 12),
               (std::vector<juce::uint8>{0x00, 0x02, 0x00, 0x00, 0x00}));
}

TEST (FactoryPreset, NameTransportAndSequencer)
{
    auto preset = loadedFactoryPreset();
    ASSERT_NE (preset, nullptr);
    EXPECT_EQ (preset->getName(), "Generic ");

    auto transport = preset->getTransport();
    EXPECT_EQ (transport->getParameterInt (Transport::bpm), 130);
    EXPECT_EQ (transport->getParameterInt (Transport::timeDivisionToggle), 1);
    EXPECT_EQ (transport->getParameterInt (Transport::timeDivision), 4);
    EXPECT_EQ (transport->getParameterInt (Transport::repeatToggle), 1);
    EXPECT_EQ (transport->getParameterInt (Transport::gate), 50);
    EXPECT_EQ (transport->getParameterInt (Transport::swing), 50);
    EXPECT_EQ (transport->getParameterInt (Transport::transportType), 3);

    auto sequencer = preset->getSequencer();
    EXPECT_EQ (sequencer->getParameterInt (Sequencer::sequenceLength), 15);
    EXPECT_EQ (sequencer->getParameterInt (Sequencer::sequenceStartType), 0);
    for (int t = 0; t < 64; ++t)
        for (auto step : sequencer->getTrack (t)->toBytes())
            ASSERT_EQ (step, 0) << "track " << t;
}

TEST (FactoryPreset, PadsPlayRisingNotesInFourColoursPerBank)
{
    auto preset = loadedFactoryPreset();
    ASSERT_NE (preset, nullptr);
    for (int i = 0; i < 64; ++i)
    {
        SCOPED_TRACE (i);
        auto pad = preset->getPad (i);
        const int bank = i / 16, row = (i % 16) / 4;
        EXPECT_EQ (pad->getParameterInt (Pad::midiNote), 36 + i);
        EXPECT_EQ (pad->getParameterInt (Pad::colorOff), 1 + bank + 4 * row);
        EXPECT_EQ (pad->getParameterInt (Pad::colorOn), 1 + bank + 4 * ((row + 1) % 4));
        EXPECT_EQ (pad->getParameterInt (Pad::aftertouchType), 1);
        for (auto name : {Pad::parameterType, Pad::midiChannel, Pad::noteToggleMode, Pad::programNumber,
                          Pad::programMsb, Pad::programLsb, Pad::toMidiDin})
            EXPECT_EQ (pad->getParameterInt (name), 0) << name;
    }
}

TEST (FactoryPreset, KnobsFadersAndSwitchesFollowTheirControllerRows)
{
    auto preset = loadedFactoryPreset();
    ASSERT_NE (preset, nullptr);
    for (int i = 0; i < 24; ++i)
    {
        SCOPED_TRACE (i);
        auto knob = preset->getKnob (i);
        EXPECT_EQ (knob->getParameterInt (Knob::ccNumber), knobCC[i]);
        EXPECT_EQ (knob->getParameterInt (Knob::maxValue), 127);
        EXPECT_EQ (knob->getParameterInt (Knob::nrpnMsb), 127);
        EXPECT_EQ (knob->getParameterInt (Knob::nrpnLsb), 127);
        EXPECT_EQ (knob->getParameterInt (Knob::nrpnValue), 1);
        EXPECT_EQ (knob->getParameterInt (Knob::toMidiDin), 0);
        EXPECT_EQ (knob->getParameterInt (Knob::parameterType) + knob->getParameterInt (Knob::midiChannel) +
                       knob->getParameterInt (Knob::minValue),
                   0);

        auto fader = preset->getFader (i);
        EXPECT_EQ (fader->getParameterInt (Fader::ccNumber), faderCC[i]);
        EXPECT_EQ (fader->getParameterInt (Fader::maxValue), 127);
        EXPECT_EQ (fader->getParameterInt (Fader::parameterType) +
                       fader->getParameterInt (Fader::midiChannel) +
                       fader->getParameterInt (Fader::minValue) + fader->getParameterInt (Fader::toMidiDin),
                   0);

        auto sw = preset->getSwitch (i);
        EXPECT_EQ (sw->getParameterInt (Switch::midiCc), switchCC[i]);
        EXPECT_EQ (sw->getParameterInt (Switch::switchMode), i < 16 ? 1 : 0);
        EXPECT_EQ (sw->getParameterInt (Switch::parameterType), i == 23 ? 1 : 0);
        EXPECT_EQ (sw->getParameterInt (Switch::noteVelocity), 127);
        EXPECT_EQ (sw->getParameterInt (Switch::key1), 0x31);
        for (auto name : {Switch::midiChannel, Switch::programNumber, Switch::programMsb, Switch::programLsb,
                          Switch::toMidiDin, Switch::midiNote, Switch::key2})
            EXPECT_EQ (sw->getParameterInt (name), 0) << name;
    }
}
