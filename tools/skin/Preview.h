#pragma once

#include <juce_graphics/juce_graphics.h>

// Pictures of the skin in use, assembled the way the program's windows put the images together,
// with sample writing where the program writes. They are only for looking the skin over and are
// not embedded in the program.
namespace skin
{
juce::Image paintDevicePreview();
juce::Image paintDialogPreview();
// The device's controls in each of their states, enlarged three times.
juce::Image paintControlsPreview();
} // namespace skin
