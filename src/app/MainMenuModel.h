#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The menu bar: File, Tools, Window and Help, built from the command ids so that every item shows
// the registered name and shortcut and is greyed while its command finds no target.
class MainMenuModel final : public juce::MenuBarModel
{
public:
    explicit MainMenuModel (juce::ApplicationCommandManager& commandManager);
    ~MainMenuModel() override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;

    // Command items are carried out by the command manager, so there is nothing left to do here.
    void menuItemSelected (int menuItemId, int topLevelMenuIndex) override;

    // The extra items of the macOS application menu.
    static juce::PopupMenu createExtraAppleMenu (juce::ApplicationCommandManager& commandManager);

private:
    juce::ApplicationCommandManager& commandManager;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainMenuModel)
};
