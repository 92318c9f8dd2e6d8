#pragma once

#include "model/EditorControl.h"
#include "model/MEditorControlParameterData.h"
#include "model/ParameterTable.h"
#include "model/ParameterValue.h"

#include <juce_data_structures/juce_data_structures.h>

#include <utility>
#include <vector>

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

    ~MEditorControl() override;

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

    // The parameter's data: its value, shared with every view bound to it, and its limits. Once
    // handed out, the data is the parameter itself: whatever is done to its limits or to its value
    // counts from then on, for byte records too. The data of a parameter the kind declares is made
    // on the first request, so like the values themselves it is asked for on one thread at a time.
    MEditorControlParameterData::Ptr getParameterData (const juce::String& name) const;

    // False until the data of a parameter that the kind's table declares has been handed out; until
    // then every such parameter has the table's limits.
    bool hasHandedOutParameterData() const noexcept { return parameterDataHandedOut; }

    // The byte path of a control whose kind declares its parameters by a table: the record at a
    // position, getRecordSize() bytes long. A preset uses these on the controls it holds, at their
    // places in its data block.
    virtual int getRecordSize() const;
    virtual void writeRecord (juce::uint8* record) const;
    virtual bool acceptsRecord (const juce::uint8* record) const;
    // Stores a record that acceptsRecord has passed, in record order, without checking it again;
    // listeners hear of each value that really changes.
    virtual void loadAcceptedRecord (const juce::uint8* record);

protected:
    MEditorControl() = default;

    // Declares every parameter of the table, in its order; a kind's constructor does this first.
    void declareParameters (const ParameterTable& table);

    // Whole records as arrays, for the kinds' toBytes, validateBytes and fromBytes. recordLoad
    // checks through validateBytes first, so a refused record changes nothing.
    juce::Array<juce::uint8> recordToBytes() const;
    bool recordAccepts (const juce::Array<juce::uint8>& bytes) const;
    bool recordLoad (const juce::Array<juce::uint8>& bytes);

private:
    struct Slot
    {
        ParameterValue::Ptr source;            // null for a parameter declared with the caller's values
        const ParameterValue::IntView* view;   // the source's, for reading without a call
        MEditorControlParameterData::Ptr data; // once handed out, or as given
    };

    int findSlot (const juce::String& name) const;
    bool slotAccepts (int index, int value) const;
    juce::Value sharedValue (const Slot& slot) const;
    int readInt (const Slot& slot) const;
    void store (Slot& slot, const juce::var& value);
    void storeInt (Slot& slot, int value);
    void addSlot (const juce::String& name, Slot slot);

    // Declaration order; with a table, slot i holds entry i.
    mutable std::vector<Slot> slots;
    // The record as the table's values would write it, kept up to date by the values themselves.
    ParameterValue::RecordCopy recordCopy;
    const ParameterTable* table = nullptr;
    // Name order, for parameters declared one by one (and then for the table's as well).
    std::vector<ParameterTable::NamedIndex> ownNames;
    // Set once the data of a table parameter has been handed out: its limits may have changed.
    mutable bool parameterDataHandedOut = false;

    JUCE_DECLARE_NON_COPYABLE (MEditorControl)
};

// A value 0..16383 as two 7-bit bytes, high byte first.
std::pair<juce::uint8, juce::uint8> split14BitValue (int value);
int join14BitValue (juce::uint8 msb, juce::uint8 lsb);
