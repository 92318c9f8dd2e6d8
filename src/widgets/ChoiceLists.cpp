#include "widgets/ChoiceLists.h"

#include "text/UiText.h"

namespace ChoiceLists
{
namespace
{
template <size_t size>
juce::StringArray fromTable (const char* const (&table)[size])
{
    return juce::StringArray (table, (int)size);
}

juce::StringArray numbers (int first, int last)
{
    juce::StringArray list;

    for (int n = first; n <= last; ++n)
        list.add (juce::String (n));

    return list;
}

const char* const offOn[] = {"OFF", "ON"};
const char* const noteDisplay[] = {"VALUE", "NUMBER"};
const char* const clockSource[] = {"INTERNAL", "EXTERNAL"};
const char* const padCurve[] = {"LINEAR", "S-CURVE", "LOG 1", "LOG 2", "EXP 1", "EXP 2"};
const char* const padType[] = {"NOTE", "PROGRAM", "PROGRAM BANK"};
const char* const aftertouchType[] = {"OFF", "CHANNEL", "POLY"};
const char* const switchType[] = {"CC", "NOTE", "PROGRAM", "PROGRAM BANK", "KEY STROKE"};
const char* const bankLetter[] = {"A", "B"};
const char* const triggerMode[] = {"MOMENTARY", "TOGGLE"};
const char* const knobType[] = {"CC", "AFTERTOUCH", "INC/DEC 1", "INC/DEC 2"};
const char* const faderType[] = {"CC", "AFTERTOUCH"};
const char* const padColor[] = {"OFF",        "RED",          "ORANGE",      "AMBER",      "YELLOW", "GREEN",
                                "GREEN BLUE", "AQUA",         "LIGHT BLUE",  "BLUE",       "PURPLE", "PINK",
                                "HOT PINK",   "LIGHT PURPLE", "LIGHT GREEN", "LIGHT PINK", "GREY"};
const char* const timeDivision[] = {"1/4",  "1/4 TRIPLET",  "1/8",  "1/8 TRIPLET",
                                    "1/16", "1/16 TRIPLET", "1/32", "1/32 TRIPLET"};
const char* const repeatMode[] = {"MOMENTARY", "TOGGLE"};
const char* const transportType[] = {"MMC", "MMC MIDI", "MIDI", "CTRL", "PTEX"};
const char* const keyStrokeModifier[] = {"<None>",
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
const char* const keyStrokeSpecialKeys[] = {
    "BACKSPACE", "RETURN", "Up Arrow", "Down Arrow", "Left Arrow", "Right Arrow", "Tab", ",",
    ".",         "/",      "[",        "]",          "\\",         "`",           ";",   "-",
    "=",         "ESC",    "INSERT",   "HOME",       "PAGE UP",    "DELETE",      "END", "PAGE DOWN"};
} // namespace

juce::StringArray getOffOnListNames()
{
    return fromTable (offOn);
}
juce::StringArray getNoteDisplayNames()
{
    return fromTable (noteDisplay);
}
juce::StringArray getClockSourceNames()
{
    return fromTable (clockSource);
}
juce::StringArray getPadCurveNames()
{
    return fromTable (padCurve);
}
juce::StringArray getPadTypeNames()
{
    return fromTable (padType);
}
juce::StringArray getAftertouchTypeNames()
{
    return fromTable (aftertouchType);
}
juce::StringArray getSwitchTypeNames()
{
    return fromTable (switchType);
}
juce::StringArray getBankLetterNames()
{
    return fromTable (bankLetter);
}
juce::StringArray getTriggerModeNames()
{
    return fromTable (triggerMode);
}
juce::StringArray getKnobTypeNames()
{
    return fromTable (knobType);
}
juce::StringArray getFaderTypeNames()
{
    return fromTable (faderType);
}
juce::StringArray getPadColorNames()
{
    return fromTable (padColor);
}
juce::StringArray getTimeDivisionNames()
{
    return fromTable (timeDivision);
}
juce::StringArray getRepeatModeNames()
{
    return fromTable (repeatMode);
}
juce::StringArray getTransportTypeNames()
{
    return fromTable (transportType);
}
juce::StringArray getKeyStrokeModifierNames()
{
    return fromTable (keyStrokeModifier);
}

juce::StringArray getKeyStrokeKeyNames()
{
    // The number row from 1 round to 0, the letters, the function keys, the other keys, then the
    // number pad in the same order as the number row.
    auto list = numbers (1, 9);
    list.add ("0");

    for (char letter = 'A'; letter <= 'Z'; ++letter)
        list.add (juce::String::charToString (letter));

    for (int key = 1; key <= 12; ++key)
        list.add ("F" + juce::String (key));

    list.addArray (fromTable (keyStrokeSpecialKeys));

    for (int key = 1; key <= 9; ++key)
        list.add ("NUM " + juce::String (key));

    list.add ("NUM 0");
    return list;
}

juce::StringArray getMidiChannelNames()
{
    juce::StringArray list (UiText::commonChoice);

    for (const auto& port : getBankLetterNames())
        for (int channel = 1; channel <= 16; ++channel)
            list.add (port + juce::String (channel));

    return list;
}

juce::StringArray getOffOnNames()
{
    return {UiText::offChoice, UiText::onChoice};
}

juce::StringArray getCommonChannelNames()
{
    auto list = getMidiChannelNames();
    list.remove (0);
    return list;
}

juce::StringArray getLcdContrastNames()
{
    return numbers (0, 99);
}
juce::StringArray getTapAverageNames()
{
    return numbers (2, 4);
}
juce::StringArray getPadThresholdNames()
{
    return numbers (1, 10);
}
juce::StringArray getPadGainNames()
{
    return numbers (0, 20);
}
} // namespace ChoiceLists
