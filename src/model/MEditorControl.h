#pragma once

#include "model/EditorControl.h"
#include "model/MEditorControlParameterData.h"

#include <juce_data_structures/juce_data_structures.h>

#include <map>
#include <utility>

// A control whose settings are named integer parameters, each with its own inclusive range. The set of
// names is fixed by the control kind's constructor and never changes afterwards.
class MEditorControl : public virtual juce::ReferenceCountedObject, public EditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MEditorControl>;

    // The ordinary range of a one-byte parameter.
    static constexpr int defaultMinimum = 0;
    static constexpr int defaultMaximum = 127;
    static constexpr int defaultInitialValue = 0;

    ~MEditorControl() override = default;

    virtual juce::String getTypeName() const = 0;
    virtual bool validateBytes (const juce::Array<juce::uint8>& bytes) const = 0;

    // Declares a parameter; a name that is already declared keeps its first declaration.
    void addParameter (const juce::String& name, const juce::Value& max, const juce::Value& min,
                       const juce::Value& initialValue);
    void addParameter (const juce::String& name, int max, int min, int initialValue);
    void insertParameter (const juce::String& name, MEditorControlParameterData::Ptr data);

    // A value sharing the parameter's own source; an unbound void value for an unknown name.
    juce::Value getParameterValue (const juce::String& name) const;

    // The parameter's value read as an integer (0 for an unknown name).
    int getParameterInt (const juce::String& name) const;

    // Stores the value only when it lies within the parameter's range; otherwise silently does nothing.
    void setParameterValue (const juce::String& name, const juce::Value& newValue);
    void setParameterValue (const juce::String& name, int newValue);

    bool isWithinRange (const juce::String& name, const juce::Value& value) const;
    bool isWithinRange (const juce::String& name, int value) const;

    // Makes target share the parameter's value source; with resend, target's own value is then written
    // through it. False, target untouched, for an unknown name.
    bool referToParameter (const juce::String& name, juce::Value& target, bool resend);

    // The parameter names, in name order.
    juce::StringArray getParameterNames() const;

    MEditorControlParameterData::Ptr getParameterData (const juce::String& name) const;

protected:
    MEditorControl() = default;

    // Records made of one byte per parameter, for the control kinds that use them. An empty name in the
    // layout is a fixed byte: written as 0x00, never checked, never loaded.
    juce::Array<juce::uint8> layoutToBytes (const juce::StringArray& layout) const;
    bool layoutAccepts (const juce::StringArray& layout, const juce::Array<juce::uint8>& bytes) const;
    // Checks the whole record through validateBytes first, so a refused record changes nothing.
    bool loadLayout (const juce::StringArray& layout, const juce::Array<juce::uint8>& bytes);

private:
    std::map<juce::String, MEditorControlParameterData::Ptr> parameters;

    JUCE_DECLARE_NON_COPYABLE (MEditorControl)
};

// A value 0..16383 as two 7-bit bytes, high byte first.
std::pair<juce::uint8, juce::uint8> split14BitValue (int value);
int join14BitValue (juce::uint8 msb, juce::uint8 lsb);
