#pragma once

#include <juce_events/juce_events.h>

// Hands the framework the X events that have reached its display connection but wait unseen in
// Xlib's queue. The framework reads the connection only when its socket has data. But any of its
// calls that waits for an answer from the X server, made from elsewhere (the property read and the
// sync as a window is taken off the screen, the query for the mouse position, the focus grab),
// also moves the events that came in meanwhile from the socket into that queue, where they wait
// for the next byte on the socket. An Expose left there leaves the area a closed window uncovered
// showing that window's picture until the mouse moves over it. So the queue is looked at about once
// a frame; on systems other than X11 this does nothing.
class QueuedXEventDispatcher final : private juce::Timer, private juce::AsyncUpdater
{
public:
    QueuedXEventDispatcher();

private:
    void timerCallback() override;

    // From a message of its own rather than from the timer: an event may open a modal box, whose
    // loop is better not run inside a timer's callback.
    void handleAsyncUpdate() override;

    JUCE_DECLARE_NON_COPYABLE (QueuedXEventDispatcher)
};
