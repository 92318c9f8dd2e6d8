#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// The test display as a user meets it: top-level windows found by their exact title, and keys sent
// to one of them once it shows and has the keyboard focus.
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

// Presses keys as xdotool names them ("ctrl+q", "n", "Return"; several separated by spaces) in the
// window with that title. Waits for the window to show and gives it the keyboard focus first, and
// lets go of any modifier still down, so that "n" arrives as a plain n.
bool pressKeys (const juce::String& title, const juce::String& keys);

// Presses the keys again and again until the effect shows; false if it has not within the time.
// A key can come before the program listens for it, so one press is not always enough.
bool pressKeysUntil (const juce::String& title, const juce::String& keys,
                     const std::function<bool()>& effect, int timeoutMs = 15000);
} // namespace screen
