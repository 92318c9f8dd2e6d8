#include "LcdPanelTestSupport.h"

#include "editor/lcd/CommonParametersLCDView.h"
#include "model/VexoBEditorPreset.h"

using lcd_test::choose;
using lcd_test::typeInto;
using testing_support::pumpMessages;

namespace
{
struct CommonPanel : ::testing::Test
{
    template <typename FieldType>
    FieldType& field (const juce::String& name)
    {
        for (auto* child : panel->getChildren())
            if (child->getName() == name)
                if (auto* typed = dynamic_cast<FieldType*> (child))
                    return *typed;

        ADD_FAILURE() << "no field " << name;
        throw std::runtime_error ("missing field");
    }

    int transportValue (const char* parameter) const
    {
        return (int)preset->getTransport()->getParameterValue (parameter).getValue();
    }

    juce::TextEditor& nameEditor() { return field<juce::TextEditor> ("PRESET"); }

    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    CommonParametersLCDView::Ptr panel = new CommonParametersLCDView (preset, preset->getTransport());
};
} // namespace

TEST_F (CommonPanel, FieldsAndCaptionsStandWhereTheEditorPutsThem)
{
    panel->setBounds (600, 95, 300, 100);

    const struct
    {
        const char* name;
        juce::Rectangle<int> editor;
        juce::Rectangle<int> caption;
    } expected[] = {
        {"PRESET", {50, 0, nameEditor().getWidth(), 20}, {0, 0, 60, 20}},
        {"TEMPO", {50, 20, 35, 20}, {0, 20, 52, 20}},
        {"SWING", {50, 40, 35, 20}, {0, 40, 52, 20}},
        {"GATE", {50, 60, 35, 20}, {0, 60, 52, 20}},
        {"TIME DIVISION", {100, 80, 100, 20}, {0, 80, 100, 20}},
        {"NOTE REPEAT SWITCH", {208, 20, 85, 20}, {80, 20, 130, 20}},
        {"TIME DIV SWITCH", {208, 40, 85, 20}, {80, 40, 130, 20}},
        {"TRANSPORT TYPE", {208, 60, 85, 20}, {80, 60, 110, 20}},
    };

    ASSERT_EQ (panel->getNumCaptions(), 8);
    for (int i = 0; i < 8; ++i)
    {
        auto& e = expected[i];
        EXPECT_EQ (field<juce::Component> (e.name).getBounds(), e.editor) << e.name;
        auto* caption = panel->getCaption (i);
        EXPECT_EQ (caption->getBounds(), e.caption) << e.name;
        EXPECT_EQ (caption->getText(), juce::String (e.name) + ":");
        EXPECT_EQ (caption->findColour (juce::Label::textColourId), juce::Colours::white);
    }
}

TEST_F (CommonPanel, EveryFieldShowsThePresetAndFollowsItsChanges)
{
    auto transport = preset->getTransport();
    EXPECT_EQ (nameEditor().getText(), "Preset");
    EXPECT_EQ (field<NumberBox> ("TEMPO").getValue(), 30);
    EXPECT_EQ (field<NumberBox> ("SWING").getValue(), 50);
    EXPECT_EQ (field<NumberBox> ("GATE").getValue(), 1);
    EXPECT_EQ (field<juce::ComboBox> ("TIME DIVISION").getText(), "1/4");

    using P = VexoTransport::Param;
    transport->setParameterValue (P::bpm, 120);
    transport->setParameterValue (P::timeDivision, 3);
    transport->setParameterValue (P::transportType, 4);
    transport->setParameterValue (P::repeatToggle, 1);
    transport->setParameterValue (P::timeDivisionToggle, 1);
    transport->setParameterValue (P::gate, 99);
    transport->setParameterValue (P::swing, 75);
    preset->setName ("Loaded");
    pumpMessages (30);

    EXPECT_EQ (field<NumberBox> ("TEMPO").getText(), "120");
    EXPECT_EQ (field<juce::ComboBox> ("TIME DIVISION").getText(), "1/8 TRIPLET");
    EXPECT_EQ (field<juce::ComboBox> ("TRANSPORT TYPE").getText(), "PTEX");
    EXPECT_EQ (field<juce::ComboBox> ("NOTE REPEAT SWITCH").getText(), "TOGGLE");
    EXPECT_EQ (field<juce::ComboBox> ("TIME DIV SWITCH").getText(), "TOGGLE");
    EXPECT_EQ (field<NumberBox> ("GATE").getValue(), 99);
    EXPECT_EQ (field<NumberBox> ("SWING").getValue(), 75);
    EXPECT_EQ (nameEditor().getText(), "Loaded");
}

