#pragma once

#include "model/ControlBank.h"
#include "model/VexoEditorPreset.h"
#include "model/VexoFader.h"
#include "model/VexoKnob.h"
#include "model/VexoPad.h"
#include "model/VexoSwitch.h"
#include "model/VexoTransport.h"

// A preset of the first model: 64 pads, 24 knobs, 24 faders, 24 switches and the transport, and the
// 1398-byte data block made of their records. Controls are shared, not copied: editing a control got
// from an accessor edits the preset.
class VexoAEditorPreset : public VexoEditorPreset, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoAEditorPreset>;

    // Where each part of the data block begins.
    static constexpr int nameOffset = 0;
    static constexpr int reservedOffset = nameOffset + nameSize; // always 0x00
    static constexpr int transportOffset = reservedOffset + 1;
    static constexpr int padsOffset = transportOffset + VexoTransport::recordSize;
    static constexpr int knobsOffset = padsOffset + ControlBank::numPads * VexoPad::recordSize;
    static constexpr int fadersOffset = knobsOffset + ControlBank::numKnobs * VexoKnob::recordSize;
    static constexpr int switchesOffset = fadersOffset + ControlBank::numFaders * VexoFader::recordSize;
    static constexpr int dataSize = switchesOffset + ControlBank::numSwitches * VexoSwitch::recordSize;

    VexoAEditorPreset();
    ~VexoAEditorPreset() override = default;

    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;
    int getDataSize() const override;

    // What validateBytes of a new first-model preset answers, without making one.
    static bool isValidBlock (const juce::Array<juce::uint8>& bytes);

    // By flat index; null outside the range.
    virtual VexoPad::Ptr getPad (int index) const;
    virtual VexoFader::Ptr getFader (int index) const;
    virtual VexoTransport::Ptr getTransport() const;
    virtual VexoKnob::Ptr getKnob (int index) const;
    virtual VexoSwitch::Ptr getSwitch (int index) const;

protected:
    // The first model's part of a data block: dataSize bytes from block. A block is checked once, as
    // a whole, and then loaded without checking its records again.
    void writeBlock (juce::uint8* block) const;
    bool acceptsBlock (const juce::uint8* block) const;
    void loadAcceptedBlock (const juce::uint8* block);
    // The first model's part of a block as a new preset checks it.
    static const ByteRanges& getFirstModelRanges();
    // True while no control of the first model's part has handed out a parameter's data, so that
    // every limit is still its table's.
    bool firstModelControlsKeepTheirTables() const;

private:
    juce::ReferenceCountedArray<VexoPad> pads;
    juce::ReferenceCountedArray<VexoFader> faders;
    juce::ReferenceCountedArray<VexoKnob> knobs;
    juce::ReferenceCountedArray<VexoSwitch> switches;
    VexoTransport::Ptr transport;

    JUCE_DECLARE_NON_COPYABLE (VexoAEditorPreset)
};
