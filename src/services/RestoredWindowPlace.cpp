// The framework declares its X11 side only when asked before its GUI module is first included.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "services/RestoredWindowPlace.h"

#if JUCE_LINUX || JUCE_BSD
// For the hook that sees each event as Xlib reads it.
#include <X11/Xlibint.h>

#include <map>
#include <mutex>

namespace
{
::Window nativeWindowOf (const juce::Component& component)
{
    auto* peer = component.getPeer();
    return peer != nullptr
               ? static_cast<::Window> (reinterpret_cast<juce::pointer_sized_uint> (peer->getNativeHandle()))
               : 0;
}

// When the program's windows left the screen and came back. The framework keeps no note of a
// window manager's minimise, so Xlib's own converter of each unmap and map event read on the
// framework's connection is wrapped: it notes the event for a window of the program before the
// framework sees it, in the order the events came. Nothing else happens inside Xlib's read.
class Mappings
{
public:
    static Mappings& get()
    {
        static Mappings mappings;
        return mappings;
    }

    void watch (::Window window)
    {
        auto* windowing = juce::XWindowSystem::getInstanceWithoutCreating();
        auto* display = windowing != nullptr ? windowing->getDisplay() : nullptr;
        if (display == nullptr || window == 0)
            return;

        const juce::XWindowSystemUtilities::ScopedXLock xLock;
        // A connection made anew, even at an old one's address, has Xlib's own converters again.
        if (display->event_vec[MapNotify] != note)
        {
            previousConverter[MapNotify] = XESetWireToEvent (display, MapNotify, note);
            previousConverter[UnmapNotify] = XESetWireToEvent (display, UnmapNotify, note);
        }
        const std::lock_guard<std::mutex> lock (guard);
        windows.emplace (window, Mapping{});
    }

    void forget (::Window window)
    {
        const std::lock_guard<std::mutex> lock (guard);
        windows.erase (window);
    }

    // Whether the window came back on the screen within the last moments.
    bool isComingBack (::Window window)
    {
        // Far longer than a window manager takes to show a window growing back from its icon, far
        // shorter than a user takes to pick up a window just restored.
        constexpr juce::uint32 comingBackMs = 500;
        const std::lock_guard<std::mutex> lock (guard);
        const auto found = windows.find (window);
        return found != windows.end() && found->second.backAt != 0 &&
               juce::Time::getMillisecondCounter() - found->second.backAt < comingBackMs;
    }

private:
    struct Mapping
    {
        bool off = false;
        juce::uint32 backAt = 0;
    };

    static Bool note (::Display* display, XEvent* event, xEvent* wire)
    {
        auto& mappings = get();
        const auto type = wire->u.u.type & 0x7f;
        if (!mappings.previousConverter[type](display, event, wire))
            return False;

        const auto window = type == MapNotify ? event->xmap.window : event->xunmap.window;
        const std::lock_guard<std::mutex> lock (mappings.guard);
        const auto found = mappings.windows.find (window);
        if (found != mappings.windows.end())
        {
            auto& mapping = found->second;
            if (type == MapNotify && mapping.off)
                mapping.backAt = juce::jmax (juce::Time::getMillisecondCounter(), (juce::uint32)1);
            mapping.off = type == UnmapNotify;
        }
        return True;
    }

    Bool (*previousConverter[LASTEvent]) (::Display*, XEvent*, xEvent*) = {};
    std::mutex guard;
    std::map<::Window, Mapping> windows;
};

class RestoredPlaces final : private juce::ComponentListener
{
public:
    static RestoredPlaces& get()
    {
        static RestoredPlaces places;
        return places;
    }

    void keep (juce::Component& window)
    {
        const auto [found, added] = places.emplace (&window, Place{window.getPosition()});
        if (added)
            window.addComponentListener (this);
        watchNativeWindow (window, found->second);
    }

private:
    struct Place
    {
        juce::Point<int> where;
        ::Window native = 0;
    };

    static void watchNativeWindow (const juce::Component& window, Place& place)
    {
        const auto native = nativeWindowOf (window);
        if (native == place.native)
            return;
        Mappings::get().forget (place.native);
        Mappings::get().watch (place.native = native);
    }

    void componentMovedOrResized (juce::Component& window, bool wasMoved, bool) override
    {
        if (!wasMoved)
            return;
        auto& place = places.at (&window);
        if (!Mappings::get().isComingBack (place.native))
            place.where = window.getPosition();
        else if (window.getPosition() != place.where)
            window.setTopLeftPosition (place.where);
    }

    // Also when the window is given a new native window.
    void componentParentHierarchyChanged (juce::Component& window) override
    {
        watchNativeWindow (window, places.at (&window));
    }

    void componentBeingDeleted (juce::Component& window) override
    {
        window.removeComponentListener (this);
        Mappings::get().forget (places.at (&window).native);
        places.erase (&window);
    }

    std::map<juce::Component*, Place> places;
};
} // namespace

void RestoredWindowPlace::keep (juce::Component& window)
{
    RestoredPlaces::get().keep (window);
}

#else

void RestoredWindowPlace::keep (juce::Component&) {}

#endif
