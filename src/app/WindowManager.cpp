#include "app/WindowManager.h"

#include "services/WindowStacking.h"

void WindowManager::addWindow (MainWindow* window)
{
    if (window == nullptr || windows.contains (window))
        return;

    windows.add (window);
    ++windowsCreated;

    const auto n = windows.size();
    window->setTopLeftPosition (15 * n + 15, 15 * n + 60);
    // The program's tool windows stay above the main windows of the program only.
    WindowStacking::joinProgram (*window);
    WindowStacking::showOnScreen (*window);
}

void WindowManager::removeWindow (MainWindow* window)
{
    windows.removeObject (window);
}

MainWindow* WindowManager::getActiveWindow() const
{
    MainWindow* active = nullptr;
    for (auto* window : windows)
        if (window->isActiveWindow())
            active = window;
    return active;
}

void WindowManager::minimiseActiveWindow()
{
    for (auto* window : getWindows())
        if (window->isActiveWindow())
            window->setMinimised (true);
}

void WindowManager::bringAllToFront()
{
    for (auto* window : getWindows())
    {
        window->setMinimised (false);
        window->toFront (true);
    }
}
