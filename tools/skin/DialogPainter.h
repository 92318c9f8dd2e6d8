#pragma once

#include "skin/SkinStyle.h"

// The images of the dialogs and tool windows: their shared background, title plates, buttons and
// toggles, and the About box's logo.
namespace skin
{
juce::Image paintDialogBackground();
juce::Image paintDialogTitle (int width, const juce::String& title);
juce::Image paintDivider();
juce::Image paintAboutLogo();

// The button's face fills the image, or only its top faceHeight rows when given (the rest left
// clear).
juce::Image paintPushButton (int width, int height, const juce::String& caption, float fontHeight,
                             ButtonState state, int faceHeight = 0);
juce::Image paintClearButton();

// The small square toggles of the Auto Populate tool: a bank letter, or a tick for "Enabled".
juce::Image paintBankToggle (const juce::String& letter, bool on);
juce::Image paintEnabledToggle (bool on);
} // namespace skin
