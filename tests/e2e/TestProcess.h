#pragma once

#include <juce_core/juce_core.h>

// A process a test starts, ended if it still runs and waited for when it goes. The framework's
// ChildProcess does neither: a window manager ran on until its display went, and every process
// stayed a zombie until the test program ended.
class TestProcess final : public juce::ChildProcess
{
public:
    TestProcess() = default;
    ~TestProcess() { end(); }

    // isRunning() waits for one that has ended, and only one still running is killed: an ended
    // one's number may already be another process's.
    void end()
    {
        if (isRunning())
        {
            kill();
            waitForProcessToFinish (-1);
        }
    }
};
