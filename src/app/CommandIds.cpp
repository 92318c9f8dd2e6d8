#include "app/CommandIds.h"

#include "text/UiText.h"

#include <vector>

namespace CommandIds
{
namespace
{
struct CommandDescription
{
    juce::CommandID id;
    const juce::String& name;
    juce::juce_wchar shortcutKey; // 0 for none; always taken with the command modifier
};

const juce::String& quitName()
{
    static const juce::String name ("Quit");
    return name;
}

// Built on first use: the names are other translation units' constants.
const std::vector<CommandDescription>& descriptions()
{
    static const std::vector<CommandDescription> table{
        {newPreset, UiText::newCommand, 'n'},
        {openPreset, UiText::openPresetCommand, 'o'},
        {closeWindow, UiText::closeWindowCommand, 'w'},
        {save, UiText::saveCommand, 's'},
        {saveAs, UiText::saveAsCommand, 0},
        {loadFromHardware, UiText::loadFromHardwareCommand, 0},
        {sendToHardware, UiText::sendToHardwareCommand, 0},
        {midiSetup, UiText::midiSetupCommand, 0},
        {quit, quitName(), 'q'},
        {autoPopulateTool, UiText::autoPopulateCommand, 0},
        {sendMultiplePresets, UiText::sendMultiplePresetsCommand, 0},
        {globalSettingsEditor, UiText::globalSettingsEditorCommand, 0},
        {sequenceEdit, UiText::sequenceEditCommand, 0},
        {minimizeWindow, UiText::minimizeWindowCommand, 'm'},
        {bringAllToFront, UiText::bringAllToFrontCommand, 0},
        {openUserGuide, UiText::openUserGuideCommand, 0},
        {about, UiText::aboutCommand, 0},
    };
    return table;
}
} // namespace

void describeCommand (juce::CommandID commandId, juce::ApplicationCommandInfo& info)
{
    for (const auto& description : descriptions())
    {
        if (description.id != commandId)
            continue;

        info.setInfo (description.name, {}, "General", 0);
        if (description.shortcutKey != 0)
            info.addDefaultKeypress ((int)description.shortcutKey, juce::ModifierKeys::commandModifier);
        return;
    }
}
} // namespace CommandIds
