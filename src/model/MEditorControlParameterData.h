#pragma once

#include <juce_data_structures/juce_data_structures.h>

// One named parameter of a control: its current value and its inclusive limits. Each of the three is a
// value source of its own, so views can bind to the current value without touching the limits.
class MEditorControlParameterData : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MEditorControlParameterData>;

    MEditorControlParameterData() = default;
    MEditorControlParameterData (const juce::var& initialValue, const juce::var& minimum,
                                 const juce::var& maximum);
    // The value shares sharedValue's source; the limits are sources of their own.
    MEditorControlParameterData (const juce::Value& sharedValue, const juce::var& minimum,
                                 const juce::var& maximum);

    juce::Value value;
    juce::Value min;
    juce::Value max;

private:
    JUCE_DECLARE_NON_COPYABLE (MEditorControlParameterData)
};
