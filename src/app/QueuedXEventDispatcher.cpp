// The framework's display connection is reached through its X11 declarations, which it shows only
// to a file that asks for them before its first include of the module.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "app/QueuedXEventDispatcher.h"

#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <atomic>

namespace
{
// Xlib's hook takes no data of its own, so the one dispatcher is found here.
std::atomic<juce::AsyncUpdater*> dispatcher{nullptr};
::Display* watchedDisplay = nullptr;
int (*previousAfterRequest) (::Display*) = nullptr;

// Called by Xlib after every request on the connection, on the thread that made it, once the
// connection is unlocked. It only reads the queue's length, which costs no request and no read,
// and asks for a message when something waits. The function it replaced goes first: one that makes
// a round trip of its own (Xlib's synchronous mode does, after every request) reads events too.
int afterRequest (::Display* display)
{
    const int result = previousAfterRequest != nullptr ? previousAfterRequest (display) : 0;
    if (XQLength (display) > 0)
        if (auto* waiting = dispatcher.load())
            waiting->triggerAsyncUpdate();
    return result;
}
} // namespace

QueuedXEventDispatcher::QueuedXEventDispatcher()
{
    auto* windowing = juce::XWindowSystem::getInstance();
    auto* display = windowing != nullptr ? windowing->getDisplay() : nullptr;
    if (display == nullptr || dispatcher.load() != nullptr)
        return;

    const juce::XWindowSystemUtilities::ScopedXLock lock;
    dispatcher = this;
    watchedDisplay = display;
    previousAfterRequest = XSetAfterFunction (display, afterRequest);
}

QueuedXEventDispatcher::~QueuedXEventDispatcher()
{
    if (dispatcher.load() == this)
    {
        auto* windowing = juce::XWindowSystem::getInstanceWithoutCreating();
        if (windowing != nullptr && windowing->getDisplay() == watchedDisplay)
        {
            const juce::XWindowSystemUtilities::ScopedXLock lock;
            XSetAfterFunction (watchedDisplay, previousAfterRequest);
        }
        dispatcher = nullptr;
        watchedDisplay = nullptr;
        previousAfterRequest = nullptr;
    }
    cancelPendingUpdate();
}

void QueuedXEventDispatcher::handleAsyncUpdate()
{
    auto* windowing = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = windowing != nullptr ? windowing->getDisplay() : nullptr;
    if (display == nullptr)
        return;

    {
        // The framework's own reading of events usually takes them first, and then there is
        // nothing left to do.
        const juce::XWindowSystemUtilities::ScopedXLock lock;
        if (XEventsQueued (display, QueuedAlready) == 0)
            return;
    }
    // The framework's own reader of the connection, as if its socket had data: it takes every event
    // queued and hands each to its window.
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (XConnectionNumber (display));
}

#else

QueuedXEventDispatcher::QueuedXEventDispatcher() = default;
QueuedXEventDispatcher::~QueuedXEventDispatcher() = default;
void QueuedXEventDispatcher::handleAsyncUpdate() {}

#endif
