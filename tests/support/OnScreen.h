#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace testing_support
{
// Puts the window that holds a component on the display for as long as this lives, unless it is
// there already: JUCE gives the keyboard focus (and so a text editor that opens) only to what is
// on screen. The window stands beyond the edge of every screen, where the display's own pointer
// never comes: the pointer crossing it would bring events of its own, and other programs on the
// same display move it about.
class OnScreen
{
public:
    explicit OnScreen (juce::Component& component)
        : window (component.getTopLevelComponent())
    {
        if (window->isOnDesktop())
            return;
        placedAt = window->getPosition();
        wasVisible = window->isVisible();
        window->setTopLeftPosition (farAway);
        window->addToDesktop (juce::ComponentPeer::windowIsTemporary);
        window->setVisible (true);
        added = true;
    }

    ~OnScreen()
    {
        if (!added || window == nullptr)
            return;
        if (window->isOnDesktop())
            window->removeFromDesktop();
        window->setVisible (wasVisible);
        window->setTopLeftPosition (placedAt);
    }

    OnScreen (const OnScreen&) = delete;
    OnScreen& operator= (const OnScreen&) = delete;

    static constexpr juce::Point<int> farAway{20000, 20000};

private:
    juce::Component::SafePointer<juce::Component> window;
    juce::Point<int> placedAt;
    bool wasVisible = false;
    bool added = false;
};
} // namespace testing_support
