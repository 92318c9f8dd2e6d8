#pragma once

#include "model/MEditorControl.h"

// One pad of the preset: its note, program, aftertouch, colour and to-DIN settings.
class VexoPad : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoPad>;

    // The names under which the pad's parameters are bound, written and found, in the order the
    // constructor declares them. The to-DIN flag is spelt differently on every kind that has one.
    struct Param
    {
        static constexpr const char* parameterType = "Parameter Type";
        static constexpr const char* midiChannel = "MIDI Channel";
        static constexpr const char* midiNote = "MIDI Note";
        static constexpr const char* noteToggleMode = "Note Toggle Mode";
        static constexpr const char* programNumber = "Program Number";
        static constexpr const char* programMsb = "Program MSB";
        static constexpr const char* programLsb = "Program LSB";
        static constexpr const char* aftertouchType = "Aftertouch Type";
        static constexpr const char* colorOff = "Color Off";
        static constexpr const char* colorOn = "Color On";
        static constexpr const char* toMidiDin = "To MIDI Din";
    };

    static constexpr int recordSize = 11;

    VexoPad();
    ~VexoPad() override = default;

    // The parameters in declaration order, with their ranges and places in the record.
    static const ParameterTable& getParameterTable();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoPad)
};
