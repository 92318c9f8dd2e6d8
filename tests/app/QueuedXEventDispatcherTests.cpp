#include <gtest/gtest.h>

// The framework's X11 side, shown to a file that asks first (after gtest: Xlib's macros clash with it).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/QueuedXEventDispatcher.h"
#include "support/MessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Xlib's synchronous mode, set before the dispatcher, ends each request with a round trip: the events
// that one reads reach their window at once, though the request itself asked nothing.
TEST (QueuedXEventDispatcher, EventsReadInSynchronousModeReachTheirWindow)
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    XSynchronize (display, True);
    auto dispatcher = std::make_unique<QueuedXEventDispatcher>();
    juce::Component window;
    window.addToDesktop (0);
    testing_support::pumpMessages (20);
    auto* other = XOpenDisplay (nullptr);
    XMoveWindow (other, (Window)(uintptr_t)window.getPeer()->getNativeHandle(), 40, 30);
    XCloseDisplay (other);
    XNoOp (display);
    testing_support::pumpMessages (0);
    EXPECT_EQ (window.getScreenPosition(), juce::Point<int> (40, 30));
    dispatcher.reset();
    XSynchronize (display, False);
}
