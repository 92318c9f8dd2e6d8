#pragma once

#include "model/MEditorControl.h"

// One knob of the preset: its controller or NRPN settings and value range.
class VexoKnob : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoKnob>;

    // The names under which the knob's parameters are bound, written and found, in the order the
    // constructor declares them. The to-DIN flag is spelt differently on every kind that has one.
    struct Param
    {
        static constexpr const char* parameterType = "Parameter Type";
        static constexpr const char* midiChannel = "MIDI Channel";
        static constexpr const char* ccNumber = "CC Number";
        static constexpr const char* minValue = "Min Value";
        static constexpr const char* maxValue = "Max Value";
        static constexpr const char* nrpnLsb = "NRPN LSB";
        static constexpr const char* nrpnMsb = "NRPN MSB";
        static constexpr const char* nrpnValue = "NRPN Value";
        static constexpr const char* toMidiDin = "To MIDI DIN";
    };

    static constexpr int recordSize = 9;

    VexoKnob();
    ~VexoKnob() override = default;

    // The parameters in declaration order, with their ranges and places in the record.
    static const ParameterTable& getParameterTable();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoKnob)
};
