#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// How the program's windows meet the window manager, which alone decides whether and where
// top-level windows show. A tool window that is merely brought to the front falls behind its main
// window at the next click on that main window; so on X11 the program's windows join one window
// group, an application's tool is marked as transient for the whole group, so the window manager
// keeps it above every main window, and a main window's small tools as transient for that main
// window, outside the group. The framework has no such notion, so elsewhere this only shows windows.
namespace WindowStacking
{
// Makes a window on the desktop one of the program's windows. Best called before it is first shown.
// It carries its title as carryTitle says.
void joinProgram (juce::Component& window);

// Keeps a tool window on the desktop above the top-level window of owner, or above every window
// of the program when there is no owner. Called before each show, as the framework may give the
// window a new native window in between. It carries its title as carryTitle says.
void keepAbove (juce::Component& tool, const juce::Component* owner);

// The framework names a window for the window manager in the old way only (WM_NAME, which it
// fills with UTF-8), and task bars, pagers and tools that read the standard name list such a
// window as untitled. From now on, and for as long as the window lives, its title (its name) is
// also its standard name, on every native window the framework gives it, also once it changes.
void carryTitle (juce::Component& window);

// Shows a window on the desktop and sees that it reaches the screen. A window manager starting at
// the same moment as the program, as at a login, may take in the request to show the window while
// it is still setting itself up, and then act on it only once some other request reaches it: with
// none, the window would never show. So the request is made again until the window is on the
// screen or the window manager has taken it in.
void showOnScreen (juce::Component& window);
} // namespace WindowStacking
