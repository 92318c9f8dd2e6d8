#include "model/ParameterValue.h"

void ParameterValue::setValue (const juce::var& newValue)
{
    if (newValue.equalsWithSameType (value))
        return;

    value = newValue;
    holdsInt = value.isInt();
    intValue = holdsInt ? (int)value : 0;
    sendChangeMessage (false);
}

void ParameterValue::storeInt (int newValue)
{
    value = newValue;
    holdsInt = true;
    intValue = newValue;
    sendChangeMessage (false);
}
