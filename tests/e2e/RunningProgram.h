#pragma once

#include "TestProcess.h"

// The built editor, started as its own process with the simulated device. Its windows are reached
// through the functions in Screen.h. A failed assertion or a leak the program reports fails the
// test.
class RunningProgram
{
public:
    RunningProgram() = default;
    ~RunningProgram();

    static juce::File getExecutable();

    // The device as VEXOB_SIMULATED_DEVICE names it: "1" answers at once, "wire" at a real wire's pace.
    bool start (const juce::StringArray& arguments = {}, const juce::String& simulatedDevice = "1");

    // The exit code once the program has ended, or -1 if it is still running after the time.
    int waitForExit (int timeoutMs = 15000);

    bool isRunning() const { return process.isRunning(); }

private:
    TestProcess process;
    juce::File errorOutput;
    bool started = false;
};
