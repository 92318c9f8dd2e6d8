#pragma once

#include <juce_core/juce_core.h>

// A process a test starts, ended if still running and waited for when it goes, which ChildProcess is not:
// a window manager ran on until its display went, and every process stayed a zombie till the program ended.
struct TestProcess final : juce::ChildProcess
{
    ~TestProcess() { end(); }
    // isRunning() reaps an ended one; only a running one is killed: an ended one's number may be reused.
    void end()
    {
        if (isRunning() && kill())
            waitForProcessToFinish (-1);
    }
};
