// The framework declares its X11 side, its connection to the display among it, only when asked
// before its GUI module is first included.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "services/WindowStacking.h"

#include "services/RestoredWindowPlace.h"

#if JUCE_LINUX || JUCE_BSD
// For the hook that tells when a connection closes.
#include <X11/Xlibint.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
using XLock = juce::XWindowSystemUtilities::ScopedXLock;

// Everything goes through the framework's own connection: requests on it reach the display in
// order with the framework's, after the window they name and before the request to show it. A
// connection of the program's own would see a window only after waiting for the framework's
// queue to be sent, and could cross the framework's own changes to the same hints.
::Display* sharedDisplay()
{
    auto* windowSystem = juce::XWindowSystem::getInstanceWithoutCreating();
    return windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;
}

Window nativeWindowOf (const juce::Component& component)
{
    auto* peer = component.getPeer();
    return peer != nullptr
               ? static_cast<Window> (reinterpret_cast<juce::pointer_sized_uint> (peer->getNativeHandle()))
               : 0;
}

// The group's leader: a window that is never shown, made once on a connection, which takes it
// along when it closes. It is forgotten with that connection, so that one opened later, even at
// the same address, gets a leader of its own rather than the name of a window that has gone.
struct GroupLeader
{
    ::Display* display = nullptr;
    Window window = 0;
};

GroupLeader& currentLeader()
{
    static GroupLeader leader;
    return leader;
}

int forgetLeaderOf (::Display* closing, XExtCodes*)
{
    if (currentLeader().display == closing)
        currentLeader() = {};
    return 0;
}

Window groupLeader (::Display* display)
{
    auto& leader = currentLeader();
    if (leader.display != display)
    {
        leader = {display, XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 1, 1, 0, 0, 0)};
        // Xlib tells the extensions of a connection when it closes; this one exists for that alone.
        if (auto* codes = XAddExtension (display))
            XESetCloseDisplay (display, codes->extension, forgetLeaderOf);
    }
    return leader.window;
}

// In the program's window group, or in none.
void setGroup (::Display* display, Window window, bool inTheGroup)
{
    XWMHints none{};
    auto* held = XGetWMHints (display, window);
    auto* hints = held != nullptr ? held : &none;
    if (inTheGroup)
    {
        hints->flags |= WindowGroupHint;
        hints->window_group = groupLeader (display);
    }
    else
        hints->flags &= ~WindowGroupHint;
    XSetWMHints (display, window, hints);
    if (held != nullptr)
        XFree (held);
}

// On the screen, or taken in by a window manager, which marks the windows it manages with WM_STATE
// and from then on decides when they show (a minimised one, or one on another desktop, does not).
bool isShownOrManaged (::Display* display, Window window)
{
    const XLock lock;
    XWindowAttributes attributes{};
    if (XGetWindowAttributes (display, window, &attributes) == 0 || attributes.map_state == IsViewable)
        return true;

    const auto wmState = XInternAtom (display, "WM_STATE", True);
    if (wmState == 0)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty (display, window, wmState, 0, 1, False, AnyPropertyType, &type, &format, &count,
                        &remaining, &data);
    if (data != nullptr)
        XFree (data);
    return type != 0;
}

// Shown by the framework, yet neither on the screen nor in a window manager's hands.
bool isHeldUp (const juce::Component& window)
{
    auto* display = sharedDisplay();
    return display != nullptr && window.isVisible() && window.getPeer() != nullptr &&
           !isShownOrManaged (display, nativeWindowOf (window));
}

// Asks again, every so often, until the window is on the screen or in a window manager's hands;
// it goes then, or with the window. Its questions are round trips on the framework's connection,
// which take in the events that came meanwhile: the program looks at Xlib's queue after every
// request (see the application's dispatcher of queued X events), so none of them is left waiting.
class ShowingWatch final : private juce::Timer, private juce::ComponentListener
{
public:
    explicit ShowingWatch (juce::Component& windowToWatch)
        : window (windowToWatch)
    {
        window.addComponentListener (this);
        // Often enough that a window held up shows without a wait anyone notices.
        startTimer (100);
    }

private:
    ~ShowingWatch() override { window.removeComponentListener (this); }

