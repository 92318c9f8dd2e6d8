#include "widgets/ComboBoxValue.h"

#include <limits>

std::optional<int> getComboBoxValue (const juce::ComboBox& box)
{
    const auto id = box.getSelectedId();

    if (id == 0)
        return std::nullopt;

    return id - 1;
}

bool writeComboBoxValue (const juce::ComboBox& box, juce::Value& target)
{
    if (const auto value = getComboBoxValue (box))
    {
        target = *value;
        return true;
    }

    return false;
}

void showComboBoxValue (juce::ComboBox& box, int value)
{
    const auto id = value < std::numeric_limits<int>::max() ? value + 1 : 0;
    box.setSelectedId (id, juce::dontSendNotification);
}
