#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

// How a combo box edits a stored value: item identifier = value + 1, so the first item is 0.

// The value the box's choice stands for; none while nothing is chosen (identifier 0), which
// must not be taken for -1.
std::optional<int> getComboBoxValue (const juce::ComboBox& box);

// Writes the box's value into the target; writes nothing, and returns false, while nothing is
// chosen.
bool writeComboBoxValue (const juce::ComboBox& box, juce::Value& target);

// Shows the value without telling the box's listeners. A value with no item leaves the box with
// nothing chosen and no text.
void showComboBoxValue (juce::ComboBox& box, int value);
