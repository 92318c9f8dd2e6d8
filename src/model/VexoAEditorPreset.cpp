#include "model/VexoAEditorPreset.h"

#include "model/ByteSlice.h"

namespace
{
template <typename ControlType>
void createControls (juce::ReferenceCountedArray<ControlType>& controls, int count)
{
    controls.ensureStorageAllocated (count);

    for (int i = 0; i < count; ++i)
        controls.add (new ControlType());
}

template <typename ControlType>
void appendRecords (juce::Array<juce::uint8>& bytes, const juce::ReferenceCountedArray<ControlType>& controls)
{
    for (auto* control : controls)
        bytes.addArray (control->toBytes());
}

template <typename ControlType>
bool acceptsRecords (const juce::ReferenceCountedArray<ControlType>& controls,
                     const juce::Array<juce::uint8>& bytes, int offset)
{
    bool accepted = true;

    for (int i = 0; i < controls.size(); ++i)
        if (!controls.getUnchecked (i)->validateBytes (
                sliceBytes (bytes, offset + i * ControlType::recordSize, ControlType::recordSize)))
            accepted = false;

    return accepted;
}

template <typename ControlType>
void loadRecords (juce::ReferenceCountedArray<ControlType>& controls, const juce::Array<juce::uint8>& bytes,
                  int offset)
{
    for (int i = 0; i < controls.size(); ++i)
        controls.getUnchecked (i)->fromBytes (
            sliceBytes (bytes, offset + i * ControlType::recordSize, ControlType::recordSize));
}

// The name as stored: a zero byte adds nothing, and the filling spaces stay part of the name.
juce::String nameFromBytes (const juce::Array<juce::uint8>& bytes)
{
    juce::String text;

    for (auto byte : bytes)
        if (byte != 0)
            text += (juce::juce_wchar)byte;

    return text;
}
} // namespace

VexoAEditorPreset::VexoAEditorPreset()
{
    createControls (pads, ControlBank::numPads);
    createControls (knobs, ControlBank::numKnobs);
    createControls (faders, ControlBank::numFaders);
    createControls (switches, ControlBank::numSwitches);
    transport = new VexoTransport();
}

int VexoAEditorPreset::getDataSize() const
{
    return switchesOffset + VexoSwitch::recordSize * switches.size();
}

juce::Array<juce::uint8> VexoAEditorPreset::toBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.ensureStorageAllocated (getDataSize());

    bytes.addArray (nameToBytes());
    bytes.add (0);
    bytes.addArray (transport->toBytes());
    appendRecords (bytes, pads);
    appendRecords (bytes, knobs);
    appendRecords (bytes, faders);
    appendRecords (bytes, switches);
    return bytes;
}

bool VexoAEditorPreset::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != VexoAEditorPreset::getDataSize())
        return false;

    bool accepted = validateNameBytes (sliceBytes (bytes, nameOffset, nameSize));
    accepted = bytes[reservedOffset] == 0 && accepted;
    accepted =
        transport->validateBytes (sliceBytes (bytes, transportOffset, VexoTransport::recordSize)) && accepted;
    accepted = acceptsRecords (pads, bytes, padsOffset) && accepted;
    accepted = acceptsRecords (knobs, bytes, knobsOffset) && accepted;
    accepted = acceptsRecords (faders, bytes, fadersOffset) && accepted;
    accepted = acceptsRecords (switches, bytes, switchesOffset) && accepted;
    return accepted;
}

bool VexoAEditorPreset::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    // The whole block is checked before anything is stored, so a refused block changes nothing.
    if (!VexoAEditorPreset::validateBytes (bytes))
        return false;

    setName (nameFromBytes (sliceBytes (bytes, nameOffset, nameSize)));
    transport->fromBytes (sliceBytes (bytes, transportOffset, VexoTransport::recordSize));
    loadRecords (pads, bytes, padsOffset);
    loadRecords (knobs, bytes, knobsOffset);
    loadRecords (faders, bytes, fadersOffset);
    loadRecords (switches, bytes, switchesOffset);
    return true;
}

VexoPad::Ptr VexoAEditorPreset::getPad (int index) const
{
    return pads[index];
}

VexoFader::Ptr VexoAEditorPreset::getFader (int index) const
{
    return faders[index];
}

VexoTransport::Ptr VexoAEditorPreset::getTransport() const
{
    return transport;
}

VexoKnob::Ptr VexoAEditorPreset::getKnob (int index) const
{
    return knobs[index];
}

VexoSwitch::Ptr VexoAEditorPreset::getSwitch (int index) const
{
    return switches[index];
}
