#pragma once

#include "model/MEditorControl.h"
#include "model/VexoBSequencerTrack.h"

// The step sequencer: a length, a start type and one track per pad (track t belongs to pad t).
class VexoBSequencer : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoBSequencer>;

    // The names under which the sequencer's own parameters are bound, written and found, in the order
    // the constructor declares them. Its steps belong to its tracks (VexoBSequencerTrack::Param).
    struct Param
    {
        static constexpr const char* sequenceLength = "Sequence Length";
        static constexpr const char* sequenceStartType = "Sequence StartType";
    };

    static constexpr int numTracks = 64;
    static constexpr int headerSize = 4;
    static constexpr int recordSize = headerSize + numTracks * VexoBSequencerTrack::recordSize;

    VexoBSequencer();
    ~VexoBSequencer() override = default;

    // Null outside 0..63.
    VexoBSequencerTrack::Ptr getTrack (int index) const;

    // Switches every step of every track off; the length and the start type stay.
    void clearAllTracks();

    // The sequencer's own two parameters, with their ranges and places in the record's header.
    static const ParameterTable& getParameterTable();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

    // hasHandedOutParameterData, for the sequencer and its tracks together.
    bool anyHasHandedOutParameterData() const;

    // The header, then every track's record.
    int getRecordSize() const override;
    void writeRecord (juce::uint8* record) const override;
    bool acceptsRecord (const juce::uint8* record) const override;
    void loadAcceptedRecord (const juce::uint8* record) override;

private:
    juce::ReferenceCountedArray<VexoBSequencerTrack> tracks;

    JUCE_DECLARE_NON_COPYABLE (VexoBSequencer)
};
