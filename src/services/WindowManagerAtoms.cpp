// The framework declares its X11 side only when asked before its GUI module is first included.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "services/WindowManagerAtoms.h"

#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD

namespace
{
// What the framework asks for, as it sets up each window: the protocols (close, focus, ping), the
// window's state and type, and the hints for its title-bar buttons, allowed actions and staying on
// top. Names a window manager itself sets on the root window, such as the work area, are left to it.
const char* const namesTheFrameworkLooksUp[] = {
    "WM_PROTOCOLS",
    "WM_TAKE_FOCUS",
    "WM_DELETE_WINDOW",
    "_NET_WM_PING",
    "WM_CHANGE_STATE",
    "WM_STATE",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_WM_WINDOW_TYPE_COMBO",
    "_NET_WM_STATE",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_SKIP_TASKBAR",
    "_NET_WM_STATE_ABOVE",
    "_NET_FRAME_EXTENTS",
    "_MOTIF_WM_HINTS",
    "_NET_WM_ALLOWED_ACTIONS",
    "_NET_WM_ACTION_RESIZE",
    "_NET_WM_ACTION_FULLSCREEN",
    "_NET_WM_ACTION_MINIMIZE",
    "_NET_WM_ACTION_CLOSE",
};
} // namespace

void WindowManagerAtoms::createBeforeTheFrameworkConnects()
{
    // Connected already, it has looked the names up, found or not.
    jassert (juce::XWindowSystem::getInstanceWithoutCreating() == nullptr);
    if (juce::XWindowSystem::getInstanceWithoutCreating() != nullptr)
        return;

    // The framework's own first Xlib call would be this; here it comes before the connection below.
    XInitThreads();
    // The display the framework will open: DISPLAY's, or without it the framework's own choice.
    auto name = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});
    if (name.isEmpty())
        name = ":0.0";
    auto* display = XOpenDisplay (name.toRawUTF8());
    if (display == nullptr)
        return;

    constexpr auto count = (int)std::size (namesTheFrameworkLooksUp);
    Atom made[count] = {};
    XInternAtoms (display, const_cast<char**> (namesTheFrameworkLooksUp), count, False, made);

    // A server forgets its names when its last client leaves, which this connection may be: the
    // framework connects while it is still open.
    juce::XWindowSystem::getInstance();
    XCloseDisplay (display);
}

#else

void WindowManagerAtoms::createBeforeTheFrameworkConnects() {}

#endif
