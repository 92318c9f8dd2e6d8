#pragma once

#include "model/MEditorControl.h"

// One knob of the preset: its controller or NRPN settings and value range.
class VexoKnob : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoKnob>;

    static constexpr int recordSize = 9;

    VexoKnob();
    ~VexoKnob() override = default;

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoKnob)
};
