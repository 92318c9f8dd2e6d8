#include "model/QueueASyncUpdater.h"

QueueASyncUpdater::~QueueASyncUpdater()
{
    cancelQueuedUpdates();
}

void QueueASyncUpdater::cancelQueuedUpdates()
{
    const juce::ScopedLock sl (lock);

    while (isUpdatePending())
        cancelPendingUpdate();

    queue.clear();
}

void QueueASyncUpdater::queueUpdate (ListenerUpdater::Ptr updater, juce::NotificationType notification)
{
    if (updater == nullptr)
        return;

    if (notification == juce::sendNotificationSync)
    {
        updater->callListeners();
        return;
    }

    const juce::ScopedLock sl (lock);
    queue.add (updater);
    triggerAsyncUpdate();
}

void QueueASyncUpdater::handleAsyncUpdate()
{
    const juce::ScopedLock sl (lock);

    // Each updater leaves the queue before its listeners are called. Should a listener run the message
    // loop (a modal dialog) and so bring a nested pass, that pass finds only updaters not yet delivered,
    // and the outer pass then never delivers one twice nor drops one.
    for (auto remaining = queue.size(); remaining > 0 && !queue.isEmpty(); --remaining)
    {
        ListenerUpdater::Ptr updater (queue.removeAndReturn (0));
        updater->callListeners();
    }
}

int QueueASyncUpdater::getNumQueuedUpdates() const
{
    const juce::ScopedLock sl (lock);
    return queue.size();
}
