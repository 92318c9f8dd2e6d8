#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <set>

// Listens on the display for the requests that windows send to the window manager to be iconified.
// The test display has no window manager, so such a request leaves the window as it was: what a
// test can check is which windows asked. A second connection to the display hears the requests
// without taking a window manager's place, so tests running beside it are not disturbed.
class IconifyRequestWatch
{
public:
    IconifyRequestWatch();
    ~IconifyRequestWatch();

    // False when the display or its library cannot be reached.
    bool isWatching() const;

    // Runs the message loop until the window has asked to be iconified, or the time is up.
    bool waitForRequestFrom (juce::Component& window, int timeoutMilliseconds = 2000);

    // Whether the window has asked since the watch began or was last cleared.
    bool hasRequestFrom (juce::Component& window);

    void clear();

    // A connection to the display; the watch listens on one of its own.
    struct Connection;

private:
    void readRequests();

    std::unique_ptr<Connection> connection;
    std::set<unsigned long> askingWindows;
};
