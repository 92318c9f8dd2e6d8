#pragma once

#include <juce_graphics/juce_graphics.h>

// What the screen shows where the window with that id (as xdotool prints it) is, or the whole
// screen when the id is empty: whatever covers the window is in the picture, and only the part of
// the window that is on the screen is. A null image if no such window is showing.
juce::Image captureXWindow (const juce::String& windowId);

// The window that holds the window manager's selection on the screen, or 0 while none runs.
juce::uint64 xWindowManagerId();
// The ids of the windows a window manager manages, from the back to the front.
juce::StringArray xStackingOrder();
// What a window manager's close button does, as a request to the window manager (as wmctrl -c).
bool askXWindowManagerToClose (const juce::String& windowId);
