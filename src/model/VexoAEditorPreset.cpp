#include "model/VexoAEditorPreset.h"

namespace
{
template <typename ControlType>
void createControls (juce::ReferenceCountedArray<ControlType>& controls, int count)
{
    controls.ensureStorageAllocated (count);

    for (int i = 0; i < count; ++i)
        controls.add (new ControlType());
}

// Each control's record at its place, control i at offset + i × record size.
template <typename ControlType>
void writeRecords (const juce::ReferenceCountedArray<ControlType>& controls, juce::uint8* block, int offset)
{
    for (int i = 0; i < controls.size(); ++i)
        controls.getUnchecked (i)->writeRecord (block + offset + i * ControlType::recordSize);
}

template <typename ControlType>
bool acceptsRecords (const juce::ReferenceCountedArray<ControlType>& controls, const juce::uint8* block,
                     int offset)
{
    for (int i = 0; i < controls.size(); ++i)
        if (!controls.getUnchecked (i)->acceptsRecord (block + offset + i * ControlType::recordSize))
            return false;

    return true;
}

template <typename ControlType>
void loadRecords (juce::ReferenceCountedArray<ControlType>& controls, const juce::uint8* block, int offset)
{
    for (int i = 0; i < controls.size(); ++i)
        controls.getUnchecked (i)->loadAcceptedRecord (block + offset + i * ControlType::recordSize);
}

template <typename ControlType>
void placeRecordRanges (ByteRanges& ranges, int offset, int count)
{
    for (int i = 0; i < count; ++i)
        ranges.place (ControlType::getParameterTable().getRanges(), offset + i * ControlType::recordSize);
}

template <typename ControlType>
bool keepTheirTables (const juce::ReferenceCountedArray<ControlType>& controls)
{
    for (auto* control : controls)
        if (control->hasHandedOutParameterData())
            return false;

    return true;
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
    juce::uint8 block[dataSize];
    writeBlock (block);
    return juce::Array<juce::uint8> (block, dataSize);
}

bool VexoAEditorPreset::validateBytes (const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != VexoAEditorPreset::getDataSize())
        return false;

    return firstModelControlsKeepTheirTables() ? getFirstModelRanges().accepts (bytes.getRawDataPointer())
                                               : acceptsBlock (bytes.getRawDataPointer());
}

bool VexoAEditorPreset::fromBytes (const juce::Array<juce::uint8>& bytes)
{
    // The whole block is checked before anything is stored, so a refused block changes nothing.
    if (!VexoAEditorPreset::validateBytes (bytes))
        return false;

    loadAcceptedBlock (bytes.getRawDataPointer());
    return true;
}

bool VexoAEditorPreset::isValidBlock (const juce::Array<juce::uint8>& bytes)
{
    return bytes.size() == dataSize && getFirstModelRanges().accepts (bytes.getRawDataPointer());
}

void VexoAEditorPreset::writeBlock (juce::uint8* block) const
{
    writeName (block + nameOffset);
    block[reservedOffset] = 0;
    transport->writeRecord (block + transportOffset);
    writeRecords (pads, block, padsOffset);
    writeRecords (knobs, block, knobsOffset);
    writeRecords (faders, block, fadersOffset);
    writeRecords (switches, block, switchesOffset);
}

bool VexoAEditorPreset::acceptsBlock (const juce::uint8* block) const
{
    return nameBytesAreValid (block + nameOffset) && block[reservedOffset] == 0 &&
           transport->acceptsRecord (block + transportOffset) && acceptsRecords (pads, block, padsOffset) &&
           acceptsRecords (knobs, block, knobsOffset) && acceptsRecords (faders, block, fadersOffset) &&
           acceptsRecords (switches, block, switchesOffset);
}

const ByteRanges& VexoAEditorPreset::getFirstModelRanges()
{
    static const ByteRanges ranges = []
    {
        ByteRanges r (dataSize);

        for (int i = 0; i < nameSize; ++i)
            r.limit (nameOffset + i, 0, 0x7F);

        r.limit (reservedOffset, 0, 0);
        r.place (VexoTransport::getParameterTable().getRanges(), transportOffset);
        placeRecordRanges<VexoPad> (r, padsOffset, ControlBank::numPads);
        placeRecordRanges<VexoKnob> (r, knobsOffset, ControlBank::numKnobs);
        placeRecordRanges<VexoFader> (r, fadersOffset, ControlBank::numFaders);
        placeRecordRanges<VexoSwitch> (r, switchesOffset, ControlBank::numSwitches);
        return r;
    }();

    return ranges;
}

bool VexoAEditorPreset::firstModelControlsKeepTheirTables() const
{
    return !transport->hasHandedOutParameterData() && keepTheirTables (pads) && keepTheirTables (knobs) &&
           keepTheirTables (faders) && keepTheirTables (switches);
}

void VexoAEditorPreset::loadAcceptedBlock (const juce::uint8* block)
{
    setName (nameFromBytes (block + nameOffset));
    transport->loadAcceptedRecord (block + transportOffset);
    loadRecords (pads, block, padsOffset);
    loadRecords (knobs, block, knobsOffset);
    loadRecords (faders, block, fadersOffset);
    loadRecords (switches, block, switchesOffset);
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
