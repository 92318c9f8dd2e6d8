#pragma once

#include "model/MEditorControl.h"

// One fader of the preset: its controller and value range.
class VexoFader : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoFader>;

    static constexpr int recordSize = 6;

    VexoFader();
    ~VexoFader() override = default;

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoFader)
};
