#pragma once

#include "model/MEditorControl.h"

// One switch of the preset: its controller, program, note or key settings.
class VexoSwitch : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoSwitch>;

    // The names under which the switch's parameters are bound, written and found, in the order the
    // constructor declares them. The to-DIN flag is spelt differently on every kind that has one.
    struct Param
    {
        static constexpr const char* parameterType = "Parameter Type";
        static constexpr const char* midiChannel = "MIDI Channel";
        static constexpr const char* midiCc = "MIDI CC";
        static constexpr const char* switchMode = "Switch Mode";
        static constexpr const char* programNumber = "Program Number";
        static constexpr const char* programMsb = "Program MSB";
        static constexpr const char* programLsb = "Program LSB";
        static constexpr const char* toMidiDin = "To Midi Din";
        static constexpr const char* midiNote = "MIDI Note";
        static constexpr const char* noteVelocity = "Note Velocity";
        static constexpr const char* key1 = "Key 1";
        static constexpr const char* key2 = "Key 2";
    };

    static constexpr int recordSize = 13;

    VexoSwitch();
    ~VexoSwitch() override = default;

    // The parameters in declaration order, with their ranges and places in the record.
    static const ParameterTable& getParameterTable();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoSwitch)
};
