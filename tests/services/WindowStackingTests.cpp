#include <gtest/gtest.h>

// The framework's X11 declarations, for its connection, are shown only to a file that asks before its
// first include of the framework (and after the test framework's: Xlib's macros clash with its names).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "services/WindowStacking.h"
#include "support/MessageLoop.h"

// The window group's leader lives on the program's connection. One closed and opened again, quite
// possibly at the old one's address, gets a leader of its own: the old one went with the old one.
TEST (WindowStacking, EveryConnectionHasAGroupLeaderOfItsOwn)
{
    // Each connection is closed once its window has gone.
    for (int connection = 0; connection < 2; ++connection, juce::XWindowSystem::deleteInstance())
    {
        juce::Component window;
        window.setBounds (0, 0, 50, 50);
        window.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        WindowStacking::joinProgram (window);
        auto* display = juce::XWindowSystem::getInstance()->getDisplay();
        const juce::XWindowSystemUtilities::ScopedXLock lock;
        auto* hints = XGetWMHints (display, (Window)(uintptr_t)window.getPeer()->getNativeHandle());
        ASSERT_NE (hints, nullptr);
        XWindowAttributes leader{};
        EXPECT_NE (XGetWindowAttributes (display, hints->window_group, &leader), 0) << connection;
        XFree (hints);
    }
    testing_support::pumpMessages (5);
}
