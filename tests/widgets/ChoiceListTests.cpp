#include "widgets/ChoiceLists.h"
#include "widgets/ComboBoxValue.h"
#include "widgets/EditorFactories.h"

#include <gtest/gtest.h>

using namespace ChoiceLists;

namespace
{
juce::StringArray itemsOf (const juce::ComboBox& box)
{
    juce::StringArray items;

    for (int i = 0; i < box.getNumItems(); ++i)
    {
        EXPECT_EQ (box.getItemId (i), i + 1);
        items.add (box.getItemText (i));
    }

    return items;
}
} // namespace

TEST (ChoiceLists, MidiChannelsNumberBothPortsAfterCommon)
{
    const auto channels = getMidiChannelNames();
    ASSERT_EQ (channels.size(), 33);
    EXPECT_EQ (channels[0], "COMMON");
    EXPECT_EQ (channels[1], "A1");
    EXPECT_EQ (channels[16], "A16");
    EXPECT_EQ (channels[17], "B1");
    EXPECT_EQ (channels[32], "B16");

    const auto common = getCommonChannelNames();
    ASSERT_EQ (common.size(), 32);
    EXPECT_EQ (common[0], "A1");
    EXPECT_EQ (common[31], "B16");
}

TEST (ChoiceLists, NumberListsStartAndEndWhereTheSettingsDo)
{
    const auto contrast = getLcdContrastNames();
    EXPECT_EQ (contrast.size(), 100);
    EXPECT_EQ (contrast[0], "0");
    EXPECT_EQ (contrast[99], "99");

    EXPECT_EQ (getPadThresholdNames(),
               juce::StringArray ({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ (getTapAverageNames(), juce::StringArray ({"2", "3", "4"}));

    const auto gain = getPadGainNames();
    EXPECT_EQ (gain.size(), 21);
    EXPECT_EQ (gain[20], "20");
}

TEST (ChoiceLists, KeyStrokeKeysFollowTheKeyboard)
{
    const auto keys = getKeyStrokeKeyNames();
    ASSERT_EQ (keys.size(), 82);
    EXPECT_EQ (keys[0], "1");
    EXPECT_EQ (keys[9], "0");
    EXPECT_EQ (keys[10], "A");
    EXPECT_EQ (keys[35], "Z");
    EXPECT_EQ (keys[36], "F1");
    EXPECT_EQ (keys[47], "F12");
    EXPECT_EQ (keys[48], "BACKSPACE");
    EXPECT_EQ (keys[60], "\\");
    EXPECT_EQ (keys[61], "`");
    EXPECT_EQ (keys[65], "ESC");
    EXPECT_EQ (keys[71], "PAGE DOWN");
    EXPECT_EQ (keys[72], "NUM 1");
    EXPECT_EQ (keys[81], "NUM 0");

    const auto modifiers = getKeyStrokeModifierNames();
    ASSERT_EQ (modifiers.size(), 14);
    EXPECT_EQ (modifiers[0], "<None>");
    EXPECT_EQ (modifiers[13], "CTRL + SHIFT + OPT");
}

TEST (ChoiceLists, StoredListsHaveTheirDeviceOrder)
{
    const auto colours = getPadColorNames();
    ASSERT_EQ (colours.size(), 17);
    EXPECT_EQ (colours[0], "OFF");
    EXPECT_EQ (colours[6], "GREEN BLUE");
    EXPECT_EQ (colours[16], "GREY");

    const auto divisions = getTimeDivisionNames();
    ASSERT_EQ (divisions.size(), 8);
    EXPECT_EQ (divisions[3], "1/8 TRIPLET");
    EXPECT_EQ (divisions[7], "1/32 TRIPLET");

    EXPECT_EQ (getTransportTypeNames(), juce::StringArray ({"MMC", "MMC MIDI", "MIDI", "CTRL", "PTEX"}));
    EXPECT_EQ (getSwitchTypeNames()[4], "KEY STROKE");
    EXPECT_EQ (getKnobTypeNames()[2], "INC/DEC 1");
    EXPECT_EQ (getPadCurveNames()[1], "S-CURVE");
    EXPECT_EQ (getOffOnNames(), getOffOnListNames());
}

TEST (EditorFactories, ComboBoxesAreNamedFilledAndUnselected)
{
    auto channel = createMidiChannelComboBox (nullptr);
    EXPECT_EQ (channel->getName(), "MIDI CHANNEL");
    EXPECT_EQ (itemsOf (*channel), getMidiChannelNames());
    EXPECT_EQ (channel->getSelectedId(), 0);
    EXPECT_EQ (channel->findColour (juce::ComboBox::textColourId), juce::Colours::white);
    EXPECT_EQ (channel->findColour (juce::ComboBox::backgroundColourId), juce::Colours::transparentBlack);
    EXPECT_EQ (channel->findColour (juce::ComboBox::outlineColourId), juce::Colours::transparentBlack);

    auto keyOne = createKeyOneComboBox (nullptr);
    EXPECT_EQ (keyOne->getName(), "KEY 1");
    EXPECT_EQ (keyOne->getNumItems(), 82);
    EXPECT_EQ (keyOne->getItemText (81), "NUM 0");

    auto keyTwo = createKeyTwoComboBox (nullptr);
    EXPECT_EQ (keyTwo->getName(), "KEY 2");
    EXPECT_EQ (keyTwo->getNumItems(), 14);
    EXPECT_EQ (keyTwo->getItemText (0), "<None>");

    EXPECT_EQ (createComboBox ("EMPTY", {})->getNumItems(), 0);

    const struct
    {
        std::unique_ptr<juce::ComboBox> box;
        const char* name;
        int items;
    } labelled[] = {
        {createMidiToDinComboBox (nullptr), "MIDI TO DIN", 2},
        {createTempoLedComboBox (nullptr), "TEMPO LED", 2},
        {createCommonChannelComboBox (nullptr), "COMMON CHANNEL", 32},
        {createNoteDisplayComboBox (nullptr), "NOTE DISPLAY", 2},
        {createLcdContrastComboBox (nullptr), "LCD CONTRAST", 100},
        {createTapAverageComboBox (nullptr), "TAP AVERAGE", 3},
        {createMidiClockComboBox (nullptr), "MIDI CLOCK", 2},
        {createTransportToDinComboBox (nullptr), "TRANSPORT TO DIN", 2},
        {createPadThresholdComboBox (nullptr), "PAD THRESHOLD", 10},
        {createPadCurveComboBox (nullptr), "PAD CURVE", 6},
        {createPadGainComboBox (nullptr), "PAD GAIN", 21},
        {createPadTypeComboBox (nullptr), "TYPE", 3},
        {createOnColorComboBox (nullptr), "ON COLOR", 17},
        {createOffColorComboBox (nullptr), "OFF COLOR", 17},
        {createTriggerModeComboBox (nullptr), "TRIGGER MODE", 2},
        {createAftertouchComboBox (nullptr), "AFTERTOUCH", 3},
        {createSwitchTypeComboBox (nullptr), "TYPE", 5},
        {createKnobTypeComboBox (nullptr), "TYPE", 4},
        {createFaderTypeComboBox (nullptr), "TYPE", 2},
    };

    for (const auto& c : labelled)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.box->getName(), c.name);
        EXPECT_EQ (c.box->getNumItems(), c.items);
    }
}

TEST (EditorFactories, NumberBoxesAreNamedAndCoverTheMidiByte)
{
    const struct
    {
        std::unique_ptr<NumberBox> box;
        const char* name;
    } labelled[] = {
        {createMidiCCNumberBox (nullptr), "MIDI CC"},
        {createMidiNoteNumberBox (nullptr), "MIDI NOTE"},
        {createMinNumberBox (nullptr), "MIN"},
        {createMaxNumberBox (nullptr), "MAX"},
        {createProgramNumberBox (nullptr), "PROGRAM NUMBER"},
        {createProgramMsbNumberBox (nullptr), "PROGRAM MSB"},
        {createProgramLsbNumberBox (nullptr), "PROGRAM LSB"},
        {createVelocityNumberBox (nullptr), "VELOCITY"},
        {createNrpnMsbNumberBox (nullptr), "NRPN MSB"},
        {createNrpnLsbNumberBox (nullptr), "NRPN LSB"},
        {createValueNumberBox (nullptr), "VALUE"},
    };

    for (const auto& c : labelled)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.box->getName(), c.name);
        EXPECT_EQ (c.box->getMinimum(), 0);
        EXPECT_EQ (c.box->getMaximum(), 127);
        EXPECT_EQ (c.box->getValue(), 0);
        EXPECT_EQ (c.box->findColour (juce::Label::textColourId), juce::Colours::white);
        EXPECT_EQ (c.box->findColour (juce::TextEditor::backgroundColourId), juce::Colours::transparentBlack);
    }
}

