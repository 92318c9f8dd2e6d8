#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The commands behind every menu item and shortcut. The application answers those that need no
// document; each main window answers those that act on its preset.
namespace CommandIds
{
enum : juce::CommandID
{
    newPreset = 0x200010,
    openPreset = 0x200020,
    closeWindow = 0x200030,
    save = 0x200040,
    saveAs = 0x200050,
    loadFromHardware = 0x200060,
    sendToHardware = 0x200070,
    midiSetup = 0x200080,
    quit = 0x200090,
    autoPopulateTool = 0x200200,
    sendMultiplePresets = 0x200210,
    globalSettingsEditor = 0x200220,
    sequenceEdit = 0x200230,
    minimizeWindow = 0x200300,
    bringAllToFront = 0x200310,
    openUserGuide = 0x200400,
    about = 0x200410
};

// Fills in the name, the category and the shortcut of one of the commands above, so that both
// targets describe a command alike; leaves the info untouched for any other id. The active flag is
// the target's business.
void describeCommand (juce::CommandID commandId, juce::ApplicationCommandInfo& info);
} // namespace CommandIds
