#include "LcdPanelTestSupport.h"

#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"

#include <functional>
#include <map>

using lcd_test::anyField;
using lcd_test::choose;
using lcd_test::Columns;
using lcd_test::columnsOf;
using lcd_test::shownField;
using testing_support::pumpMessages;

namespace
{
// One kind of control with its panel: how to make both, and which parameter each combo box edits.
struct Kind
{
    const char* name;
    std::function<MEditorControl::Ptr()> makeControl;
    std::function<LCDView::Ptr (MEditorControl::Ptr)> makePanel;
    std::vector<Columns> pages;                      // by type value
    std::map<juce::String, juce::String> comboBoxes; // field name -> parameter
};

template <typename Control, typename Panel>
Kind kind (const char* name, std::vector<Columns> pages, std::map<juce::String, juce::String> comboBoxes)
{
    return {name, [] { return MEditorControl::Ptr (new Control()); },
            [] (MEditorControl::Ptr control)
            { return LCDView::Ptr (new Panel (dynamic_cast<Control*> (control.get()), "Title")); },
            std::move (pages), std::move (comboBoxes)};
}

std::vector<Kind> allKinds()
{
    return {
        kind<VexoPad, PadLCDView> (
            "pad",
            {
                {{"TYPE", "MIDI CHANNEL", "MIDI NOTE", "AFTERTOUCH"},
                 {"TRIGGER MODE", "MIDI TO DIN", "ON COLOR", "OFF COLOR"}},
                {{"TYPE", "MIDI CHANNEL", "PROGRAM NUMBER", "MIDI TO DIN"}, {"ON COLOR", "OFF COLOR"}},
                {{"TYPE", "MIDI CHANNEL", "PROGRAM NUMBER", "PROGRAM MSB"},
                 {"PROGRAM LSB", "MIDI TO DIN", "ON COLOR", "OFF COLOR"}},
            },
            {{"TYPE", VexoPad::Param::parameterType},
             {"MIDI CHANNEL", VexoPad::Param::midiChannel},
             {"AFTERTOUCH", VexoPad::Param::aftertouchType},
             {"TRIGGER MODE", VexoPad::Param::noteToggleMode},
             {"OFF COLOR", VexoPad::Param::colorOff},
             {"ON COLOR", VexoPad::Param::colorOn},
             {"MIDI TO DIN", VexoPad::Param::toMidiDin}}),
        kind<VexoKnob, KnobLCDView> (
            "knob",
            {
                {{"TYPE", "MIDI CHANNEL", "MIDI CC", ""}, {"MIN", "MAX", "MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "MIN", "MAX"}, {"MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "NRPN MSB", "NRPN LSB"}, {"VALUE", "MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "MIDI CC", "MIDI TO DIN"}, {}},
            },
            {{"TYPE", VexoKnob::Param::parameterType},
             {"MIDI CHANNEL", VexoKnob::Param::midiChannel},
             {"MIDI TO DIN", VexoKnob::Param::toMidiDin}}),
        kind<VexoFader, FaderLCDView> (
            "fader",
            {
                {{"TYPE", "MIDI CHANNEL", "MIDI CC", ""}, {"MIN", "MAX", "MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "MIN", "MAX"}, {"MIDI TO DIN"}},
            },
            {{"TYPE", VexoFader::Param::parameterType},
             {"MIDI CHANNEL", VexoFader::Param::midiChannel},
             {"MIDI TO DIN", VexoFader::Param::toMidiDin}}),
        kind<VexoSwitch, SwitchLCDView> (
            "switch",
            {
                {{"TYPE", "MIDI CHANNEL", "MIDI CC", "TRIGGER MODE"}, {"MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "TRIGGER MODE", "MIDI NOTE"}, {"VELOCITY", "MIDI TO DIN"}},
                {{"TYPE", "MIDI CHANNEL", "PROGRAM NUMBER", "MIDI TO DIN"}, {}},
                {{"TYPE", "MIDI CHANNEL", "PROGRAM NUMBER", "PROGRAM MSB"}, {"PROGRAM LSB", "MIDI TO DIN"}},
                {{"TYPE", "KEY 1", "KEY 2"}, {}},
            },
            {{"TYPE", VexoSwitch::Param::parameterType},
             {"MIDI CHANNEL", VexoSwitch::Param::midiChannel},
             {"TRIGGER MODE", VexoSwitch::Param::switchMode},
             {"MIDI TO DIN", VexoSwitch::Param::toMidiDin},
             {"KEY 1", VexoSwitch::Param::key1},
             {"KEY 2", VexoSwitch::Param::key2}}),
    };
}

std::vector<int> recordOf (const MEditorControl& control)
{
    const auto bytes = control.toBytes();
    return {bytes.begin(), bytes.end()};
}

int valueOf (const MEditorControl& control, const juce::String& parameter)
{
    return (int)control.getParameterValue (parameter).getValue();
}

struct ChangeCounter : juce::ComboBox::Listener
{
    void comboBoxChanged (juce::ComboBox*) override { ++calls; }
    int calls = 0;
};
} // namespace

// Each type's page, with its fields in their columns, whether the panel is made on a control of
// that type or the type is chosen in the panel; the shown type is selected in TYPE.
TEST (ControlLCDPanels, EachTypeShowsItsOwnPageWithItsFieldsInTheirColumns)
{
    for (auto& k : allKinds())
    {
        auto shared = k.makeControl();
        auto sharedPanel = k.makePanel (shared);
        ASSERT_EQ (sharedPanel->getNumTypeViews(), (int)k.pages.size()) << k.name;

        for (int type = 0; type < (int)k.pages.size(); ++type)
        {
            SCOPED_TRACE (juce::String (k.name) + " type " + juce::String (type));

            auto control = k.makeControl();
            control->setParameterValue ("Parameter Type", type);
            auto panel = k.makePanel (control);
            ASSERT_EQ (panel->getShownTypeView(), panel->getTypeView (type));
            EXPECT_EQ (columnsOf (*panel->getShownTypeView()), k.pages[(size_t)type]);
            EXPECT_EQ (shownField<juce::ComboBox> (*panel, "TYPE").getSelectedId(), type + 1);

            choose (shownField<juce::ComboBox> (*sharedPanel, "TYPE"),
                    anyField<juce::ComboBox> (*sharedPanel, "TYPE")->getItemText (type));
            EXPECT_EQ (valueOf (*shared, "Parameter Type"), type);
            ASSERT_EQ (sharedPanel->getShownTypeView(), sharedPanel->getTypeView (type));
            EXPECT_EQ (columnsOf (*sharedPanel->getShownTypeView()), k.pages[(size_t)type]);
        }
    }
}

TEST (ControlLCDPanels, CaptionsNameTheirFieldsFollowedByAColonAndABlank)
{
    VexoPad::Ptr pad = new VexoPad();
    PadLCDView panel (pad, "Pad 1");
    EXPECT_EQ (lcd_test::captionOf (panel, "MIDI CHANNEL"), "MIDI CHANNEL: ");
    EXPECT_EQ (lcd_test::captionOf (panel, "OFF COLOR"), "OFF COLOR: ");
    EXPECT_EQ (panel.getTitleLabel().getText(), "Pad 1");
}

// Choosing the second item writes 1 into the parameter; the parameter set to 0 elsewhere selects
// the first item without telling the box's listeners; a box with nothing chosen writes nothing
// (not -1), and TYPE then keeps its page.
TEST (ControlLCDPanels, AChoiceWritesItsIdentifierLessOneAndAModelChangeSelectsQuietly)
{
    for (auto& k : allKinds())
    {
        auto control = k.makeControl();
        auto panel = k.makePanel (control);

        for (auto& [field, parameter] : k.comboBoxes)
        {
            SCOPED_TRACE (juce::String (k.name) + " " + field);
            auto* box = anyField<juce::ComboBox> (*panel, field);
            ASSERT_NE (box, nullptr);

            choose (*box, box->getItemText (1));
            EXPECT_EQ (valueOf (*control, parameter), 1);

            ChangeCounter counter;
            box->addListener (&counter);
            control->setParameterValue (parameter, 0);
            pumpMessages (20);
            EXPECT_EQ (box->getSelectedId(), 1);
            EXPECT_EQ (box->getText(), box->getItemText (0));
            EXPECT_EQ (counter.calls, 0);
            box->removeListener (&counter);

            choose (*box, box->getItemText (1));
            auto* pageBefore = panel->getShownTypeView();
            box->setSelectedId (0, juce::sendNotificationSync);
            pumpMessages (20);
            EXPECT_EQ (valueOf (*control, parameter), 1) << "nothing chosen must write nothing";
            EXPECT_EQ (panel->getShownTypeView(), pageBefore);

            control->setParameterValue (parameter, 0);
            pumpMessages (20);
        }
    }
}

TEST (ControlLCDPanels, PartsOfTheTypicalEditsStoreTheValuesOfTheLists)
{
    VexoSwitch::Ptr control = new VexoSwitch();
    control->setParameterValue (VexoSwitch::Param::parameterType, 4);
    SwitchLCDView panel (control, "Switch 1");
    choose (shownField<juce::ComboBox> (panel, "KEY 1"), "F1");
    choose (shownField<juce::ComboBox> (panel, "KEY 2"), "CTRL + SHIFT");
    EXPECT_EQ (valueOf (*control, VexoSwitch::Param::key1), 36);
    EXPECT_EQ (valueOf (*control, VexoSwitch::Param::key2), 5);

    choose (shownField<juce::ComboBox> (panel, "TYPE"), "NOTE");
    choose (shownField<juce::ComboBox> (panel, "TRIGGER MODE"), "TOGGLE");
    EXPECT_EQ (valueOf (*control, VexoSwitch::Param::switchMode), 1);

    VexoKnob::Ptr knob = new VexoKnob();
    KnobLCDView knobPanel (knob, "Knob 1");
    choose (shownField<juce::ComboBox> (knobPanel, "TYPE"), "INC/DEC 2");
    EXPECT_EQ (valueOf (*knob, VexoKnob::Param::parameterType), 3);
    EXPECT_EQ (knobPanel.getShownTypeView(), knobPanel.getTypeView (3));

    VexoFader::Ptr fader = new VexoFader();
    FaderLCDView faderPanel (fader, "Fader 1");
    choose (shownField<juce::ComboBox> (faderPanel, "MIDI TO DIN"), "ON");
    EXPECT_EQ (fader->toBytes()[5], 1) << "the sixth byte of the fader's record";

    VexoPad::Ptr pad = new VexoPad();
    pad->setParameterValue (VexoPad::Param::midiChannel, 17);
    PadLCDView padPanel (pad, "Pad 1");
    EXPECT_EQ (shownField<juce::ComboBox> (padPanel, "MIDI CHANNEL").getText(), "B1");
}

// Values that the model admits beyond a list come from files and from the device. They show an
// empty box, keep the page that was shown, and are left as they are.
TEST (ControlLCDPanels, AValueBeyondItsListShowsNothingAndIsNotRewritten)
{
    struct Case
    {
        const char* kind;
        const char* field;
        const char* parameter;
        int value;
    };
    const Case cases[] = {
        {"pad", "ON COLOR", VexoPad::Param::colorOn, 17},
        {"pad", "OFF COLOR", VexoPad::Param::colorOff, 17},
        {"pad", "TYPE", VexoPad::Param::parameterType, 3},
        {"pad", "TYPE", VexoPad::Param::parameterType, 5},
        {"pad", "TYPE", VexoPad::Param::parameterType, 127},
        {"pad", "TRIGGER MODE", VexoPad::Param::noteToggleMode, 2},
        {"pad", "TRIGGER MODE", VexoPad::Param::noteToggleMode, 127},
        {"pad", "MIDI CHANNEL", VexoPad::Param::midiChannel, 33},
        {"pad", "MIDI CHANNEL", VexoPad::Param::midiChannel, 127},
        {"pad", "AFTERTOUCH", VexoPad::Param::aftertouchType, 3},
        {"fader", "TYPE", VexoFader::Param::parameterType, 2},
        {"switch", "KEY 1", VexoSwitch::Param::key1, 82},
        {"switch", "KEY 2", VexoSwitch::Param::key2, 14},
        {"switch", "TRIGGER MODE", VexoSwitch::Param::switchMode, 2},
    };

    auto kinds = allKinds();

    for (auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.kind) + " " + c.field + " " + juce::String (c.value));
        auto& k = *std::find_if (kinds.begin(), kinds.end(),
                                 [&] (auto& each) { return juce::String (each.name) == c.kind; });

        // Arriving while the panel is shown.
        {
            auto control = k.makeControl();
            control->setParameterValue ("Parameter Type", 1);
            auto panel = k.makePanel (control);
            auto* pageBefore = panel->getShownTypeView();
            auto* box = anyField<juce::ComboBox> (*panel, c.field);
            ASSERT_NE (box, nullptr);
            ChangeCounter counter;
            box->addListener (&counter);

            control->setParameterValue (c.parameter, c.value);
            ASSERT_EQ (valueOf (*control, c.parameter), c.value) << "the model admits it";
            pumpMessages (30);

            EXPECT_EQ (box->getSelectedId(), 0);
            EXPECT_TRUE (box->getText().isEmpty());
            EXPECT_EQ (counter.calls, 0);
            EXPECT_EQ (panel->getShownTypeView(), pageBefore);
            EXPECT_EQ (valueOf (*control, c.parameter), c.value);
            box->removeListener (&counter);
        }

        // Already there when the panel is made: no page at all for an unknown type.
        {
            auto control = k.makeControl();
            control->setParameterValue (c.parameter, c.value);
            const auto before = recordOf (*control);
            auto panel = k.makePanel (control);
            pumpMessages (30);
            auto* box = anyField<juce::ComboBox> (*panel, c.field);
            EXPECT_EQ (box->getSelectedId(), 0);
            EXPECT_TRUE (box->getText().isEmpty());
            EXPECT_EQ (recordOf (*control), before);

            if (juce::String (c.field) == "TYPE")
                EXPECT_EQ (panel->getShownTypeView(), nullptr);
            else
                EXPECT_EQ (panel->getShownTypeView(), panel->getTypeView (0));
        }
    }
}

// The panel keeps the control alive and lets it go: edits after the panel has gone go nowhere.
TEST (ControlLCDPanels, APanelHoldsItsControlAndLetsGoOfItWhenItGoes)
{
    VexoKnob::Ptr knob = new VexoKnob();
    auto* panel = new KnobLCDView (knob, "Knob 1");
    LCDView::Ptr held (panel);
    EXPECT_GT (knob->getReferenceCount(), 1);

    held = nullptr;
    EXPECT_EQ (knob->getReferenceCount(), 1);

    knob->setParameterValue (VexoKnob::Param::parameterType, 2);
    knob->setParameterValue (VexoKnob::Param::midiChannel, 4);
    pumpMessages (30);
    EXPECT_EQ (valueOf (*knob, VexoKnob::Param::parameterType), 2);
}

// The number boxes share the parameter's value: an entry reaches it, an entry out of range does not,
// and a change of the parameter shows at once.
TEST (ControlLCDPanels, NumberFieldsEditTheirParameterWithinItsRange)
{
    VexoSwitch::Ptr control = new VexoSwitch();
    control->setParameterValue (VexoSwitch::Param::parameterType, 1);
    SwitchLCDView panel (control, "Switch 3");

    auto& velocity = shownField<NumberBox> (panel, "VELOCITY");
    lcd_test::typeInto (velocity, "100");
    EXPECT_EQ (valueOf (*control, VexoSwitch::Param::noteVelocity), 100);

    lcd_test::typeInto (velocity, "200");
    EXPECT_EQ (valueOf (*control, VexoSwitch::Param::noteVelocity), 100);
    EXPECT_EQ (velocity.getText(), "100");

    control->setParameterValue (VexoSwitch::Param::midiNote, 61);
    pumpMessages (30);
    EXPECT_EQ (shownField<NumberBox> (panel, "MIDI NOTE").getValue(), 61);
}
