#include "model/ParameterValue.h"

#include <limits>

void ParameterValue::setValue (const juce::var& newValue)
{
    if (newValue.equalsWithSameType (value))
        return;

    value = newValue;
    view.asInt = (int)value;
    view.heldInt = value.isInt() ? (juce::int64)view.asInt : std::numeric_limits<juce::int64>::min();
    sendChangeMessage (false);
}

void ParameterValue::storeInt (int newValue)
{
    value = newValue;
    view = {newValue, newValue};
    sendChangeMessage (false);
}
