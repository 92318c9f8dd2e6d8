#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

// The test display as a user meets it: top-level windows found by their exact title; keys, text,
// clicks and drags given to one of them once it shows; and pictures of what it shows.
//
// All input goes through the X server's own input path (xdotool without --window, i.e. XTEST),
// never as events sent straight to a window: the server then knows which keys are down, every
// release reaches the window that has the focus, and the program sees each key it saw pressed come
// up again. A mix of the two is what left the program holding Ctrl after a Ctrl+Q had opened a
// dialog: the presses went to the window directly, the releases through the server, which dropped
// them because, as far as it knew, those keys were not down.
namespace screen
{
// Polls until the condition holds; false if it still does not when the time is up.
bool waitUntil (const std::function<bool()>& condition, int timeoutMs);

// The id of a mapped top-level window whose title is exactly this text (not a pattern; case
// counts), once there is one; empty if none shows within the time.
juce::String waitForWindow (const juce::String& title, int timeoutMs = 15000);

bool isShowing (const juce::String& title);

// Where the window is on the screen; empty if it is not showing.
juce::Rectangle<int> getBounds (const juce::String& title);

// Presses keys as xdotool names them ("ctrl+q", "n", "Return"; several separated by spaces) in the
// window with that title. Waits for the window to show and gives it the keyboard focus first, and
// lets go of any modifier still down, so that "n" arrives as a plain n.
bool pressKeys (const juce::String& title, const juce::String& keys);

// Presses keys in whatever holds the keyboard focus now, such as an open menu or a combo box's list,
// without looking for a window first.
bool pressKeysInFocus (const juce::String& keys);

// Presses the keys again and again until the effect shows; false if it has not within the time.
// A key can come before the program listens for it, so one press is not always enough.
bool pressKeysUntil (const juce::String& title, const juce::String& keys, const std::function<bool()>& effect,
                     int timeoutMs = 15000);

// Types the text into whatever has the keyboard focus inside the window with that title (click a
// field first to give it the focus), after giving the window the focus as pressKeys does.
bool typeText (const juce::String& title, const juce::String& text);

// Clicks at a point given from the top-left corner of the window's inside, count times in quick
// succession (2 makes a double click). The window is raised first so that no other window covers
// the point.
bool click (const juce::String& title, juce::Point<int> position, int button = 1, int count = 1);

// Chooses an item of the window's menu bar with the mouse and the keyboard, as a user may: a click
// on the bar's first menu, Right to the menu at menuIndex (0 is File), Down to the item at
// itemIndex (counting items only, not separators) and Return; again until the effect shows.
bool chooseMenuItem (const juce::String& title, int menuIndex, int itemIndex,
                     const std::function<bool()>& effect, int timeoutMs = 20000);

// Drags with the left button from one point of the window to another, through evenly spaced steps
// with a short pause between them, as a hand would move; a program that waits for the pointer to
// have moved a little before it starts a drag needs the steps. The points are placed on the screen
// where the window is when the drag starts, so a drag that moves the window itself still ends
// where it should.
bool drag (const juce::String& title, juce::Point<int> from, juce::Point<int> to, int steps = 10);

// What the window shows once it has stopped changing, raised first so that nothing covers it; a
// null image if it is not showing.
juce::Image takePicture (const juce::String& title);

// A PNG file of the window, or of the whole screen, for looking at what a test sees.
bool saveScreenshot (const juce::String& title, const juce::File& png);
bool saveScreenshot (const juce::File& png);
} // namespace screen
