#include "services/WindowStacking.h"

#if JUCE_LINUX || JUCE_BSD
// Last: Xlib's macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
// The framework keeps its connection to the display to itself, so the hints are set through one
// of the program's own, kept open while the program runs: the group's leader is a window of this
// connection, never shown, and lives as long as the connection does.
struct GroupConnection
{
    GroupConnection()
    {
        display = XOpenDisplay (nullptr);
        if (display != nullptr)
            leader = XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 1, 1, 0, 0, 0);
    }

    static GroupConnection& get()
    {
        static GroupConnection connection;
        return connection;
    }

    Display* display = nullptr;
    Window leader = 0;
};

Window nativeWindowOf (const juce::Component& component)
{
    auto* peer = component.getPeer();
    if (peer == nullptr)
        return 0;

    // A question to the display that waits for its answer first sends everything the framework
    // has queued, the window itself among it, so that the hints below find it on the display.
    peer->isMinimised();
    return static_cast<Window> (reinterpret_cast<juce::pointer_sized_uint> (peer->getNativeHandle()));
}

void joinGroup (GroupConnection& connection, Window window)
{
    XWMHints none{};
    auto* held = XGetWMHints (connection.display, window);
    auto* hints = held != nullptr ? held : &none;
    hints->flags |= WindowGroupHint;
    hints->window_group = connection.leader;
    XSetWMHints (connection.display, window, hints);
    if (held != nullptr)
        XFree (held);
}
} // namespace

void WindowStacking::joinProgram (juce::Component& window)
{
    auto& connection = GroupConnection::get();
    const auto native = nativeWindowOf (window);
    if (connection.display == nullptr || native == 0)
        return;

    joinGroup (connection, native);
    // On the display before the framework asks for the window to be shown.
    XSync (connection.display, False);
}

void WindowStacking::keepAbove (juce::Component& tool, const juce::Component* owner)
{
    auto& connection = GroupConnection::get();
    const auto native = nativeWindowOf (tool);
    if (connection.display == nullptr || native == 0)
        return;

    joinGroup (connection, native);

    // Transient for the root window stands for the whole group, as window managers read it.
    const auto ownerWindow = owner != nullptr ? nativeWindowOf (*owner->getTopLevelComponent()) : 0;
    XSetTransientForHint (connection.display, native,
                          ownerWindow != 0 ? ownerWindow : DefaultRootWindow (connection.display));
    XSync (connection.display, False);
}

#else

void WindowStacking::joinProgram (juce::Component&) {}

void WindowStacking::keepAbove (juce::Component&, const juce::Component*) {}

#endif
