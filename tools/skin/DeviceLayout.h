#pragma once

#include <juce_graphics/juce_graphics.h>

namespace skin
{
// Where the main editor puts its views; the sockets of the picture follow the same rules.
namespace layout
{
inline constexpr int width = 1176;
inline constexpr int height = 721;

inline constexpr int padWidth = 98;
inline constexpr int padHeight = 101;
inline constexpr int knobSize = 57;
inline constexpr int faderWidth = 63;
inline constexpr int faderHeight = 183;
inline constexpr int switchWidth = 40;
inline constexpr int switchHeight = 31;
inline constexpr int bankButtonSize = 21;

inline const juce::Rectangle<int> lcdPanel{75, 95, 490, 100};
inline const juce::Rectangle<int> commonPanel{600, 95, 300, 100};

inline juce::Point<int> pad (int i)
{
    return {(padWidth + 4) * (i % 4) + 50, 575 - (i / 4) * padHeight};
}

inline juce::Point<int> knob (int i)
{
    return {i * (knobSize + 20) + 505, 270};
}

inline juce::Point<int> fader (int i)
{
    return {knob (i).x - 4, knob (i).y + knobSize + 20};
}

inline juce::Point<int> switchView (int i)
{
    return {fader (i).x + 10, fader (i).y + faderHeight + 20};
}

inline juce::Point<int> padBankButton (int j)
{
    return {150 + 30 * j, 222};
}

inline juce::Point<int> controlBankButton (int j)
{
    return {padBankButton (j).x + 440, padBankButton (j).y};
}

inline juce::Rectangle<int> faderLabel (int i)
{
    return {fader (i).x, fader (i).y - 20, faderWidth, 20};
}
} // namespace layout
} // namespace skin
