#pragma once

#include <juce_core/juce_core.h>

// Every list of choices the editor offers. A list becomes a combo box's items with identifiers
// 1, 2, 3, ... in list order; where a box edits a stored value, item 1 stands for the value 0.
namespace ChoiceLists
{
// Fixed tables.
juce::StringArray getOffOnListNames();
juce::StringArray getNoteDisplayNames();
juce::StringArray getClockSourceNames();
juce::StringArray getPadCurveNames();
juce::StringArray getPadTypeNames();
juce::StringArray getAftertouchTypeNames();
juce::StringArray getSwitchTypeNames();
juce::StringArray getBankLetterNames();
juce::StringArray getTriggerModeNames();
juce::StringArray getKnobTypeNames();
juce::StringArray getFaderTypeNames();
juce::StringArray getPadColorNames();
juce::StringArray getTimeDivisionNames();
juce::StringArray getRepeatModeNames();
juce::StringArray getTransportTypeNames();
juce::StringArray getKeyStrokeModifierNames();
juce::StringArray getKeyStrokeKeyNames();

// Built on each call.

// "COMMON", then A1..A16 and B1..B16: value 0 is COMMON, 1..16 port A, 17..32 port B.
juce::StringArray getMidiChannelNames();
juce::StringArray getOffOnNames();
// The MIDI channels without COMMON: value 0 is A1.
juce::StringArray getCommonChannelNames();
// "0" to "99".
juce::StringArray getLcdContrastNames();
// "2", "3", "4": the values themselves, not numbered from 0.
juce::StringArray getTapAverageNames();
// "1" to "10": value 0 shows "1".
juce::StringArray getPadThresholdNames();
// "0" to "20".
juce::StringArray getPadGainNames();
} // namespace ChoiceLists
