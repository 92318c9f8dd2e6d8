// Times the program from launch to its first window, as a user waits for it: the program is started
// again and again on the current X display, and each run ends once a top-level window whose title
// holds the given text has been mapped and drawn on. Run by hand through bench/startup.sh, never in a test.
//
//   vexob_startup_timer [--runs N] [--title TEXT] <program> [arguments...]
//
// Prints, per run and as medians, the time until the title exists, until the window is mapped and
// until the program first draws on it (what the user waits for).
// Plain Xlib and POSIX, so that nothing of the program under test is measured twice.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

double millisecondsSince (Clock::time_point start)
{
    return std::chrono::duration<double, std::milli> (Clock::now() - start).count();
}

// A window can be gone by the time it is asked about; that is no fault of the measurement.
int ignoreXError (Display*, XErrorEvent*)
{
    return 0;
}

class TitleWatch
{
public:
    explicit TitleWatch (std::string wanted)
        : display (XOpenDisplay (nullptr))
        , title (std::move (wanted))
    {
        if (display == nullptr)
            return;
        XSetErrorHandler (ignoreXError);
        netWmName = XInternAtom (display, "_NET_WM_NAME", False);
        int damageErrorBase = 0;
        if (!XDamageQueryExtension (display, &damageEventBase, &damageErrorBase))
        {
            XCloseDisplay (display);
            display = nullptr;
            return;
        }
        XSelectInput (display, DefaultRootWindow (display), SubstructureNotifyMask);
        XSync (display, False);
    }

    ~TitleWatch()
    {
        if (display != nullptr)
            XCloseDisplay (display);
    }

    bool isOpen() const { return display != nullptr; }

    struct Times
    {
        double title = -1.0, mapped = -1.0, painted = -1.0;
    };

    // Waits until a window titled as wanted is mapped and drawn on, or the time-out passes.
    Times waitForWindow (Clock::time_point launch, double timeoutMs)
    {
        Times times;
        Window found = None;

        while (times.painted < 0.0 && millisecondsSince (launch) < timeoutMs)
        {
            if (XPending (display) == 0)
            {
                pollfd connection{ConnectionNumber (display), POLLIN, 0};
                poll (&connection, 1, 5);
                continue;
            }

            XEvent event;
            XNextEvent (display, &event);

            if (event.type == damageEventBase + XDamageNotify)
            {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&> (event);
                if (found != None && damage.drawable == found && times.mapped >= 0.0)
                    times.painted = millisecondsSince (launch);
                XDamageSubtract (display, damage.damage, None, None);
            }
            else if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow (display))
            {
                // Watched before anything can be drawn on it; its title may be set already, though.
                const auto window = event.xcreatewindow.window;
                XSelectInput (display, window, PropertyChangeMask | StructureNotifyMask);
                XDamageCreate (display, window, XDamageReportNonEmpty);
                XSync (display, False);
                if (found == None && hasWantedTitle (window))
                {
                    found = window;
                    times.title = millisecondsSince (launch);
                    if (isMapped (window))
                        times.mapped = times.title;
                }
            }
            else if (event.type == PropertyNotify && found == None &&
                     (event.xproperty.atom == XA_WM_NAME || event.xproperty.atom == netWmName) &&
                     hasWantedTitle (event.xproperty.window))
            {
                found = event.xproperty.window;
                times.title = millisecondsSince (launch);
                if (isMapped (found))
                    times.mapped = times.title;
            }
            else if (event.type == MapNotify && found != None && event.xmap.window == found)
            {
                times.mapped = millisecondsSince (launch);
            }
        }
        return times;
    }

    // Events of an ended run must not be taken for the next one's.
    void forgetPendingEvents() { XSync (display, True); }

private:
    // The title as UTF-8 or Latin-1, in either of the two properties a program may set.
    bool hasWantedTitle (Window window)
    {
        for (const auto property : {netWmName, static_cast<Atom> (XA_WM_NAME)})
        {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, remaining = 0;
            unsigned char* data = nullptr;

            if (XGetWindowProperty (display, window, property, 0, 1024, False, AnyPropertyType, &type,
                                    &format, &count, &remaining, &data) != Success ||
                data == nullptr)
                continue;

            const bool matches =
                format == 8 &&
                std::string (reinterpret_cast<const char*> (data), count).find (title) != std::string::npos;
            XFree (data);
            if (matches)
                return true;
        }
        return false;
    }

    bool isMapped (Window window)
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes (display, window, &attributes) != 0 && attributes.map_state == IsViewable;
    }

    Display* display;
    std::string title;
    Atom netWmName = None;
    int damageEventBase = 0;
};

double median (std::vector<double> values)
{
    if (values.empty())
        return -1.0;
    std::sort (values.begin(), values.end());
    const auto middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}
} // namespace

int main (int argc, char** argv)
{
    int runs = 10;
    std::string title = "VexoB Editor";
    int first = 1;

    for (; first < argc && std::strncmp (argv[first], "--", 2) == 0; first += 2)
    {
        if (first + 1 >= argc)
            break;
        if (std::strcmp (argv[first], "--runs") == 0)
            runs = std::max (1, std::atoi (argv[first + 1]));
        else if (std::strcmp (argv[first], "--title") == 0)
            title = argv[first + 1];
        else
            break;
    }

    if (first >= argc)
    {
        std::fprintf (stderr, "usage: %s [--runs N] [--title TEXT] <program> [arguments...]\n", argv[0]);
        return 2;
    }

    TitleWatch watch (title);
    if (!watch.isOpen())
    {
        std::fprintf (stderr, "no X display with the DAMAGE extension\n");
        return 2;
    }

    std::vector<double> titles, maps, paints;
    for (int run = 0; run < runs; ++run)
    {
        watch.forgetPendingEvents();

        pid_t child = 0;
        const auto launch = Clock::now();
        if (posix_spawn (&child, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        {
            std::perror ("posix_spawn");
            return 1;
        }

        const auto times = watch.waitForWindow (launch, 20000.0);
        kill (child, SIGKILL);
        waitpid (child, nullptr, 0);

        if (times.painted < 0.0)
        {
            std::fprintf (stderr, "run %d: no window titled \"%s\" drawn within 20 s\n", run + 1,
                          title.c_str());
            return 1;
        }
        std::printf ("run %2d: title %7.1f ms, mapped %7.1f ms, first drawn %7.1f ms\n", run + 1, times.title,
                     times.mapped, times.painted);
        titles.push_back (times.title);
        maps.push_back (times.mapped);
        paints.push_back (times.painted);
    }

    std::printf ("median of %d: title %.1f ms, mapped %.1f ms, first drawn %.1f ms\n", runs, median (titles),
                 median (maps), median (paints));
    return 0;
}
