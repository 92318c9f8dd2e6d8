#pragma once

#include <juce_core/juce_core.h>

// A preset of any model: something with a data block of a fixed size for its model.
class EditorPreset : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<EditorPreset>;

    virtual juce::Array<juce::uint8> toBytes() const = 0;
    virtual bool validateBytes (const juce::Array<juce::uint8>& bytes) const = 0;

    // All or nothing: a refused block leaves every value and the name as they were.
    virtual bool fromBytes (const juce::Array<juce::uint8>& bytes) = 0;

    virtual int getDataSize() const = 0;

    ~EditorPreset() override = default;
};
