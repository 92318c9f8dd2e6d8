#pragma once

#include "autopopulate/core/AutoPopulateFunction.h"
#include "model/VexoKnob.h"
#include "model/VexoPad.h"

#include <vector>

namespace fill_testing
{
// Controls of one kind, each parameter given a value of its own so that a write shows.
template <typename Kind>
ControlList makeControls (int count, const char* parameter = nullptr, int marker = 0)
{
    ControlList controls;
    for (int i = 0; i < count; ++i)
    {
        auto* control = new Kind();
        if (parameter != nullptr)
            control->setParameterValue (parameter, marker);
        controls.add (control);
    }
    return controls;
}

inline std::vector<int> valuesOf (const ControlList& controls, const char* parameter)
{
    std::vector<int> values;
    for (auto* control : controls)
        values.push_back (control->getParameterInt (parameter));
    return values;
}

inline std::vector<int> repeated (int value, int count)
{
    return std::vector<int> ((size_t)count, value);
}

inline std::vector<int> counting (int from, int count, int step = 1)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back (from + step * i);
    return values;
}

inline std::vector<int> joined (std::vector<int> first, const std::vector<int>& second)
{
    first.insert (first.end(), second.begin(), second.end());
    return first;
}
} // namespace fill_testing
