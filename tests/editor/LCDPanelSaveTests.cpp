#include "LcdPanelTestSupport.h"

#include "editor/lcd/CommonParametersLCDView.h"
#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"
#include "model/VexoBEditorPreset.h"
#include "support/FakeApplicationServices.h"

#include <map>

using lcd_test::choose;
using lcd_test::shownField;
using lcd_test::typeInto;
using Bytes = std::vector<juce::uint8>;

// A preset edited only through the panels, as a user clicks and types, and saved: every byte of
// the file is what the file layout says it must be. The expected bytes are written out here from
// that layout, record by record, without asking the model.

namespace
{
struct SaveRecorder : VexoEditorEngine::Listener
{
    void sendPresetResult (EditorPreset::Ptr, int) override {}
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int result) override { saves.push_back (result); }
    std::vector<int> saves;
};

// A field and what to put into it: an item of a combo box, or a number typed into a number box.
struct Edit
{
    const char* field;
    juce::String entry;
};

// Clicks the control: its panel replaces the one shown, at the editor's place for it. The type
// is chosen first, then every field of its page is edited.
void editThroughPanel (juce::Component& editor, LCDView::Ptr& shown, LCDView::Ptr panel,
                       const juce::String& type, const std::vector<Edit>& edits)
{
    if (shown != nullptr)
        editor.removeChildComponent (shown.get());
    shown = panel;
    editor.addAndMakeVisible (*shown);
    shown->setBounds (75, 95, 490, 100);

    choose (shownField<juce::ComboBox> (*shown, "TYPE"), type);

    for (auto& edit : edits)
    {
        SCOPED_TRACE (shown->getTitleLabel().getText() + " " + edit.field);
        auto* page = shown->getShownTypeView();
        ASSERT_NE (page, nullptr);

        if (auto* box = dynamic_cast<NumberBox*> (&shownField<juce::Component> (*shown, edit.field)))
            typeInto (*box, edit.entry);
        else
            choose (shownField<juce::ComboBox> (*shown, edit.field), edit.entry);
    }
}

Bytes fileBytes (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    auto* begin = static_cast<const juce::uint8*> (data.getData());
    return Bytes (begin, begin + data.getSize());
}

std::string differences (const Bytes& actual, const Bytes& expected)
{
    std::string report;
    int shown = 0;

    if (actual.size() != expected.size())
        report += "size " + std::to_string (actual.size()) + " instead of " +
                  std::to_string (expected.size()) + "\n";

    for (size_t i = 0; i < std::min (actual.size(), expected.size()) && shown < 20; ++i)
    {
        if (actual[i] != expected[i])
        {
            report += "offset " + std::to_string (i) + ": " + std::to_string (actual[i]) + " instead of " +
                      std::to_string (expected[i]) + "\n";
            ++shown;
        }
    }

    return report;
}
} // namespace

