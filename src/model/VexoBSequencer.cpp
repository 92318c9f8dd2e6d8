#include "model/VexoBSequencer.h"

namespace
{
int trackOffset (int track)
{
    return VexoBSequencer::headerSize + track * VexoBSequencerTrack::recordSize;
}
} // namespace

const ParameterTable& VexoBSequencer::getParameterTable()
{
    // Bytes 2 and 3 of the header must be 0x00.
    static const ParameterTable table (
        {
            {Param::sequenceLength, 31, 0, 31, 0},
            {Param::sequenceStartType, 2, 0, 0, 1},
        },
        headerSize, {2, 3});
    return table;
}

VexoBSequencer::VexoBSequencer()
{
    declareParameters (getParameterTable());

    tracks.ensureStorageAllocated (numTracks);

    for (int i = 0; i < numTracks; ++i)
        tracks.add (new VexoBSequencerTrack());
}

VexoBSequencerTrack::Ptr VexoBSequencer::getTrack (int index) const
{
    return tracks[index]; // null outside the array
}

void VexoBSequencer::clearAllTracks()
{
    for (auto* track : tracks)
        track->clearSteps();
}

juce::String VexoBSequencer::getTypeName() const
{
    return "Sequencer";
}

juce::Array<juce::uint8> VexoBSequencer::toBytes() const
{
    return recordToBytes();
}

bool VexoBSequencer::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    return recordAccepts (bytes);
}

bool VexoBSequencer::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    return recordLoad (bytes);
}

bool VexoBSequencer::anyHasHandedOutParameterData() const
{
    if (hasHandedOutParameterData())
        return true;

    for (auto* track : tracks)
        if (track->hasHandedOutParameterData())
            return true;

    return false;
}

int VexoBSequencer::getRecordSize() const
{
    return recordSize;
}

void VexoBSequencer::writeRecord (juce::uint8* record) const
{
    MEditorControl::writeRecord (record);

    for (int t = 0; t < numTracks; ++t)
        tracks.getUnchecked (t)->writeRecord (record + trackOffset (t));
}

bool VexoBSequencer::acceptsRecord (const juce::uint8* record) const
{
    bool accepted = MEditorControl::acceptsRecord (record);

    for (int t = 0; t < numTracks; ++t)
        accepted = tracks.getUnchecked (t)->acceptsRecord (record + trackOffset (t)) && accepted;

    return accepted;
}

void VexoBSequencer::loadAcceptedRecord (const juce::uint8* record)
{
    MEditorControl::loadAcceptedRecord (record);

    for (int t = 0; t < numTracks; ++t)
        tracks.getUnchecked (t)->loadAcceptedRecord (record + trackOffset (t));
}
