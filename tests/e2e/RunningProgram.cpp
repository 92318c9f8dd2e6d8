#include "RunningProgram.h"

#include <cstdlib>

RunningProgram::~RunningProgram()
{
    if (started && process.isRunning())
        process.kill();
}

juce::File RunningProgram::getExecutable()
{
    return juce::File (VEXOB_EDITOR_EXECUTABLE);
}

bool RunningProgram::start (const juce::StringArray& arguments, const juce::String& simulatedDevice)
{
    ::setenv ("VEXOB_SIMULATED_DEVICE", simulatedDevice.toRawUTF8(), 1);

    juce::StringArray command{getExecutable().getFullPathName()};
    command.addArray (arguments);

    // Nothing is read from the program's output, so none is captured: a full pipe would stall it.
    started = process.start (command, 0);
    return started;
}

int RunningProgram::waitForExit (int timeoutMs)
{
    if (!started || !process.waitForProcessToFinish (timeoutMs))
        return -1;
    return (int)process.getExitCode();
}
