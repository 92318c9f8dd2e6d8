#include "RunningProgram.h"

#include <cstdlib>

namespace
{
bool waitFor (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep (50);
    }
    return true;
}
} // namespace

RunningProgram::~RunningProgram()
{
    if (started && process.isRunning())
        process.kill();
}

juce::File RunningProgram::getExecutable()
{
    return juce::File (VEXOB_EDITOR_EXECUTABLE);
}

bool RunningProgram::start (const juce::StringArray& arguments)
{
    ::setenv ("VEXOB_SIMULATED_DEVICE", "1", 1);

    juce::StringArray command{getExecutable().getFullPathName()};
    command.addArray (arguments);

    // Nothing is read from the program's output, so none is captured: a full pipe would stall it.
    started = process.start (command, 0);
    return started;
}

juce::String RunningProgram::run (const juce::StringArray& command)
{
    juce::ChildProcess child;
    if (!child.start (command, juce::ChildProcess::wantStdOut))
        return {};
    auto output = child.readAllProcessOutput();
    child.waitForProcessToFinish (5000);
    return output;
}

juce::String RunningProgram::waitForWindow (const juce::String& exactTitle, int timeoutMs)
{
    juce::String found;
    waitFor (
        [&]
        {
            const auto ids = juce::StringArray::fromLines (
                run ({"xdotool", "search", "--onlyvisible", "--name", "^" + exactTitle + "$"}).trim());
            found = ids.isEmpty() ? juce::String() : ids[0].trim();
            return found.isNotEmpty();
        },
        timeoutMs);
    return found;
}

bool RunningProgram::pressKeys (const juce::String& windowId, const juce::String& keys)
{
    // Press and release go out together, with no delay between them: a key that closes the window
    // would otherwise leave its release nowhere to go, and JUCE would take the key as still held,
    // which sets off that key's button in the next dialog. For the same reason xdotool's exit code
    // is no guide.
    juce::ChildProcess child;
    return child.start (juce::StringArray{"xdotool", "key", "--delay", "0", "--window", windowId, keys}, 0) &&
           child.waitForProcessToFinish (5000);
}

bool RunningProgram::pressKeysUntil (const juce::String& exactTitle, const juce::String& keys,
                                     const std::function<bool()>& effect, int timeoutMs)
{
    // A key can come too early, before the program listens, or reach a window that JUCE has just
    // replaced with a new native one; so the keys go again until they show their effect.
    return waitFor (
        [&]
        {
            const auto id = waitForWindow (exactTitle, 2000);
            return id.isNotEmpty() && pressKeys (id, keys) && waitFor (effect, 3000);
        },
        timeoutMs);
}

int RunningProgram::waitForExit (int timeoutMs)
{
    if (!started || !process.waitForProcessToFinish (timeoutMs))
        return -1;
    return (int)process.getExitCode();
}
