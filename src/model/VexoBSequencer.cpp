#include "model/VexoBSequencer.h"

#include "model/ByteSlice.h"

namespace
{
constexpr int lengthByte = 0;
constexpr int startTypeByte = 1;

int trackOffset (int track)
{
    return VexoBSequencer::headerSize + track * VexoBSequencerTrack::recordSize;
}
} // namespace

VexoBSequencer::VexoBSequencer()
{
    addParameter ("Sequence Length", 31, 0, 31);
    addParameter ("Sequence StartType", 2, 0, 0);

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
    juce::Array<juce::uint8> bytes;
    bytes.ensureStorageAllocated (recordSize);
    bytes.add ((juce::uint8)getParameterInt ("Sequence Length"),
               (juce::uint8)getParameterInt ("Sequence StartType"), (juce::uint8)0, (juce::uint8)0);

    for (auto* track : tracks)
        bytes.addArray (track->toBytes());

    return bytes;
}

bool VexoBSequencer::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != recordSize)
        return false;

    bool accepted = isWithinRange ("Sequence Length", (int)bytes[lengthByte]) &&
                    isWithinRange ("Sequence StartType", (int)bytes[startTypeByte]) && bytes[2] == 0 &&
                    bytes[3] == 0;

    for (int t = 0; t < numTracks; ++t)
        if (!tracks.getUnchecked (t)->validateBytes (
                sliceBytes (bytes, trackOffset (t), VexoBSequencerTrack::recordSize)))
            accepted = false;

    return accepted;
}

bool VexoBSequencer::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    if (!validateBytes (bytes))
        return false;

    setParameterValue ("Sequence Length", (int)bytes[lengthByte]);
    setParameterValue ("Sequence StartType", (int)bytes[startTypeByte]);

    for (int t = 0; t < numTracks; ++t)
        tracks.getUnchecked (t)->fromBytes (
            sliceBytes (bytes, trackOffset (t), VexoBSequencerTrack::recordSize));

    return true;
}
