#include "app/MainMenuModel.h"

#include "app/CommandIds.h"

MainMenuModel::MainMenuModel (juce::ApplicationCommandManager& managerToWatch)
    : commandManager (managerToWatch)
{
    setApplicationCommandManagerToWatch (&commandManager);
}

MainMenuModel::~MainMenuModel()
{
    setApplicationCommandManagerToWatch (nullptr);
}

juce::StringArray MainMenuModel::getMenuBarNames()
{
    return {"File", "Tools", "Window", "Help"};
}

juce::PopupMenu MainMenuModel::getMenuForIndex (int, const juce::String& menuName)
{
    juce::PopupMenu menu;
    const auto add = [this, &menu] (juce::CommandID id) { menu.addCommandItem (&commandManager, id); };

    if (menuName == "File")
    {
        add (CommandIds::newPreset);
        add (CommandIds::openPreset);
        menu.addSeparator();
        add (CommandIds::closeWindow);
        menu.addSeparator();
        add (CommandIds::save);
        add (CommandIds::saveAs);
        menu.addSeparator();
        add (CommandIds::loadFromHardware);
        add (CommandIds::sendToHardware);
        menu.addSeparator();
        add (CommandIds::midiSetup);
#if !JUCE_MAC
        // Elsewhere there is no application menu to hold Quit.
        menu.addSeparator();
        add (CommandIds::quit);
#endif
    }
    else if (menuName == "Tools")
    {
        add (CommandIds::autoPopulateTool);
        add (CommandIds::sendMultiplePresets);
        add (CommandIds::globalSettingsEditor);
        add (CommandIds::sequenceEdit);
    }
    else if (menuName == "Window")
    {
        add (CommandIds::minimizeWindow);
        add (CommandIds::bringAllToFront);
    }
    else if (menuName == "Help")
    {
        add (CommandIds::openUserGuide);
#if !JUCE_MAC
        // About lives in the application menu on macOS; elsewhere it closes the Help menu.
        menu.addSeparator();
        add (CommandIds::about);
#endif
    }

    return menu;
}

void MainMenuModel::menuItemSelected (int, int) {}

juce::PopupMenu MainMenuModel::createExtraAppleMenu (juce::ApplicationCommandManager& manager)
{
    juce::PopupMenu menu;
    menu.addCommandItem (&manager, CommandIds::about);
    return menu;
}
