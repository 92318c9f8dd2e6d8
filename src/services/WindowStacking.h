#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Keeps tool windows in front of the windows they serve, through the window manager, which alone
// decides the stacking of top-level windows: a tool window that is merely brought to the front
// falls behind its main window at the next click on that main window. On X11 every window of the
// program joins one window group; a main window's tool is marked as transient for that main
// window, and an application's tool as transient for the whole group, so the window manager keeps
// it above every main window. The framework has no such notion, so elsewhere this does nothing.
namespace WindowStacking
{
// Makes a window on the desktop one of the program's windows. Best called before it is first shown.
void joinProgram (juce::Component& window);

// Keeps a tool window on the desktop above the top-level window of owner, or above every window
// of the program when there is no owner. Called before each show, as the framework may give the
// window a new native window in between.
void keepAbove (juce::Component& tool, const juce::Component* owner);
} // namespace WindowStacking
