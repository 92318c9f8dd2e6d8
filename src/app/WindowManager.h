#pragma once

#include "app/MainWindow.h"

// Keeps the open main windows in the order they were opened, cascades new ones and numbers the
// untitled ones.
class WindowManager final : public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<WindowManager>;

    WindowManager() = default;
    ~WindowManager() override = default;

    // Appends the window, places it at (15n + 15, 15n + 60) for the n windows now open and shows it.
    void addWindow (MainWindow* window);

    // Lets go of the window, which closes it unless someone else still holds it.
    void removeWindow (MainWindow* window);

    int getNumWindows() const { return windows.size(); }

    // Every window ever added in this run, closed ones included; untitled windows are numbered by it.
    int getNumWindowsCreated() const { return windowsCreated; }

    // A copy of the list, so that callers may close windows while they walk it.
    juce::ReferenceCountedArray<MainWindow> getWindows() const { return windows; }

    // The listed window that is the active top-level window, or null.
    MainWindow* getActiveWindow() const;

    void minimiseActiveWindow();
    void bringAllToFront();

private:
    juce::ReferenceCountedArray<MainWindow> windows;
    int windowsCreated = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WindowManager)
};
