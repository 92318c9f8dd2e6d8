#pragma once

#include <juce_events/juce_events.h>

// Makes sure the message loop sees a quit. The framework's Linux loop waits in poll() for the next
// event and looks at its quit flag only once it has dispatched one. A quit asked for from inside
// a message that ran a modal loop of its own (the File menu's Quit, whose save questions are
// modal) has its quit message delivered by that same message's callback, and the nested loop has
// by then left the outer one believing it dispatched nothing; no message can be posted after a
// quit, so nothing would ever wake it and the program would stay with no window. A byte on a pipe
// of its own, which the loop polls too, wakes it once more. Elsewhere this does nothing.
class QuitWake
{
public:
    QuitWake();
    ~QuitWake();

    // Right after a quit has been asked for; any thread.
    void wake();

private:
    int pipeEnds[2] = {-1, -1};

    JUCE_DECLARE_NON_COPYABLE (QuitWake)
};
