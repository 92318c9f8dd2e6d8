#include <gtest/gtest.h>

// The framework's connection is reached through its X11 declarations, shown only to a file that
// asks for them before its first include of the framework (and after the test framework's, whose
// names Xlib's macros would clash with).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "services/WindowStacking.h"
#include "support/MessageLoop.h"

// The window group's leader lives on the connection the program's windows are on. A connection
// closed and opened again, quite possibly at the old one's address, gets a leader of its own: the
// old one went with the old connection.
TEST (WindowStacking, EveryConnectionHasAGroupLeaderOfItsOwn)
{
    for (int connection = 0; connection < 2; ++connection)
    {
        {
            juce::Component window;
            window.setBounds (0, 0, 50, 50);
            window.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
            WindowStacking::joinProgram (window);

            auto* display = juce::XWindowSystem::getInstance()->getDisplay();
            const juce::XWindowSystemUtilities::ScopedXLock lock;
            auto* hints =
                XGetWMHints (display, (Window)(juce::pointer_sized_uint)window.getPeer()->getNativeHandle());
            ASSERT_NE (hints, nullptr);
            XWindowAttributes leader{};
            EXPECT_NE (XGetWindowAttributes (display, hints->window_group, &leader), 0) << connection;
            XFree (hints);
        }
        juce::XWindowSystem::deleteInstance();
    }
    testing_support::pumpMessages (5);
}
