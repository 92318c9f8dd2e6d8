#include "model/VexoBEditorPreset.h"

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
    juce::uint8 block[dataSize];
    writeBlock (block);
    sequencer->writeRecord (block + sequencerOffset);
    return juce::Array<juce::uint8> (block, dataSize);
}

bool VexoBEditorPreset::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != dataSize)
        return false;

    // While every limit is still its table's, the block is checked in one pass, as a new preset would.
    if (firstModelControlsKeepTheirTables() && !sequencer->anyHasHandedOutParameterData())
        return getRanges().accepts (bytes.getRawDataPointer());

    return acceptsBlock (bytes.getRawDataPointer()) &&
           sequencer->acceptsRecord (bytes.getRawDataPointer() + sequencerOffset);
}

const ByteRanges& VexoBEditorPreset::getRanges()
{
    static const ByteRanges ranges = []
    {
        ByteRanges r (dataSize);
        r.place (getFirstModelRanges(), 0);
        r.place (VexoBSequencer::getParameterTable().getRanges(), sequencerOffset);

        // Tracks refuse no byte, so they add no limit.
        for (int t = 0; t < VexoBSequencer::numTracks; ++t)
            r.place (VexoBSequencerTrack::getParameterTable().getRanges(),
                     sequencerOffset + VexoBSequencer::headerSize + t * VexoBSequencerTrack::recordSize);
        return r;
    }();

    return ranges;
}

bool VexoBEditorPreset::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    // One check of the whole block, then every part is stored without checking it again.
    if (!VexoBEditorPreset::validateBytes (bytes))
        return false;

    loadAcceptedBlock (bytes.getRawDataPointer());
    sequencer->loadAcceptedRecord (bytes.getRawDataPointer() + sequencerOffset);
    return true;
}

bool VexoBEditorPreset::isValidBlock (const juce::Array<juce::uint8>& bytes)
{
    return bytes.size() == dataSize && getRanges().accepts (bytes.getRawDataPointer());
}

VexoBSequencer::Ptr VexoBEditorPreset::getSequencer() const
{
    return sequencer;
}
