#pragma once

#include <juce_core/juce_core.h>

// One pending notification: knows which listener callback to call, with which arguments, on the
// listeners of its source. Subclasses keep a pointer to the source's own listener list, so the listeners
// called are those registered when the notification is delivered.
class ListenerUpdater : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ListenerUpdater>;

    ~ListenerUpdater() override = default;

    virtual void callListeners() = 0;
};
