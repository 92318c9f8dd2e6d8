#include "services/WindowPlacement.h"

namespace
{
// Far longer than a window manager takes to place a window it is asked to show.
constexpr int placingTimeMs = 2000;

// Whether the framework knows the window's frame. It takes a frame of no size for one it does not
// know yet, and asks the window manager again; so does this.
bool frameIsKnown (const juce::Component& window)
{
    auto* peer = window.getPeer();
    const auto frame =
        peer != nullptr ? peer->getFrameSizeIfPresent() : juce::ComponentPeer::OptionalBorderSize();
    return frame && (frame->getTop() != 0 || frame->getLeft() != 0);
}
} // namespace

WindowPlacement::~WindowPlacement()
{
    stopWatching();
}

void WindowPlacement::keepWhereAsked (juce::Component& window)
{
    stopWatching();
    if (window.getPeer() == nullptr)
        return;

    watched = &window;
    asked = window.getPosition();
    window.addComponentListener (this);
    startTimer (placingTimeMs);
}

void WindowPlacement::componentMovedOrResized (juce::Component& window, bool wasMoved, bool wasResized)
{
    // Moved back by a frame the framework does not know, the window would land off by it again.
    if (!frameIsKnown (window))
        return;

    stopWatching();

    // A drag with the mouse or a new size (maximised, tiled) is the user's doing, not a placing.
    const auto placed =
        wasMoved && !wasResized && !juce::ModifierKeys::getCurrentModifiersRealtime().isAnyMouseButtonDown();
    if (placed && window.getPosition() != asked)
        window.setTopLeftPosition (asked);
}

void WindowPlacement::componentVisibilityChanged (juce::Component& window)
{
    if (!window.isVisible())
        stopWatching();
}

void WindowPlacement::componentBeingDeleted (juce::Component&)
{
    stopWatching();
}

void WindowPlacement::timerCallback()
{
    stopWatching();
}

void WindowPlacement::stopWatching()
{
    stopTimer();
    if (auto* window = watched.getComponent())
        window->removeComponentListener (this);
    watched = nullptr;
}
