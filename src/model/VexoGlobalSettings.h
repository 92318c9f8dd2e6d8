#pragma once

#include "model/GlobalSettingValuePair.h"

#include <juce_events/juce_events.h>

// The device's ten one-byte global settings, addressed by index 1 to 10.
class VexoGlobalSettings : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoGlobalSettings>;

    // Every setting as an index and value pair, in index order.
    virtual juce::Array<GlobalSettingValuePair> getSettings() const = 0;

    // False for an index outside 1..10; otherwise true, even when the value is refused.
    virtual bool setSetting (GlobalSettingValuePair pair, juce::NotificationType notification) = 0;

    // Announces every setting's current value, in index order, without changing anything.
    virtual void notifyAllSettings (juce::NotificationType notification) = 0;

    ~VexoGlobalSettings() override = default;
};