    void timerCallback() override
    {
        // A new request reaches a window manager as news, which it acts on together with the one
        // it holds.
        if (--timesLeft > 0 && isHeldUp (window))
            window.getPeer()->setVisible (true);
        else
            delete this;
    }

    void componentBeingDeleted (juce::Component&) override { delete this; }

    juce::Component& window;
    // For as long as a window manager on a loaded machine may take to set itself up: a minute.
    int timesLeft = 600;
};

// The framework finds what lies under the mouse, the target of a drag among it, in its own order of
// the windows on the desktop, in which a window clicked comes to the front. A window manager keeps
// a tool above the window it serves, or above every window of the program, however often those
// are clicked. So whenever one of the program's windows comes to the front, the tools kept above it
// come to the front after it in the framework's order too (without a request to the window manager,
// which has them there already), in the order the user last brought them forward, and a drop lands
// in the window the user sees.
//
// Bringing a tool forward runs the framework's own front handling, which calls back here and, while
// a component is modal (a field being edited in place, a message box, a menu), brings the modal
// component's window in front again, which calls back here once more. So nothing here runs inside
// itself, and nothing is brought forward while anything is modal: the framework keeps the modal
// component's window in front until it leaves, and the tools come forward then.
class FrontOrder final : private juce::ComponentListener
{
public:
    static FrontOrder& get()
    {
        static FrontOrder order;
        return order;
    }

    void watch (juce::Component& window)
    {
        if (!isWatched (window))
        {
            watched.push_back (&window);
            window.addComponentListener (this);
        }
    }

    void keepAbove (juce::Component& tool, const juce::Component* owner)
    {
        const auto* ownerWindow = owner != nullptr ? owner->getTopLevelComponent() : nullptr;
        for (auto& kept : tools)
            if (kept.tool == &tool)
            {
                kept.owner = const_cast<juce::Component*> (ownerWindow);
                return;
            }
        tools.push_back ({&tool, const_cast<juce::Component*> (ownerWindow)});
        tool.addComponentListener (this);
    }

private:
    struct Kept
    {
        juce::Component::SafePointer<juce::Component> tool, owner;
    };

    bool isWatched (const juce::Component& window)
    {
        prune();
        return std::any_of (watched.begin(), watched.end(), [&] (auto& w) { return w == &window; });
    }

    void prune()
    {
        watched.erase (std::remove (watched.begin(), watched.end(), nullptr), watched.end());
        tools.erase (std::remove_if (tools.begin(), tools.end(), [] (auto& k) { return k.tool == nullptr; }),
                     tools.end());
    }

    void componentBroughtToFront (juce::Component& window) override
    {
        if (restacking)
            return;

        prune();
        // A tool the user brought forward stays in front of the other tools when they come forward.
        const auto asTool =
            std::find_if (tools.begin(), tools.end(), [&] (auto& k) { return k.tool == &window; });
        if (asTool != tools.end())
            std::rotate (asTool, asTool + 1, tools.end());

        if (auto* modal = juce::Component::getCurrentlyModalComponent())
            restackOnceModalEnds (*modal, window);
        else
            bringToolsForward (window);
    }

    void bringToolsForward (juce::Component& window)
    {
        const juce::ScopedValueSetter<bool> busy (restacking, true);
        for (auto& kept : std::vector<Kept> (tools))
            if (kept.tool != nullptr && kept.tool != &window && kept.tool->isShowing() &&
                (kept.owner == nullptr || kept.owner == &window))
                if (auto* peer = kept.tool->getPeer())
                    peer->handleBroughtToFront();
    }

