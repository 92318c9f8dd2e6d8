#include "model/ParameterValue.h"

#include "model/MEditorControl.h"

#include <limits>

void ParameterValue::setValue (const juce::var& newValue)
{
    // equalsWithSameType, with an int held in the view alone.
    if (holdsPlainInt ? newValue.isInt() && (int)newValue == view.asInt : newValue.equalsWithSameType (other))
        return;

    if (newValue.isInt())
    {
        storeInt ((int)newValue);
        return;
    }

    holdsPlainInt = false;
    other = newValue;
    view.asInt = (int)other;
    view.heldInt = std::numeric_limits<juce::int64>::min();
    valueChanged();
}

void ParameterValue::forgetOtherValue()
{
    holdsPlainInt = true;
    other = juce::var();
}

void ParameterValue::attach (RecordCopy& copy, int offset, bool fourteenBit)
{
    recordCopy = &copy;
    recordOffset = offset;
    pair = fourteenBit;
    exact = true;
    updateRecordCopy();
}

void ParameterValue::updatePairInRecordCopy()
{
    auto* bytes = recordCopy->bytes.data() + recordOffset;
    const auto parts = split14BitValue (view.asInt);
    bytes[0] = parts.first;
    bytes[1] = parts.second;
    noteExactness (view.heldInt == join14BitValue (parts.first, parts.second));
}
