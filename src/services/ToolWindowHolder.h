#pragma once

#include "services/WindowPlacement.h"
#include "services/WindowStacking.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <type_traits>
#include <utility>

namespace tool_window_detail
{
template <typename WindowType, typename = void>
struct HasReleaseContent : std::false_type
{
};

template <typename WindowType>
struct HasReleaseContent<WindowType, std::void_t<decltype (std::declval<WindowType&>().releaseContent())>>
    : std::true_type
{
};

// Keeps a window alive until the message loop next runs, then lets it go.
void releaseLater (juce::ReferenceCountedObjectPtr<juce::ReferenceCountedObject> window);
} // namespace tool_window_detail

// Where a tool window stands among the program's windows: above the window it serves, as the small
// ones do, or as a window of its own that the window it serves can come in front of. A tool as large
// as its main window needs the latter, or it hides that window's menus for as long as it is open.
enum class ToolStacking
{
    aboveItsWindow,
    ownWindow
};

// Owns one tool window through a counted pointer: makes it on first use, shows it centred, hides
// it, and lets it go. Letting go never destroys the window on the spot: the window leaves the
// screen at once and is destroyed once the message loop runs again, so a window may be closed from
// inside one of its own callbacks (a button click, a listener call, a drop). A window type with a
// releaseContent operation has it called first, which breaks the counted references between the
// window and the objects it made.
template <typename WindowType>
class ToolWindowHolder
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<WindowType>;

    ToolWindowHolder() = default;
    ~ToolWindowHolder() { releaseNow(); }

    WindowType* get() const noexcept { return window.get(); }
    bool exists() const noexcept { return window != nullptr; }

    // The window, made by make() (which returns a new WindowType or a pointer to one) the first
    // time only.
    template <typename Make>
    WindowType& getOrMake (Make&& make)
    {
        if (window == nullptr)
            window = Ptr (std::forward<Make> (make)());
        jassert (window != nullptr);
        return *window;
    }

    // Centres the window at its own size, over the given component's window or on the screen,
    // puts it on the desktop and brings it to the front. Kept above, it stays in front of the given
    // component's window, or of every main window without one, until it is hidden.
    void show (const juce::Component* over = nullptr, ToolStacking stacking = ToolStacking::aboveItsWindow)
    {
        if (window == nullptr)
            return;

        if (over != nullptr)
            window->centreAroundComponent (over->getTopLevelComponent(), window->getWidth(),
                                           window->getHeight());
        else
            window->centreWithSize (window->getWidth(), window->getHeight());

        if (!window->isOnDesktop())
            window->addToDesktop();
        if (stacking == ToolStacking::aboveItsWindow)
            WindowStacking::keepAbove (*window, over);
        else
            WindowStacking::joinProgram (*window);
        placement.keepWhereAsked (*window);
        window->setVisible (true);
        window->toFront (true);
    }

    // Off the screen; kept for the next show.
    void hide()
    {
        if (window != nullptr)
            window->setVisible (false);
    }

    // Lets go of the window; see the class comment.
    void release()
    {
        if (auto gone = takeWindow())
            tool_window_detail::releaseLater (gone.get());
    }

    // Lets go of the window at once; only for callers outside the window's own callbacks, such as
    // the program's shut-down.
    void releaseNow() { takeWindow(); }

private:
    Ptr takeWindow()
    {
        auto gone = std::exchange (window, nullptr);
        if (gone != nullptr)
        {
            if constexpr (tool_window_detail::HasReleaseContent<WindowType>::value)
                gone->releaseContent();
            gone->setVisible (false);
            if (gone->isOnDesktop())
                gone->removeFromDesktop();
        }
        return gone;
    }

    Ptr window;
    WindowPlacement placement;

    JUCE_DECLARE_NON_COPYABLE (ToolWindowHolder)
};
