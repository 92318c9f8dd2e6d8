#pragma once

#include <juce_core/juce_core.h>

// The root of every control of a preset: something that has a fixed-length byte record.
class EditorControl : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<EditorControl>;

    // The control's record, always of the same length for a kind of control.
    virtual juce::Array<juce::uint8> toBytes() const = 0;

    // Loads a record; false, and nothing changed, when the record is refused.
    virtual bool fromBytes (const juce::Array<juce::uint8>& bytes) = 0;

    ~EditorControl() override = default;
};