TEST (LCDPanelSave, APresetEditedOnlyThroughThePanelsIsSavedByteForByte)
{
    FakeApplicationServices services;
    auto& engine = services.getVexoBEngine();
    VexoBEditorPreset::Ptr preset = dynamic_cast<VexoBEditorPreset*> (engine.createPreset().get());
    ASSERT_NE (preset, nullptr);

    juce::Component editor;
    editor.setSize (1176, 721);

    // The common parameters.
    CommonParametersLCDView::Ptr common = new CommonParametersLCDView (preset, preset->getTransport());
    editor.addAndMakeVisible (*common);
    common->setBounds (600, 95, 300, 100);
    {
        juce::TextEditor* name = nullptr;
        for (auto* child : common->getChildren())
            if (child->getName() == "PRESET")
                name = dynamic_cast<juce::TextEditor*> (child);
        ASSERT_NE (name, nullptr);
        name->selectAll();
        for (auto character : juce::String ("LCD Test"))
            name->insertTextAtCaret (juce::String::charToString (character));

        auto fieldOf = [&] (const juce::String& n) -> juce::Component&
        {
            for (auto* child : common->getChildren())
                if (child->getName() == n)
                    return *child;
            throw std::runtime_error ("missing field");
        };
        typeInto (dynamic_cast<NumberBox&> (fieldOf ("TEMPO")), "145");
        typeInto (dynamic_cast<NumberBox&> (fieldOf ("SWING")), "61");
        typeInto (dynamic_cast<NumberBox&> (fieldOf ("GATE")), "77");
        choose (dynamic_cast<juce::ComboBox&> (fieldOf ("TIME DIVISION")), "1/32 TRIPLET");
        choose (dynamic_cast<juce::ComboBox&> (fieldOf ("NOTE REPEAT SWITCH")), "TOGGLE");
        choose (dynamic_cast<juce::ComboBox&> (fieldOf ("TIME DIV SWITCH")), "TOGGLE");
        choose (dynamic_cast<juce::ComboBox&> (fieldOf ("TRANSPORT TYPE")), "PTEX");
    }

    LCDView::Ptr shown;

    // Pads: one of each type, in three banks.
    editThroughPanel (editor, shown, new PadLCDView (preset->getPad (0), "Pad 1"), "NOTE",
                      {{"MIDI CHANNEL", "B1"},
                       {"MIDI NOTE", "60"},
                       {"AFTERTOUCH", "POLY"},
                       {"TRIGGER MODE", "TOGGLE"},
                       {"MIDI TO DIN", "ON"},
                       {"ON COLOR", "GREY"},
                       {"OFF COLOR", "RED"}});
    editThroughPanel (editor, shown, new PadLCDView (preset->getPad (17), "Pad 18"), "PROGRAM",
                      {{"MIDI CHANNEL", "A16"},
                       {"PROGRAM NUMBER", "99"},
                       {"MIDI TO DIN", "ON"},
                       {"ON COLOR", "BLUE"},
                       {"OFF COLOR", "AQUA"}});
    editThroughPanel (editor, shown, new PadLCDView (preset->getPad (63), "Pad 64"), "PROGRAM BANK",
                      {{"MIDI CHANNEL", "B16"},
                       {"PROGRAM NUMBER", "5"},
                       {"PROGRAM MSB", "6"},
                       {"PROGRAM LSB", "7"},
                       {"MIDI TO DIN", "ON"},
                       {"ON COLOR", "LIGHT PINK"},
                       {"OFF COLOR", "PINK"}});

    // Knobs: one of each type.
    editThroughPanel (
        editor, shown, new KnobLCDView (preset->getKnob (0), "Knob 1"), "CC",
        {{"MIDI CHANNEL", "A1"}, {"MIDI CC", "74"}, {"MIN", "10"}, {"MAX", "100"}, {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new KnobLCDView (preset->getKnob (9), "Knob 10"), "AFTERTOUCH",
                      {{"MIDI CHANNEL", "A2"}, {"MIN", "3"}, {"MAX", "120"}, {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new KnobLCDView (preset->getKnob (16), "Knob 17"), "INC/DEC 1",
                      {{"MIDI CHANNEL", "B3"},
                       {"NRPN MSB", "12"},
                       {"NRPN LSB", "34"},
                       {"VALUE", "56"},
                       {"MIDI TO DIN", "ON"},
                       {"MIDI TO DIN", "OFF"}});
    editThroughPanel (editor, shown, new KnobLCDView (preset->getKnob (23), "Knob 24"), "INC/DEC 2",
                      {{"MIDI CHANNEL", "B16"}, {"MIDI CC", "127"}, {"MIDI TO DIN", "ON"}});

    // Faders: both types.
    editThroughPanel (
        editor, shown, new FaderLCDView (preset->getFader (0), "Fader 1"), "CC",
        {{"MIDI CHANNEL", "A5"}, {"MIDI CC", "7"}, {"MIN", "1"}, {"MAX", "126"}, {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new FaderLCDView (preset->getFader (23), "Fader 24"), "AFTERTOUCH",
                      {{"MIDI CHANNEL", "B8"}, {"MIN", "20"}, {"MAX", "90"}, {"MIDI TO DIN", "ON"}});

    // Switches: one of each type.
    editThroughPanel (
        editor, shown, new SwitchLCDView (preset->getSwitch (0), "Switch 1"), "CC",
        {{"MIDI CHANNEL", "A3"}, {"MIDI CC", "64"}, {"TRIGGER MODE", "TOGGLE"}, {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new SwitchLCDView (preset->getSwitch (5), "Switch 6"), "NOTE",
                      {{"MIDI CHANNEL", "A10"},
                       {"TRIGGER MODE", "TOGGLE"},
                       {"MIDI NOTE", "48"},
                       {"VELOCITY", "100"},
                       {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new SwitchLCDView (preset->getSwitch (10), "Switch 11"), "PROGRAM",
                      {{"MIDI CHANNEL", "B2"}, {"PROGRAM NUMBER", "42"}, {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new SwitchLCDView (preset->getSwitch (15), "Switch 16"), "PROGRAM BANK",
                      {{"MIDI CHANNEL", "B9"},
                       {"PROGRAM NUMBER", "1"},
                       {"PROGRAM MSB", "2"},
                       {"PROGRAM LSB", "3"},
                       {"MIDI TO DIN", "ON"}});
    editThroughPanel (editor, shown, new SwitchLCDView (preset->getSwitch (20), "Switch 21"), "KEY STROKE",
                      {{"KEY 1", "F1"}, {"KEY 2", "CTRL + SHIFT"}});

    // Save, as the File menu does.
    SaveRecorder recorder;
    engine.addListener (&recorder);
    auto file = juce::File::createTempFile (".vexob");
    engine.savePresetFile (file, preset.get());
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return !recorder.saves.empty(); }));
    engine.removeListener (&recorder);
    EXPECT_EQ (recorder.saves.front(), VexoEditorEngine::saveWritten);
    const auto written = fileBytes (file);
    file.deleteFile();

    // What the file must hold: the dump frame with slot 0, then the preset block.
    Bytes expected{0xF0, 0x7D, 0x00, 0x36, 0x10, 0x1B, 0x13, 0x00};
    for (auto c : std::string ("LCD Test"))
        expected.push_back ((juce::uint8)c);
    expected.push_back (0x00);

    // Transport: tempo high and low 7 bits, time-division switch, time division, repeat switch,
    // gate, swing, five zeros, transport type.
    expected.insert (expected.end(), {145 / 128, 145 % 128, 1, 7, 1, 77, 61, 0, 0, 0, 0, 0, 4});

    // Pad: type, channel, note, to DIN, trigger mode, aftertouch, program, MSB, LSB, off colour, on colour.
    const std::map<int, Bytes> pads{{0, {0, 17, 60, 1, 1, 2, 0, 0, 0, 1, 16}},
                                    {17, {1, 16, 0, 1, 0, 0, 99, 0, 0, 7, 9}},
                                    {63, {2, 32, 0, 1, 0, 0, 5, 6, 7, 11, 15}}};
    for (int i = 0; i < 64; ++i)
    {
        auto found = pads.find (i);
        auto record = found != pads.end() ? found->second : Bytes (11, 0);
        expected.insert (expected.end(), record.begin(), record.end());
    }

    // Knob: type, channel, CC, min, max, to DIN, NRPN MSB, NRPN LSB, NRPN value.
    const std::map<int, Bytes> knobs{{0, {0, 1, 74, 10, 100, 1, 0, 0, 0}},
                                     {9, {1, 2, 0, 3, 120, 1, 0, 0, 0}},
                                     {16, {2, 19, 0, 0, 0, 0, 12, 34, 56}},
                                     {23, {3, 32, 127, 0, 0, 1, 0, 0, 0}}};
    for (int i = 0; i < 24; ++i)
    {
        auto found = knobs.find (i);
        auto record = found != knobs.end() ? found->second : Bytes (9, 0);
        expected.insert (expected.end(), record.begin(), record.end());
    }

    // Fader: type, channel, CC, min, max, to DIN.
    const std::map<int, Bytes> faders{{0, {0, 5, 7, 1, 126, 1}}, {23, {1, 24, 0, 20, 90, 1}}};
    for (int i = 0; i < 24; ++i)
    {
        auto found = faders.find (i);
        auto record = found != faders.end() ? found->second : Bytes (6, 0);
        expected.insert (expected.end(), record.begin(), record.end());
    }

    // Switch: type, channel, CC, mode, program, MSB, LSB, to DIN, note, velocity, 0, key 1, key 2.
    const std::map<int, Bytes> switches{{0, {0, 3, 64, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
                                        {5, {1, 10, 0, 1, 0, 0, 0, 1, 48, 100, 0, 0, 0}},
                                        {10, {2, 18, 0, 0, 42, 0, 0, 1, 0, 0, 0, 0, 0}},
                                        {15, {3, 25, 0, 0, 1, 2, 3, 1, 0, 0, 0, 0, 0}},
                                        {20, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 36, 5}}};
    for (int i = 0; i < 24; ++i)
    {
        auto found = switches.find (i);
        auto record = found != switches.end() ? found->second : Bytes (13, 0);
        expected.insert (expected.end(), record.begin(), record.end());
    }

    // The sequence, untouched: length 32 steps, then 64 empty tracks.
    expected.insert (expected.end(), {0x1F, 0x00, 0x00, 0x00});
    expected.insert (expected.end(), 64 * 32, 0x00);

    for (juce::uint8 n = 0; n < 8; ++n)
        expected.insert (expected.end(), {0x04, 0x00, n});
    expected.push_back (0xF7);

    ASSERT_EQ (expected.size(), 3483u);
    EXPECT_TRUE (written == expected) << differences (written, expected);

    if (shown != nullptr)
        editor.removeChildComponent (shown.get());
}
