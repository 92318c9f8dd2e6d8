#include "model/MEditorControl.h"

#include <algorithm>
#include <cstring>

//==============================================================================
MEditorControl::~MEditorControl()
{
    // A view may keep a value longer than its control; it must not write into a record copy that
    // is gone.
    for (auto& slot : slots)
        if (slot.source != nullptr)
            slot.source->detach();
}

void MEditorControl::declareParameters (const ParameterTable& parameterTable)
{
    // The table's slots must be the first, so that slot i is entry i.
    jassert (slots.empty() && table == nullptr);

    if (!slots.empty() || table != nullptr)
    {
        for (int i = 0; i < parameterTable.size(); ++i)
            addParameter (parameterTable.getName (i), parameterTable[i].max, parameterTable[i].min,
                          parameterTable[i].initial);
        return;
    }

    table = &parameterTable;
    slots.reserve ((size_t)parameterTable.size());
    recordCopy.bytes.assign ((size_t)parameterTable.getRecordSize(), 0);

    // Only the value source is made now; a parameter's data, with its limits, waits until someone
    // asks for it. Until then the limits are the table's.
    for (int i = 0; i < parameterTable.size(); ++i)
    {
        const auto& entry = parameterTable[i];
        ParameterValue::Ptr source = new ParameterValue (entry.initial);
        source->attach (recordCopy, entry.offset, entry.encoding == ParameterTable::Encoding::fourteenBit);
        const auto* view = &source->getIntView();
        slots.push_back ({std::move (source), view, nullptr});
    }
}

void MEditorControl::addParameter (const juce::String& name, const juce::Value& max, const juce::Value& min,
                                   const juce::Value& initialValue)
{
    // Copies of the caller's values, not shared sources: the caller's values may change later.
    insertParameter (
        name, new MEditorControlParameterData (initialValue.getValue(), min.getValue(), max.getValue()));
}

void MEditorControl::addParameter (const juce::String& name, int max, int min, int initialValue)
{
    insertParameter (name, new MEditorControlParameterData (initialValue, min, max));
}

void MEditorControl::insertParameter (const juce::String& name, MEditorControlParameterData::Ptr data)
{
    if (data != nullptr && findSlot (name) < 0)
        addSlot (name, {nullptr, nullptr, std::move (data)});
}

void MEditorControl::addSlot (const juce::String& name, Slot slot)
{
    if (ownNames.empty() && table != nullptr)
        ownNames = table->getNamesInOrder();

    const ParameterTable::NamedIndex entry{name, (int)slots.size()};
    ownNames.insert (std::upper_bound (ownNames.begin(), ownNames.end(), entry,
                                       [] (const auto& a, const auto& b) { return a.name < b.name; }),
                     entry);
    slots.push_back (std::move (slot));
}

int MEditorControl::findSlot (const juce::String& name) const
{
    if (ownNames.empty())
        return table != nullptr ? table->indexOf (name) : -1;

    auto found = std::lower_bound (ownNames.begin(), ownNames.end(), name,
                                   [] (const auto& entry, const juce::String& n) { return entry.name < n; });
    return found != ownNames.end() && found->name == name ? found->index : -1;
}

//==============================================================================
// A slot's value is read and written straight through its own source, unless its data has been
// handed out and the data's value pointed elsewhere since: then the data decides, as it does for a
// parameter declared with the caller's values.
juce::Value MEditorControl::sharedValue (const Slot& slot) const
{
    return slot.data != nullptr ? slot.data->value : juce::Value (slot.source.get());
}

int MEditorControl::readInt (const Slot& slot) const
{
    if (slot.data == nullptr ||
        (slot.source != nullptr && &slot.data->value.getValueSource() == slot.source.get()))
        return slot.source->getIntValue();

    return (int)slot.data->value.getValue();
}

void MEditorControl::storeInt (Slot& slot, int value)
{
    if (slot.data == nullptr ||
        (slot.source != nullptr && &slot.data->value.getValueSource() == slot.source.get()))
        slot.source->setIntValue (value);
    else
        slot.data->value.setValue (value);
}

void MEditorControl::store (Slot& slot, const juce::var& value)
{
    if (slot.data == nullptr ||
        (slot.source != nullptr && &slot.data->value.getValueSource() == slot.source.get()))
        slot.source->setValue (value);
    else
        slot.data->value.setValue (value);
}

bool MEditorControl::slotAccepts (int index, int value) const
{
    const auto& slot = slots[(size_t)index];

    if (slot.data != nullptr)
        return value >= (int)slot.data->min.getValue() && value <= (int)slot.data->max.getValue();

    const auto& entry = (*table)[index];
    return value >= entry.min && value <= entry.max;
}

//==============================================================================
MEditorControlParameterData::Ptr MEditorControl::getParameterData (const juce::String& name) const
{
    const int index = findSlot (name);

    if (index < 0)
        return nullptr;

    auto& slot = slots[(size_t)index];

    if (slot.data == nullptr)
    {
        const auto& entry = (*table)[index];
        slot.data = new MEditorControlParameterData (juce::Value (slot.source.get()), entry.min, entry.max);
        parameterDataHandedOut = true;
    }

    return slot.data;
}

juce::Value MEditorControl::getParameterValue (const juce::String& name) const
{
    const int index = findSlot (name);
    return index >= 0 ? sharedValue (slots[(size_t)index]) : juce::Value();
}

