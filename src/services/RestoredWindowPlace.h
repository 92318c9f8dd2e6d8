#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Brings a window back where it was when the window manager shows it again after it was off the
// screen, as when it is restored after being minimised. A window manager that shows a window
// shrinking to its icon and growing back from it (openbox does) moves it on the way, and as the
// window comes back the framework reads its place off the screen before the window manager has put
// it back, taking a place by the icon for the window's own. It then moves the window there itself
// the next time it paints into a new picture, which it makes once the window has not been painted
// for 3 s: a window minimised for longer came back almost off the screen, only its title showing.
// On systems other than X11 this does nothing.
namespace RestoredWindowPlace
{
// From now on, for as long as the window lives. Call again when the window may have been given a
// new native window.
void keep (juce::Component& window);
} // namespace RestoredWindowPlace
