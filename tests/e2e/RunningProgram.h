#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// The built editor, started as its own process with the simulated device, and the few things a
// user does to it: find a window by its title, press keys in it, wait for the program to end.
class RunningProgram
{
public:
    RunningProgram() = default;
    ~RunningProgram();

    static juce::File getExecutable();

    bool start (const juce::StringArray& arguments = {});

    // The id of the visible top-level window whose whole title matches the pattern (a regular
    // expression), once there is one; empty if none appears within the time.
    static juce::String waitForWindow (const juce::String& exactTitle, int timeoutMs = 15000);

    // Keys as xdotool names them ("ctrl+q", "n"), sent to that window.
    static bool pressKeys (const juce::String& windowId, const juce::String& keys);

    // Sends the keys to the window with that title, again and again, until the effect shows;
    // false if it has not shown within the time.
    static bool pressKeysUntil (const juce::String& exactTitle, const juce::String& keys,
                                const std::function<bool()>& effect, int timeoutMs = 15000);

    // The exit code once the program has ended, or -1 if it is still running after the time.
    int waitForExit (int timeoutMs = 15000);

    bool isRunning() const { return process.isRunning(); }

private:
    static juce::String run (const juce::StringArray& command);

    juce::ChildProcess process;
    bool started = false;
};
