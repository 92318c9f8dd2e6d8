#pragma once

#include "model/MEditorControl.h"

#include <initializer_list>

namespace model_testing
{
inline juce::Array<juce::uint8> bytes (std::initializer_list<int> values)
{
    juce::Array<juce::uint8> result;

    for (auto value : values)
        result.add ((juce::uint8)value);

    return result;
}

inline juce::Array<juce::uint8> zeros (int count)
{
    juce::Array<juce::uint8> result;
    result.insertMultiple (0, 0, count);
    return result;
}

// Every parameter of the control set to a value of its range other than its initial one, varied by seed
// so that neighbouring controls differ.
inline void setEveryParameterOffDefault (MEditorControl& control, int seed)
{
    int n = seed;

    for (auto& name : control.getParameterNames())
    {
        auto data = control.getParameterData (name);
        const int min = data->min.getValue(), max = data->max.getValue(), initial = data->value.getValue();
        int value = min + (n++ % (max - min + 1));

        if (value == initial)
            value = value < max ? value + 1 : min;

        control.setParameterValue (name, value);
    }
}

// name=value for every parameter, so that two controls can be compared in one assertion.
inline juce::String describe (const MEditorControl& control)
{
    juce::StringArray parts;

    for (auto& name : control.getParameterNames())
        parts.add (name + "=" + control.getParameterValue (name).toString());

    return parts.joinIntoString (", ");
}
} // namespace model_testing
