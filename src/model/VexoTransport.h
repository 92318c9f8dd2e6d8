#pragma once

#include "model/MEditorControl.h"

// The preset's common parameters: tempo, swing, time division, gate, note repeat and transport type.
class VexoTransport : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoTransport>;

    // The names under which the common parameters are bound, written and found, in the order the
    // constructor declares them.
    struct Param
    {
        static constexpr const char* bpm = "BPM";
        static constexpr const char* swing = "SWING";
        static constexpr const char* timeDivision = "TIME DIVISION";
        static constexpr const char* gate = "GATE";
        static constexpr const char* repeatToggle = "REPEAT TOGGLE";
        static constexpr const char* transportType = "TRANSPORT TYPE";
        static constexpr const char* timeDivisionToggle = "TIME DIVISION TOGGLE";
    };

    static constexpr int recordSize = 13;

    VexoTransport();
    ~VexoTransport() override = default;

    // The parameters in declaration order, with their ranges and places in the record.
    static const ParameterTable& getParameterTable();

    juce::String getTypeName() const override;
    juce::Array<juce::uint8> toBytes() const override;
    bool validateBytes (const juce::Array<juce::uint8>& bytes) const override;
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override;

private:
    JUCE_DECLARE_NON_COPYABLE (VexoTransport)
};
