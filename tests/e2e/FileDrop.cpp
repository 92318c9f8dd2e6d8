#include "FileDrop.h"

#include "Screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>
#include <string>

namespace
{
// The version the framework's windows take (they refuse any later one).
constexpr long dndVersion = 3;
constexpr int answerTimeoutMs = 5000;

struct DisplayCloser
{
    void operator() (Display* display) const { XCloseDisplay (display); }
};

class DropSource
{
public:
    DropSource (Display* d, Window targetWindow, std::string uris)
        : display (d)
        , target (targetWindow)
        , uriList (std::move (uris))
        , source (XCreateSimpleWindow (d, DefaultRootWindow (d), 0, 0, 1, 1, 0, 0, 0))
    {
        XSetSelectionOwner (display, atom ("XdndSelection"), source, CurrentTime);
    }

    ~DropSource() { XDestroyWindow (display, source); }

    Atom atom (const char* name) const { return XInternAtom (display, name, False); }

    void send (const char* type, long l1, long l2, long l3, long l4) const
    {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.display = display;
        event.xclient.window = target;
        event.xclient.message_type = atom (type);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long> (source);
        event.xclient.data.l[1] = l1;
        event.xclient.data.l[2] = l2;
        event.xclient.data.l[3] = l3;
        event.xclient.data.l[4] = l4;
        XSendEvent (display, target, False, NoEventMask, &event);
        XFlush (display);
    }

    // Hands the paths to every request for them until the target has sent the awaited message and,
    // when asked, has had the paths at least once.
    bool serveUntil (const char* awaitedType, bool pathsNeeded = false) const
    {
        const auto awaited = atom (awaitedType);
        bool arrived = false, served = !pathsNeeded;
        const auto deadline =
            juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (answerTimeoutMs);
        while (juce::Time::getMillisecondCounter() < deadline)
        {
            while (XPending (display) > 0)
            {
                XEvent event;
                XNextEvent (display, &event);
                if (event.type == SelectionRequest)
                {
                    answer (event.xselectionrequest);
                    served = true;
                }
                else if (event.type == ClientMessage && event.xclient.message_type == awaited)
                {
                    arrived = true;
                }
            }
            if (arrived && served)
                return true;
            juce::Thread::sleep (5);
        }
        return false;
    }

private:
    void answer (const XSelectionRequestEvent& request) const
    {
        XChangeProperty (display, request.requestor, request.property, request.target, 8, PropModeReplace,
                         reinterpret_cast<const unsigned char*> (uriList.data()),
                         static_cast<int> (uriList.size()));
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.display = display;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.property = request.property;
        reply.xselection.time = request.time;
        XSendEvent (display, request.requestor, False, NoEventMask, &reply);
        XFlush (display);
    }

    Display* display;
    Window target;
    std::string uriList;
    Window source;
};
} // namespace

bool screen::dropFiles (const juce::String& title, juce::Point<int> position, const juce::StringArray& paths)
{
    const auto id = waitForWindow (title);
    const std::unique_ptr<Display, DisplayCloser> display (XOpenDisplay (nullptr));
    if (id.isEmpty() || display == nullptr)
        return false;

    std::string uriList;
    for (const auto& path : paths)
        uriList += "file://" + path.toStdString() + "\r\n";

    const auto onScreen = getBounds (title).getPosition() + position;
    DropSource drop (display.get(), static_cast<Window> (id.getLargeIntValue()), uriList);
    const auto copy = static_cast<long> (drop.atom ("XdndActionCopy"));

    // The window asks for the paths as soon as the drag enters; with them it can tell the target.
    drop.send ("XdndEnter", dndVersion << 24, static_cast<long> (drop.atom ("text/uri-list")), None, None);
    if (!drop.serveUntil ("XdndStatus", true))
        return false;
    drop.send ("XdndPosition", 0, (static_cast<long> (onScreen.x) << 16) | onScreen.y, CurrentTime, copy);
    if (!drop.serveUntil ("XdndStatus"))
        return false;
    drop.send ("XdndDrop", 0, CurrentTime, 0, 0);
    return drop.serveUntil ("XdndFinished");
}
