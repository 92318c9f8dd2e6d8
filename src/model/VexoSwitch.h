#pragma once

#include "model/MEditorControl.h"

// One switch of the preset: its controller, program, note or key settings.
class VexoSwitch : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoSwitch>;

    static constexpr int recordSize = 13;

    VexoSwitch();
    ~VexoSwitch() override = default;

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoSwitch)
};
