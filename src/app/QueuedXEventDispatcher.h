#pragma once

#include <juce_events/juce_events.h>

// Hands the framework the X events that have reached its display connection but wait unseen in
// Xlib's queue. The framework reads the connection only when its socket has data. But any call on
// that connection that waits for an answer from the X server, made from outside the framework's
// own reading of events (the property read and the sync as a window is taken off the screen, the
// query for the mouse position, the focus grab, a round trip of the program's own), also moves the
// events that came in meanwhile from the socket into that queue, where they would wait for the
// next byte on the socket: an Expose left there leaves the area a closed window uncovered showing
// that window's picture until the mouse moves over it.
//
// So the queue is looked at right after every request made on the connection (Xlib calls a
// function of the program's own then), and events found waiting are handed over from a message of
// the dispatcher's own. Nothing runs while nothing is asked of the X server: a program at rest pays
// nothing for it. One at a time; on systems other than X11 this does nothing.
class QueuedXEventDispatcher final : private juce::AsyncUpdater
{
public:
    QueuedXEventDispatcher();
    ~QueuedXEventDispatcher() override;

private:
    // From a message rather than from inside Xlib's call: an event may open a modal box, whose loop
    // must not run inside a request of the framework's.
    void handleAsyncUpdate() override;

    JUCE_DECLARE_NON_COPYABLE (QueuedXEventDispatcher)
};
