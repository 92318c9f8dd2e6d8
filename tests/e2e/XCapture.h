#pragma once

#include <juce_graphics/juce_graphics.h>

// What the screen shows where the window with that id (as xdotool prints it) is, or the whole
// screen when the id is empty: whatever covers the window is in the picture, and only the part of
// the window that is on the screen is. A null image if no such window is showing.
juce::Image captureXWindow (const juce::String& windowId);
