#include "IconifyRequestWatch.h"

#include "support/MessageLoop.h"

#include <dlfcn.h>

// Last: Xlib's macros would clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// libX11 is looked up at run time, as JUCE and the test main do, so nothing links against it.
struct IconifyRequestWatch::Connection
{
    explicit Connection (bool listen)
    {
        library = ::dlopen ("libX11.so.6", RTLD_LAZY);
        if (library == nullptr || !find (openDisplay, "XOpenDisplay") ||
            !find (closeDisplay, "XCloseDisplay") || !find (defaultRootWindow, "XDefaultRootWindow") ||
            !find (selectInput, "XSelectInput") || !find (internAtom, "XInternAtom") ||
            !find (sync, "XSync") || !find (pending, "XPending") || !find (nextEvent, "XNextEvent"))
            return;

        display = openDisplay (nullptr);
        if (display == nullptr)
            return;

        changeState = internAtom (display, "WM_CHANGE_STATE", False);
        if (!listen)
            return;

        selectInput (display, defaultRootWindow (display), SubstructureNotifyMask);
        // The selection must be in place before the program under test sends anything.
        sync (display, False);
    }

    ~Connection()
    {
        if (display != nullptr)
            closeDisplay (display);
        if (library != nullptr)
            ::dlclose (library);
    }

    template <typename Function>
    bool find (Function& function, const char* name)
    {
        function = reinterpret_cast<Function> (::dlsym (library, name));
        return function != nullptr;
    }

    void* library = nullptr;
    Display* display = nullptr;
    Atom changeState = 0;

    Display* (*openDisplay) (const char*) = nullptr;
    int (*closeDisplay) (Display*) = nullptr;
    Window (*defaultRootWindow) (Display*) = nullptr;
    int (*selectInput) (Display*, Window, long) = nullptr;
    Atom (*internAtom) (Display*, const char*, Bool) = nullptr;
    int (*sync) (Display*, Bool) = nullptr;
    int (*pending) (Display*) = nullptr;
    int (*nextEvent) (Display*, XEvent*) = nullptr;
};

namespace
{
// JUCE looks the request's atom up once, when it first talks to the display, and finds it only if
// someone has made it: a window manager would have, but the test display has none, and a request
// without it names nothing. So the atom is made before any test starts, on a connection kept open
// for the whole run, as a display forgets its atoms when its last connection closes.
const IconifyRequestWatch::Connection requestAtomKeeper (false);

unsigned long windowIdOf (juce::Component& window)
{
    auto* peer = window.getPeer();
    return peer != nullptr ? (unsigned long)(juce::pointer_sized_uint)peer->getNativeHandle() : 0;
}
} // namespace

IconifyRequestWatch::IconifyRequestWatch()
    : connection (std::make_unique<Connection> (true))
{
}

IconifyRequestWatch::~IconifyRequestWatch() = default;

bool IconifyRequestWatch::isWatching() const
{
    return connection->display != nullptr;
}

void IconifyRequestWatch::readRequests()
{
    if (!isWatching())
        return;

    // Every window on the display is reported here, those of other test processes too.
    while (connection->pending (connection->display) > 0)
    {
        XEvent event;
        connection->nextEvent (connection->display, &event);

        if (event.type == ClientMessage && event.xclient.message_type == connection->changeState &&
            event.xclient.format == 32 && event.xclient.data.l[0] == IconicState)
            askingWindows.insert ((unsigned long)event.xclient.window);
    }
}

bool IconifyRequestWatch::hasRequestFrom (juce::Component& window)
{
    readRequests();
    return askingWindows.count (windowIdOf (window)) > 0;
}

bool IconifyRequestWatch::waitForRequestFrom (juce::Component& window, int timeoutMilliseconds)
{
    return testing_support::pumpUntil ([this, &window] { return hasRequestFrom (window); },
                                       timeoutMilliseconds);
}

void IconifyRequestWatch::clear()
{
    readRequests();
    askingWindows.clear();
}
