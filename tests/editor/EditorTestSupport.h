#pragma once

// Helpers shared by the editor's tests: mouse gestures played into a component on the desktop,
// drag details, and a recording drag-state listener.

#include "editor/ControlView.h"
#include "editor/DragableAndDropAbleControl.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

namespace editor_testing
{
// A mouse event on a component, as the framework would hand it to a mouse listener.
inline juce::MouseEvent mouseEventOn (juce::Component& component, juce::Point<float> position = {5.0f, 5.0f})
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position,
                             juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier), 1.0f, 0.0f, 0.0f,
                             0.0f, 0.0f, &component, &component, now, position, now, 1, true);
}

inline juce::DragAndDropTarget::SourceDetails dragOf (juce::Component* source)
{
    return juce::DragAndDropTarget::SourceDetails (juce::var (DragableAndDropAbleControl::dragDescription),
                                                   source, {});
}

// The text of a panel's title: its first label.
inline juce::String titleOf (juce::Component* panel)
{
    if (panel != nullptr)
        for (auto* child : panel->getChildren())
            if (auto* label = dynamic_cast<juce::Label*> (child))
                return label->getText();
    return {};
}

struct DragStateRecorder : DragableAndDropAbleControl::Listener
{
    void dragStateChanged (DragableAndDropAbleControl* control, bool isDragging) override
    {
        EXPECT_TRUE (juce::MessageManager::getInstance()->isThisTheMessageThread());
        calls.emplace_back (control, isDragging);
    }

    std::vector<std::pair<DragableAndDropAbleControl*, bool>> calls;
};

// Plays the mouse into a top-level component through its window, as the system's events would:
// the framework's own drag and drop then runs for real.
class MouseDriver
{
public:
    explicit MouseDriver (juce::Component& topLevel)
        : component (topLevel)
    {
        // The window is put beyond the edge of every screen, where the display's own pointer never
        // comes: the pointer crossing it would bring events with its own button state, ending the
        // played gesture halfway, and other programs on the same display move it about.
        component.setTopLeftPosition (farAway);
        component.addToDesktop (juce::ComponentPeer::windowIsTemporary);
        component.setVisible (true);
        testing_support::pumpMessages (20);
    }

    ~MouseDriver()
    {
        if (component.isOnDesktop())
            component.removeFromDesktop();
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
            testing_support::pumpMessages (5);
        }
    }

    // Where a child's centre is, in the top-level component.
    juce::Point<int> centreOf (juce::Component& child) const
    {
        return component.getLocalArea (&child, child.getLocalBounds()).getCentre();
    }

private:
    void send (juce::Point<int> position, juce::ModifierKeys modifiers)
    {
        auto* peer = component.getPeer();
        ASSERT_NE (peer, nullptr);
        time += 20;
        peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position.toFloat(), modifiers,
                                juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, time);
    }

    static constexpr juce::Point<int> farAway{20000, 20000};

    juce::Component& component;
    juce::int64 time = juce::Time::currentTimeMillis();
};
} // namespace editor_testing