TEST (ComboBoxValue, ItemIdentifierIsTheValuePlusOne)
{
    auto channel = createMidiChannelComboBox (nullptr);

    showComboBoxValue (*channel, 17);
    EXPECT_EQ (channel->getText(), "B1");
    EXPECT_EQ (channel->getSelectedId(), 18);
    EXPECT_EQ (getComboBoxValue (*channel), 17);

    showComboBoxValue (*channel, 0);
    EXPECT_EQ (channel->getText(), "COMMON");

    // A value without an item shows nothing.
    for (int missing : {33, -1, std::numeric_limits<int>::max()})
    {
        showComboBoxValue (*channel, missing);
        EXPECT_EQ (channel->getSelectedId(), 0);
        EXPECT_TRUE (channel->getText().isEmpty());
    }
}

TEST (ComboBoxValue, NothingChosenWritesNothing)
{
    auto mode = createTriggerModeComboBox (nullptr);
    juce::Value parameter (1);

    EXPECT_FALSE (getComboBoxValue (*mode).has_value());
    EXPECT_FALSE (writeComboBoxValue (*mode, parameter));
    EXPECT_EQ ((int)parameter.getValue(), 1);

    mode->setSelectedId (1, juce::dontSendNotification);
    EXPECT_TRUE (writeComboBoxValue (*mode, parameter));
    EXPECT_EQ ((int)parameter.getValue(), 0);
}
