#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Keeps a window that is being shown where it was asked to be. Under X11 the framework puts a
// window's inside at its bounds by moving the window's frame by the frame's size, but it learns
// that size from the window manager only once the window has been on the screen; and a window
// manager that maps a window again may place it by the framework's size hints rather than where
// the framework moved it. So a window that had been shown before landed where it was asked, and
// one shown for the first time 20 px lower (openbox's title bar), now and then elsewhere too.
// Once the window manager has placed the window and the framework knows its frame, a window that
// the window manager moved on its own is moved back to where it was asked to be.
class WindowPlacement final : private juce::ComponentListener, private juce::Timer
{
public:
    WindowPlacement() = default;
    ~WindowPlacement() override;

    // Call with the window where it is meant to be, just before it is made visible. Watches it
    // until the window manager has moved it, it is hidden, or the window manager has had ample
    // time and left it where it is.
    void keepWhereAsked (juce::Component& window);

private:
    void componentMovedOrResized (juce::Component& window, bool wasMoved, bool wasResized) override;
    void componentVisibilityChanged (juce::Component& window) override;
    void componentBeingDeleted (juce::Component& window) override;
    void timerCallback() override;

    void stopWatching();

    juce::Component::SafePointer<juce::Component> watched;
    juce::Point<int> asked;

    JUCE_DECLARE_NON_COPYABLE (WindowPlacement)
};