int MEditorControl::getParameterInt (const juce::String& name) const
{
    const int index = findSlot (name);
    return index >= 0 ? readInt (slots[(size_t)index]) : 0;
}

bool MEditorControl::isWithinRange (const juce::String& name, int value) const
{
    const int index = findSlot (name);
    return index >= 0 && slotAccepts (index, value);
}

bool MEditorControl::isWithinRange (const juce::String& name, const juce::Value& value) const
{
    return isWithinRange (name, (int)value.getValue());
}

void MEditorControl::setParameterValue (const juce::String& name, const juce::Value& newValue)
{
    const int index = findSlot (name);

    if (index >= 0 && slotAccepts (index, (int)newValue.getValue()))
        store (slots[(size_t)index], newValue.getValue());
}

void MEditorControl::setParameterValue (const juce::String& name, int newValue)
{
    const int index = findSlot (name);

    if (index >= 0 && slotAccepts (index, newValue))
        storeInt (slots[(size_t)index], newValue);
}

bool MEditorControl::referToParameter (const juce::String& name, juce::Value& target, bool resend)
{
    const int index = findSlot (name);

    if (index < 0)
        return false;

    target.referTo (sharedValue (slots[(size_t)index]));

    if (resend)
        target.setValue (target.getValue());

    return true;
}

juce::StringArray MEditorControl::getParameterNames() const
{
    const auto& inOrder = ownNames.empty() && table != nullptr ? table->getNamesInOrder() : ownNames;
    juce::StringArray names;
    names.ensureStorageAllocated ((int)inOrder.size());

    for (auto& entry : inOrder)
        names.add (entry.name);

    return names;
}

//==============================================================================
int MEditorControl::getRecordSize() const
{
    return table != nullptr ? table->getRecordSize() : 0;
}

void MEditorControl::writeRecord (juce::uint8* record) const
{
    if (table == nullptr)
        return;

    // Handed-out data may have pointed a value elsewhere, out of reach of the record copy.
    if (!parameterDataHandedOut)
    {
        std::memcpy (record, recordCopy.bytes.data(), recordCopy.bytes.size());
        return;
    }

    for (auto offset : table->getFixedBytes())
        record[offset] = 0;

    for (auto& field : table->getFields())
        field.write (readInt (slots[(size_t)field.index]), record);
}

bool MEditorControl::acceptsRecord (const juce::uint8* record) const
{
    if (table == nullptr)
        return false;

    if (!parameterDataHandedOut)
        return table->accepts (record);

    // Some limits may no longer be the table's: every parameter is checked against its own.
    bool accepted = true;

    for (auto& field : table->getFields())
        if (field.refusesRecord && !slotAccepts (field.index, field.read (record)))
            accepted = false;

    for (auto offset : table->getZeroBytes())
        if (record[offset] != 0)
            accepted = false;

    return accepted;
}

void MEditorControl::loadAcceptedRecord (const juce::uint8* record)
{
    if (table == nullptr)
        return;

    // Refusing fields passed already; skipped ones are stored only when they fit. A value is only
    // stored when it differs, so listeners hear of real changes only, in record order.
    if (parameterDataHandedOut || !table->loadsKindByKind())
    {
        for (auto& field : table->getFields())
        {
            const int value = field.read (record);

            if (field.refusesRecord || slotAccepts (field.index, value))
                storeInt (slots[(size_t)field.index], value);
        }
        return;
    }

    // A record that matches what the values would write, every value held exactly, changes nothing.
    if (recordCopy.inexactFields == 0 && table->fieldBytesMatch (record, recordCopy.bytes.data()))
        return;

    for (auto& field : table->getPairFields())
    {
        const int value = field.readPair (record);
        auto& slot = slots[(size_t)field.index];

        if (slot.view->heldInt != value)
            slot.source->storeInt (value);
    }

    for (auto& field : table->getByteFields())
    {
        const int value = record[field.offset];
        auto& slot = slots[(size_t)field.index];

        if (slot.view->heldInt != value)
            slot.source->storeInt (value);
    }

    for (auto& field : table->getSkippedFields())
    {
        const int value = record[field.offset];
        auto& slot = slots[(size_t)field.index];

        if ((unsigned int)(value - field.min) <= field.span && slot.view->heldInt != value)
            slot.source->storeInt (value);
    }
}

juce::Array<juce::uint8> MEditorControl::recordToBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, 0, getRecordSize());
    writeRecord (bytes.getRawDataPointer());
    return bytes;
}

bool MEditorControl::recordAccepts (const juce::Array<juce::uint8>& bytes) const
{
    return bytes.size() == getRecordSize() && acceptsRecord (bytes.getRawDataPointer());
}

bool MEditorControl::recordLoad (const juce::Array<juce::uint8>& bytes)
{
    if (!validateBytes (bytes))
        return false;

    if (bytes.size() == getRecordSize())
        loadAcceptedRecord (bytes.getRawDataPointer());

    return true;
}

//==============================================================================
std::pair<juce::uint8, juce::uint8> split14BitValue (int value)
{
    return {(juce::uint8) (value / 128), (juce::uint8) (value % 128)};
}

int join14BitValue (juce::uint8 msb, juce::uint8 lsb)
{
    return (int)msb * 128 + (int)lsb;
}
