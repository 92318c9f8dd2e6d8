#include "model/VexoBSequencer.h"

#include "model/ByteSlice.h"

namespace
{
using Param = VexoBSequencer::Param;

constexpr int lengthByte = 0;
constexpr int startTypeByte = 1;

int trackOffset (int track)
{
    return VexoBSequencer::headerSize + track * VexoBSequencerTrack::recordSize;
}
} // namespace

VexoBSequencer::VexoBSequencer()
{
    addParameter (Param::sequenceLength, 31, 0, 31);
    addParameter (Param::sequenceStartType, 2, 0, 0);

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
    bytes.add ((juce::uint8)getParameterInt (Param::sequenceLength),
               (juce::uint8)getParameterInt (Param::sequenceStartType), (juce::uint8)0, (juce::uint8)0);

    for (auto* track : tracks)
        bytes.addArray (track->toBytes());

    return bytes;
}

bool VexoBSequencer::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != recordSize)
        return false;

    bool accepted = isWithinRange (Param::sequenceLength, (int)bytes[lengthByte]) &&
                    isWithinRange (Param::sequenceStartType, (int)bytes[startTypeByte]) && bytes[2] == 0 &&
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

    setParameterValue (Param::sequenceLength, (int)bytes[lengthByte]);
    setParameterValue (Param::sequenceStartType, (int)bytes[startTypeByte]);

    for (int t = 0; t < numTracks; ++t)
        tracks.getUnchecked (t)->fromBytes (
            sliceBytes (bytes, trackOffset (t), VexoBSequencerTrack::recordSize));

    return true;
}
