#pragma once

#include "model/VexoAEditorPreset.h"
#include "model/VexoBSequencer.h"

// A preset of the second model: the first model's controls followed by the step sequencer; its data
// block is the first model's 1398 bytes followed by the sequencer's 2052.
class VexoBEditorPreset : public virtual juce::ReferenceCountedObject, public VexoAEditorPreset
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoBEditorPreset>;

    static constexpr int sequencerOffset = VexoAEditorPreset::dataSize;
    static constexpr int dataSize = sequencerOffset + VexoBSequencer::recordSize;

    // Named "Preset", every control at its initial values.
    VexoBEditorPreset();
    ~VexoBEditorPreset() override = default;

    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;
    int getDataSize() const override;

    // What validateBytes of a new preset answers, without making one: the check of a preset file or
    // a dump that is not yet to be loaded anywhere.
    static bool isValidBlock (const juce::Array<juce::uint8>& bytes);

    VexoBSequencer::Ptr getSequencer() const;

private:
    static const ByteRanges& getRanges();

    VexoBSequencer::Ptr sequencer;

    JUCE_DECLARE_NON_COPYABLE (VexoBEditorPreset)
};