TEST_F (CommonPanel, EditsGoIntoTheTransportWithinTheirRanges)
{
    using P = VexoTransport::Param;
    preset->getTransport()->setParameterValue (P::bpm, 120);
    pumpMessages (30);

    typeInto (field<NumberBox> ("TEMPO"), "301");
    EXPECT_EQ (transportValue (P::bpm), 120);
    EXPECT_EQ (field<NumberBox> ("TEMPO").getText(), "120");
    typeInto (field<NumberBox> ("TEMPO"), "300");
    EXPECT_EQ (transportValue (P::bpm), 300);
    typeInto (field<NumberBox> ("SWING"), "49");
    EXPECT_EQ (transportValue (P::swing), 50);
    typeInto (field<NumberBox> ("GATE"), "0");
    EXPECT_EQ (transportValue (P::gate), 1);

    choose (field<juce::ComboBox> ("TIME DIVISION"), "1/32 TRIPLET");
    EXPECT_EQ (transportValue (P::timeDivision), 7);
    choose (field<juce::ComboBox> ("NOTE REPEAT SWITCH"), "TOGGLE");
    EXPECT_EQ (transportValue (P::repeatToggle), 1);
    choose (field<juce::ComboBox> ("TIME DIV SWITCH"), "TOGGLE");
    EXPECT_EQ (transportValue (P::timeDivisionToggle), 1);
    choose (field<juce::ComboBox> ("TRANSPORT TYPE"), "MMC MIDI");
    EXPECT_EQ (transportValue (P::transportType), 1);

    // Nothing chosen writes nothing.
    for (auto name : {"TIME DIVISION", "NOTE REPEAT SWITCH", "TIME DIV SWITCH", "TRANSPORT TYPE"})
        field<juce::ComboBox> (name).setSelectedId (0, juce::sendNotificationSync);
    pumpMessages (30);
    EXPECT_EQ (transportValue (P::timeDivision), 7);
    EXPECT_EQ (transportValue (P::repeatToggle), 1);
    EXPECT_EQ (transportValue (P::timeDivisionToggle), 1);
    EXPECT_EQ (transportValue (P::transportType), 1);
}

// The name follows every keystroke; a ninth character and characters beyond the 7-bit set never
// get in, whether typed or pasted.
TEST_F (CommonPanel, TheNameFollowsEveryKeystrokeAndKeepsToEightCharacters)
{
    auto& editor = nameEditor();
    editor.selectAll();
    const juce::String typed = "ABCDEFGHI";

    for (int i = 0; i < typed.length(); ++i)
    {
        editor.insertTextAtCaret (typed.substring (i, i + 1));
        EXPECT_EQ (preset->getName(), typed.substring (0, juce::jmin (i + 1, 8)));
    }

    pumpMessages (30);
    EXPECT_EQ (preset->getName(), "ABCDEFGH");
    EXPECT_EQ (editor.getText(), "ABCDEFGH");

    editor.selectAll();
    editor.insertTextAtCaret (juce::CharPointer_UTF8 ("Caf\xc3\xa9 Bar Club"));
    pumpMessages (30);
    EXPECT_EQ (preset->getName(), "Caf Bar ");
    EXPECT_EQ (editor.getText(), preset->getName());

    for (auto* whole : {"MYTESTNA", "WWWWWWWW", "@@@@@@@@"}) // every name whole, the widest too
    {
        ASSERT_TRUE (preset->setName (whole));
        pumpMessages (30);
        EXPECT_LE (editor.getTextWidth(), editor.getWidth() - editor.getBorder().getLeftAndRight()) << whole;
    }
}

// A name the preset refuses, put into the editor by any road past its input filter, never stays
// in the preset, and editor and preset end up showing the same valid name.
TEST_F (CommonPanel, ANameThePresetWouldRefuseNeverStaysAndEditorAndPresetAgree)
{
    auto& editor = nameEditor();

    editor.setText ("MuchTooLongName");
    pumpMessages (50);
    EXPECT_EQ (preset->getName(), "MuchTooL");
    EXPECT_EQ (editor.getText(), "MuchTooL");

    editor.setText (juce::CharPointer_UTF8 ("\xc3\xa9t\xc3\xa9"), false);
    pumpMessages (50);
    EXPECT_EQ (preset->getName(), "t");
    EXPECT_EQ (editor.getText(), "t");
    EXPECT_TRUE (VexoEditorPreset::validateNameBytes (preset->nameToBytes()));
}

// A name that reaches the preset (a preset loaded into it) while the editor's report of an earlier
// keystroke still waits on the message loop stays: the older text does not overwrite it.
TEST_F (CommonPanel, ANameArrivingWhileAKeystrokeIsStillReportedIsNotUndone)
{
    auto& editor = nameEditor();
    pumpMessages (30);
    editor.selectAll();
    editor.insertTextAtCaret ("X");
    EXPECT_EQ (preset->getName(), "X");
    preset->setName ("Loaded");
    pumpMessages (50);
    EXPECT_EQ (preset->getName(), "Loaded");
    EXPECT_EQ (editor.getText(), "Loaded");
}

TEST_F (CommonPanel, ThePanelLetsGoOfThePresetWhenItGoes)
{
    const auto held = preset->getReferenceCount();
    panel = nullptr;
    EXPECT_LT (preset->getReferenceCount(), held);

    preset->setName ("After");
    preset->getTransport()->setParameterValue (VexoTransport::Param::timeDivision, 2);
    pumpMessages (30);
    EXPECT_EQ (preset->getName(), "After");
}
