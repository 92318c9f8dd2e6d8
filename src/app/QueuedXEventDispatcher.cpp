// The framework's display connection is reached through its X11 declarations, which it shows only
// to a file that asks for them before its first include of the module.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "app/QueuedXEventDispatcher.h"

#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD
#include <juce_events/native/juce_linux_EventLoopInternal.h>

namespace
{
// The framework's connection to the display, or null while it has none.
::Display* frameworkDisplay()
{
    auto* windowing = juce::XWindowSystem::getInstanceWithoutCreating();
    return windowing != nullptr ? windowing->getDisplay() : nullptr;
}

bool eventsWaitUnseen()
{
    auto* display = frameworkDisplay();
    if (display == nullptr)
        return false;

    // Only counts what Xlib holds already: no request, no read.
    const juce::XWindowSystemUtilities::ScopedXLock lock;
    return juce::X11Symbols::getInstance()->xEventsQueued (display, QueuedAlready) > 0;
}
} // namespace

QueuedXEventDispatcher::QueuedXEventDispatcher()
{
    // The pace of the framework's own repaints on most displays: an event left waiting costs a frame.
    startTimerHz (60);
}

void QueuedXEventDispatcher::timerCallback()
{
    if (eventsWaitUnseen())
        triggerAsyncUpdate();
}

void QueuedXEventDispatcher::handleAsyncUpdate()
{
    // The framework's own reader of the connection, as if its socket had data: it takes every event
    // queued and hands each to its window.
    if (auto* display = frameworkDisplay())
        juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (
            juce::X11Symbols::getInstance()->xConnectionNumber (display));
}

#else

QueuedXEventDispatcher::QueuedXEventDispatcher() = default;

void QueuedXEventDispatcher::timerCallback() {}

void QueuedXEventDispatcher::handleAsyncUpdate() {}

#endif