    // Once for each modal component, for the window last brought forward while it was modal.
    void restackOnceModalEnds (juce::Component& modal, juce::Component& window)
    {
        const auto waiting = waitingFor != nullptr;
        frontWhileModal = &window;
        if (waiting && waitingFor == &modal)
            return;

        waitingFor = &modal;
        juce::ModalComponentManager::getInstance()->attachCallback (
            &modal, juce::ModalCallbackFunction::create (
                        [this, ended = juce::Component::SafePointer<juce::Component> (&modal)] (int)
                        {
                            if (waitingFor != ended)
                                return;
                            waitingFor = nullptr;
                            if (auto* front = frontWhileModal.getComponent())
                                componentBroughtToFront (*front);
                        }));
    }

    std::vector<juce::Component::SafePointer<juce::Component>> watched;
    std::vector<Kept> tools;
    bool restacking = false;
    juce::Component::SafePointer<juce::Component> waitingFor, frontWhileModal;
};

// A window's standard name follows its title, on each native window it is given.
class StandardTitles final : private juce::ComponentListener
{
public:
    static void follow (juce::Component& window)
    {
        static StandardTitles titles;
        // Once only: the framework's listener list takes no listener twice.
        window.addComponentListener (&titles);
        publish (window);
    }

private:
    void componentNameChanged (juce::Component& window) override { publish (window); }
    // Also when the window is put on the desktop, with a native window of its own.
    void componentParentHierarchyChanged (juce::Component& window) override { publish (window); }

    static void publish (const juce::Component& window)
    {
        auto* display = sharedDisplay();
        const auto native = nativeWindowOf (window);
        if (display == nullptr || native == 0 || !window.isOnDesktop())
            return;

        const XLock lock;
        const auto* title = window.getName().toRawUTF8();
        const auto utf8 = XInternAtom (display, "UTF8_STRING", False);
        for (auto* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"})
            XChangeProperty (display, native, XInternAtom (display, name, False), utf8, 8, PropModeReplace,
                             reinterpret_cast<const unsigned char*> (title), (int)std::strlen (title));
        // Now, not whenever the framework next sends its own requests: a title changes as the user acts.
        XFlush (display);
    }
};
} // namespace

void WindowStacking::carryTitle (juce::Component& window)
{
    StandardTitles::follow (window);
}

void WindowStacking::joinProgram (juce::Component& window)
{
    auto* display = sharedDisplay();
    const auto native = nativeWindowOf (window);
    if (display == nullptr || native == 0)
        return;

    FrontOrder::get().watch (window);
    StandardTitles::follow (window);
    RestoredWindowPlace::keep (window);
    const XLock lock;
    setGroup (display, native, true);
}

void WindowStacking::keepAbove (juce::Component& tool, const juce::Component* owner)
{
    auto* display = sharedDisplay();
    const auto native = nativeWindowOf (tool);
    if (display == nullptr || native == 0)
        return;

    FrontOrder::get().keepAbove (tool, owner);
    StandardTitles::follow (tool);
    RestoredWindowPlace::keep (tool);
    const XLock lock;
    // Transient for the root window stands for the whole group, as window managers read it. Such a
    // tool is kept above every window of the group, and some window managers (openbox) count the
    // other tools among those: a tool of one main window kept in the group could never come in
    // front of the application's tools, though opened or clicked last. Out of the group, it stays
    // above the window it is transient for, and the tools take turns in front.
    const auto ownerWindow = owner != nullptr ? nativeWindowOf (*owner->getTopLevelComponent()) : 0;
    setGroup (display, native, ownerWindow == 0);
    XSetTransientForHint (display, native, ownerWindow != 0 ? ownerWindow : DefaultRootWindow (display));
}

void WindowStacking::showOnScreen (juce::Component& window)
{
    window.setVisible (true);
    // It goes by itself, once it has nothing left to do or with the window.
    new ShowingWatch (window);
}

#else

void WindowStacking::carryTitle (juce::Component&) {}

void WindowStacking::joinProgram (juce::Component&) {}

void WindowStacking::keepAbove (juce::Component&, const juce::Component*) {}

void WindowStacking::showOnScreen (juce::Component& window)
{
    window.setVisible (true);
}

#endif
