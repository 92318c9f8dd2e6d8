#include "EngineTestSupport.h"

#include "engine/FactoryPreset.h"
#include "model/VexoBEditorPreset.h"

// The factory preset is checked against the rules it was made from, not against a copy of its bytes.
namespace
{
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
    EXPECT_EQ (transport->getParameterInt ("BPM"), 130);
    EXPECT_EQ (transport->getParameterInt ("TIME DIVISION TOGGLE"), 1);
    EXPECT_EQ (transport->getParameterInt ("TIME DIVISION"), 4);
    EXPECT_EQ (transport->getParameterInt ("REPEAT TOGGLE"), 1);
    EXPECT_EQ (transport->getParameterInt ("GATE"), 50);
    EXPECT_EQ (transport->getParameterInt ("SWING"), 50);
    EXPECT_EQ (transport->getParameterInt ("TRANSPORT TYPE"), 3);

    auto sequencer = preset->getSequencer();
    EXPECT_EQ (sequencer->getParameterInt ("Sequence Length"), 15);
    EXPECT_EQ (sequencer->getParameterInt ("Sequence StartType"), 0);
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
        EXPECT_EQ (pad->getParameterInt ("MIDI Note"), 36 + i);
        EXPECT_EQ (pad->getParameterInt ("Color Off"), 1 + bank + 4 * row);
        EXPECT_EQ (pad->getParameterInt ("Color On"), 1 + bank + 4 * ((row + 1) % 4));
        EXPECT_EQ (pad->getParameterInt ("Aftertouch Type"), 1);
        for (auto name : {"Parameter Type", "MIDI Channel", "Note Toggle Mode", "Program Number",
                          "Program MSB", "Program LSB", "To MIDI Din"})
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
        EXPECT_EQ (knob->getParameterInt ("CC Number"), knobCC[i]);
        EXPECT_EQ (knob->getParameterInt ("Max Value"), 127);
        EXPECT_EQ (knob->getParameterInt ("NRPN MSB"), 127);
        EXPECT_EQ (knob->getParameterInt ("NRPN LSB"), 127);
        EXPECT_EQ (knob->getParameterInt ("NRPN Value"), 1);
        EXPECT_EQ (knob->getParameterInt ("To MIDI DIN"), 0);
        EXPECT_EQ (knob->getParameterInt ("Parameter Type") + knob->getParameterInt ("MIDI Channel") +
                       knob->getParameterInt ("Min Value"),
                   0);

        auto fader = preset->getFader (i);
        EXPECT_EQ (fader->getParameterInt ("CC Number"), faderCC[i]);
        EXPECT_EQ (fader->getParameterInt ("Max Value"), 127);
        EXPECT_EQ (fader->getParameterInt ("Parameter Type") + fader->getParameterInt ("MIDI Channel") +
                       fader->getParameterInt ("Min Value") + fader->getParameterInt ("To MIDI DIN"),
                   0);

        auto sw = preset->getSwitch (i);
        EXPECT_EQ (sw->getParameterInt ("MIDI CC"), switchCC[i]);
        EXPECT_EQ (sw->getParameterInt ("Switch Mode"), i < 16 ? 1 : 0);
        EXPECT_EQ (sw->getParameterInt ("Parameter Type"), i == 23 ? 1 : 0);
        EXPECT_EQ (sw->getParameterInt ("Note Velocity"), 127);
        EXPECT_EQ (sw->getParameterInt ("Key 1"), 0x31);
        for (auto name : {"MIDI Channel", "Program Number", "Program MSB", "Program LSB", "To Midi Din",
                          "MIDI Note", "Key 2"})
            EXPECT_EQ (sw->getParameterInt (name), 0) << name;
    }
}
