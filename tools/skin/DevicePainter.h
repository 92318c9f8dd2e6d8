#pragma once

#include <juce_graphics/juce_graphics.h>

// The picture of the device and the images of its controls. The background is laid out to match
// where the main editor places its views, so each control sits in the socket drawn for it.
namespace skin
{
enum class ControlState
{
    normal,
    over,
    on
};

juce::Image paintMainEditorBackground();
juce::Image paintKnob (ControlState state);
juce::Image paintFader (ControlState state);
juce::Image paintSwitch (ControlState state);
juce::Image paintPad (ControlState state);
juce::Image paintPadOverlay();
juce::Image paintBankButton (ControlState state);
} // namespace skin
