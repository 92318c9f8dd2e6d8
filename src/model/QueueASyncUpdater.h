#pragma once

#include "model/ListenerUpdater.h"

#include <juce_events/juce_events.h>

// Queues notifications from any thread and delivers them on the message thread, in the order they were
// queued, each exactly once. Nothing is merged: ten changes make ten callbacks per listener.
class QueueASyncUpdater : public virtual juce::ReferenceCountedObject, public virtual juce::AsyncUpdater
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QueueASyncUpdater>;

    // Notifications still queued are dropped without being delivered.
    ~QueueASyncUpdater() override;

    // juce::sendNotificationSync calls the listeners at once on the calling thread; anything else queues
    // the updater for the message thread.
    void queueUpdate (ListenerUpdater::Ptr updater, juce::NotificationType notification);

    // Delivers the updaters queued when the pass starts; those queued meanwhile wait for the next pass.
    void handleAsyncUpdate() override;

    int getNumQueuedUpdates() const;

protected:
    QueueASyncUpdater() = default;

    // Stops delivery and drops the queue. An owner whose updaters point into its own members calls this
    // first in its destructor, so that no updater outlives what it points to.
    void cancelQueuedUpdates();

private:
    juce::ReferenceCountedArray<ListenerUpdater> queue;
    juce::CriticalSection lock;

    JUCE_DECLARE_NON_COPYABLE (QueueASyncUpdater)
};
