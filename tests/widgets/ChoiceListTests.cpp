#include "widgets/ChoiceLists.h"
#include "widgets/ComboBoxValue.h"
#include "widgets/EditorFactories.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ChoiceLists;

namespace
{
// Plain strings, so that a failure shows the texts.
std::vector<std::string> textsOf (const juce::StringArray& list)
{
    std::vector<std::string> texts;
    for (const auto& text : list)
        texts.push_back (text.toStdString());
    return texts;
}

std::vector<std::string> itemsOf (const juce::ComboBox& box)
{
    std::vector<std::string> items;

    for (int i = 0; i < box.getNumItems(); ++i)
    {
        EXPECT_EQ (box.getItemId (i), i + 1);
        items.push_back (box.getItemText (i).toStdString());
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

// Every combo-box factory against the texts its box must offer, in order: a factory wired to
// another list of the same length fails here, where a count of items would not.
TEST (EditorFactories, EveryComboBoxOffersItsOwnListInOrder)
{
    const juce::StringArray offOn{"OFF", "ON"};
    const juce::StringArray padColours{"OFF",        "RED",        "ORANGE",   "AMBER",        "YELLOW",
                                       "GREEN",      "GREEN BLUE", "AQUA",     "LIGHT BLUE",   "BLUE",
                                       "PURPLE",     "PINK",       "HOT PINK", "LIGHT PURPLE", "LIGHT GREEN",
                                       "LIGHT PINK", "GREY"};

    juce::StringArray channels{"COMMON"};
    for (const auto* port : {"A", "B"})
        for (int channel = 1; channel <= 16; ++channel)
            channels.add (port + juce::String (channel));

    juce::StringArray commonChannels (channels);
    commonChannels.remove (0);

    const auto numbers = [] (int first, int last)
    {
        juce::StringArray list;
        for (int n = first; n <= last; ++n)
            list.add (juce::String (n));
        return list;
    };

    juce::StringArray keys{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    for (auto letter : juce::String ("ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        keys.add (juce::String::charToString (letter));
    keys.addArray ({"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"});
    keys.addArray ({"BACKSPACE", "RETURN", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow",
                    "Tab",       ",",      ".",        "/",          "[",          "]",
                    "\\",        "`",      ";",        "-",          "=",          "ESC",
                    "INSERT",    "HOME",   "PAGE UP",  "DELETE",     "END",        "PAGE DOWN"});
    keys.addArray (
        {"NUM 1", "NUM 2", "NUM 3", "NUM 4", "NUM 5", "NUM 6", "NUM 7", "NUM 8", "NUM 9", "NUM 0"});

    const juce::StringArray modifiers{"<None>",
                                      "CTRL",
                                      "SHIFT",
                                      "ALT",
                                      "OPTION",
                                      "CTRL + SHIFT",
                                      "CTRL + ALT",
                                      "CTRL + OPTION",
                                      "SHIFT + ALT",
                                      "SHIFT + OPTION",
                                      "ALT + OPTION",
                                      "CTRL + ALT + OPT",
                                      "CTRL + SHIFT + ALT",
                                      "CTRL + SHIFT + OPT"};

    const struct
    {
        std::unique_ptr<juce::ComboBox> box;
        const char* name;
        juce::StringArray items;
    } factories[] = {
        {createMidiChannelComboBox (nullptr), "MIDI CHANNEL", channels},
        {createMidiToDinComboBox (nullptr), "MIDI TO DIN", offOn},
        {createTempoLedComboBox (nullptr), "TEMPO LED", offOn},
        {createCommonChannelComboBox (nullptr), "COMMON CHANNEL", commonChannels},
        {createNoteDisplayComboBox (nullptr), "NOTE DISPLAY", {"VALUE", "NUMBER"}},
        {createLcdContrastComboBox (nullptr), "LCD CONTRAST", numbers (0, 99)},
        {createTapAverageComboBox (nullptr), "TAP AVERAGE", {"2", "3", "4"}},
        {createMidiClockComboBox (nullptr), "MIDI CLOCK", {"INTERNAL", "EXTERNAL"}},
        {createTransportToDinComboBox (nullptr), "TRANSPORT TO DIN", offOn},
        {createPadThresholdComboBox (nullptr), "PAD THRESHOLD", numbers (1, 10)},
        {createPadCurveComboBox (nullptr),
         "PAD CURVE",
         {"LINEAR", "S-CURVE", "LOG 1", "LOG 2", "EXP 1", "EXP 2"}},
        {createPadGainComboBox (nullptr), "PAD GAIN", numbers (0, 20)},
        {createPadTypeComboBox (nullptr), "TYPE", {"NOTE", "PROGRAM", "PROGRAM BANK"}},
        {createOnColorComboBox (nullptr), "ON COLOR", padColours},
        {createOffColorComboBox (nullptr), "OFF COLOR", padColours},
        {createTriggerModeComboBox (nullptr), "TRIGGER MODE", {"MOMENTARY", "TOGGLE"}},
        {createAftertouchComboBox (nullptr), "AFTERTOUCH", {"OFF", "CHANNEL", "POLY"}},
        {createSwitchTypeComboBox (nullptr), "TYPE", {"CC", "NOTE", "PROGRAM", "PROGRAM BANK", "KEY STROKE"}},
        {createKnobTypeComboBox (nullptr), "TYPE", {"CC", "AFTERTOUCH", "INC/DEC 1", "INC/DEC 2"}},
        {createFaderTypeComboBox (nullptr), "TYPE", {"CC", "AFTERTOUCH"}},
        {createKeyOneComboBox (nullptr), "KEY 1", keys},
        {createKeyTwoComboBox (nullptr), "KEY 2", modifiers},
    };

    for (const auto& f : factories)
    {
        SCOPED_TRACE (f.name);
        EXPECT_EQ (f.box->getName().toStdString(), f.name);
        EXPECT_EQ (itemsOf (*f.box), textsOf (f.items));
        EXPECT_EQ (f.box->getSelectedId(), 0);
        EXPECT_EQ (f.box->findColour (juce::ComboBox::textColourId), juce::Colours::white);
        EXPECT_EQ (f.box->findColour (juce::ComboBox::arrowColourId), juce::Colours::white);
        EXPECT_EQ (f.box->findColour (juce::ComboBox::backgroundColourId), juce::Colours::transparentBlack);
        EXPECT_EQ (f.box->findColour (juce::ComboBox::outlineColourId), juce::Colours::transparentBlack);
    }

    EXPECT_EQ (createComboBox ("EMPTY", {})->getNumItems(), 0);
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
