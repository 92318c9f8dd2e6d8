#pragma once

#include "model/MEditorControl.h"

// One pad of the preset: its note, program, aftertouch, colour and to-DIN settings.
class VexoPad : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoPad>;

    static constexpr int recordSize = 11;

    VexoPad();
    ~VexoPad() override = default;

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoPad)
};
