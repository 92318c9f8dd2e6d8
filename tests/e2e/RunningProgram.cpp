#include "RunningProgram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

RunningProgram::~RunningProgram()
{
    process.end();
    if (!started)
        return;

    // The program's own failed checks (a Debug build reports them) fail the test that ran it.
    const auto errors = errorOutput.loadFileAsString();
    errorOutput.deleteFile();
    std::cerr << errors;
    if (errors.contains ("JUCE Assertion failure"))
        ADD_FAILURE() << "the program reported a failed assertion or a leak:\n" << errors;
}

juce::File RunningProgram::getExecutable()
{
    return juce::File (VEXOB_EDITOR_EXECUTABLE);
}

bool RunningProgram::start (const juce::StringArray& arguments, const juce::String& simulatedDevice)
{
    ::setenv ("VEXOB_SIMULATED_DEVICE", simulatedDevice.toRawUTF8(), 1);

    // Only the error output is kept, in a file: a pipe nobody reads would stall the program once
    // full. The shell makes way for the program (exec), so the process is the program itself.
    errorOutput = juce::File::createTempFile (".errors");
    juce::StringArray command{"/bin/sh", "-c", "exec \"$@\" 2>\"$0\"", errorOutput.getFullPathName(),
                              getExecutable().getFullPathName()};
    command.addArray (arguments);

    started = process.start (command, 0);
    return started;
}

int RunningProgram::waitForExit (int timeoutMs)
{
    if (!started || !process.waitForProcessToFinish (timeoutMs))
        return -1;
    return (int)process.getExitCode();
}
