#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A document window that serves one main window, as its step sequencer and its Auto Populate tool
// do. While it has the keyboard focus the main window's commands still reach that main window:
// its shortcuts pressed here, and a menu's items, act on the window served, as they would with
// that window in front. The application's own commands (New, Open, Quit) go on to the application.
class ToolDocumentWindow : public juce::DocumentWindow, public juce::ApplicationCommandTarget
{
public:
    using juce::DocumentWindow::DocumentWindow;

    // From now on passes commands on to the given window (a command target), for as long as it
    // lives.
    void serve (juce::Component& mainWindow);

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override {}
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override {}
    bool perform (const InvocationInfo&) override { return false; }

    // A key that nothing inside the window used: a shortcut of the application's commands is
    // carried out for the window served.
    bool keyPressed (const juce::KeyPress& key) override;

private:
    juce::Component::SafePointer<juce::Component> served;
};
