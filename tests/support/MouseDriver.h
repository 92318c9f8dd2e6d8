#pragma once

#include "support/MessageLoop.h"
#include "support/OnScreen.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace testing_support
{
// Plays the mouse into a window through its peer, as the system's events would: the framework's
// own drag and drop then runs for real. A component that is in no window yet is put in one of its
// own, beyond the edge of every screen (see OnScreen); a window already on the desktop stays
// where it is.
class MouseDriver
{
public:
    explicit MouseDriver (juce::Component& window)
        : component (&window)
        , shown (window)
    {
        pumpMessages (20);
    }

    void moveTo (juce::Point<int> position) { send (position, {}); }
    void press (juce::Point<int> position) { send (position, juce::ModifierKeys::leftButtonModifier); }
    void dragTo (juce::Point<int> position) { send (position, juce::ModifierKeys::leftButtonModifier); }
    void release (juce::Point<int> position) { send (position, {}); }

    // Drags in small steps, as a hand would, with the message loop running between them.
    void dragAlong (juce::Point<int> from, juce::Point<int> to, int steps = 8)
    {
        for (int i = 1; i <= steps; ++i)
        {
            dragTo (from + (to - from) * i / steps);
            pumpMessages (5);
        }
    }

    // Where a child's centre is, in the window.
    juce::Point<int> centreOf (juce::Component& child) const
    {
        return component->getLocalArea (&child, child.getLocalBounds()).getCentre();
    }

    // Lets a drag's picture finish fading: it fades in a window of its own, which the framework
    // cannot take down once the display connection is closed at the end of the run.
    static bool waitForDragPictures()
    {
        return pumpUntil ([] { return !juce::Desktop::getInstance().getAnimator().isAnimating(); });
    }

private:
    void send (juce::Point<int> position, juce::ModifierKeys modifiers)
    {
        ASSERT_NE (component, nullptr);
        auto* peer = component->getPeer();
        ASSERT_NE (peer, nullptr);
        time += 20;
        peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position.toFloat(), modifiers,
                                juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, time);
    }

    juce::Component::SafePointer<juce::Component> component;
    OnScreen shown;
    juce::int64 time = juce::Time::currentTimeMillis();
};
} // namespace testing_support
