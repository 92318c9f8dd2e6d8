#include "model/VexoBEditorPreset.h"

#include "model/ByteSlice.h"

VexoBEditorPreset::VexoBEditorPreset()
    : sequencer (new VexoBSequencer())
{
}

int VexoBEditorPreset::getDataSize() const
{
    return dataSize;
}

juce::Array<juce::uint8> VexoBEditorPreset::toBytes() const
{
    auto bytes = VexoAEditorPreset::toBytes();
    bytes.addArray (sequencer->toBytes());
    return bytes;
}

bool VexoBEditorPreset::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != dataSize)
        return false;

    bool accepted = VexoAEditorPreset::validateBytes (sliceBytes (bytes, 0, sequencerOffset));
    accepted = sequencer->validateBytes (sliceBytes (bytes, sequencerOffset, VexoBSequencer::recordSize)) &&
               accepted;
    return accepted;
}

bool VexoBEditorPreset::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    if (!VexoBEditorPreset::validateBytes (bytes))
        return false;

    if (!VexoAEditorPreset::fromBytes (sliceBytes (bytes, 0, sequencerOffset)))
        return false;

    return sequencer->fromBytes (sliceBytes (bytes, sequencerOffset, VexoBSequencer::recordSize));
}

VexoBSequencer::Ptr VexoBEditorPreset::getSequencer() const
{
    return sequencer;
}
