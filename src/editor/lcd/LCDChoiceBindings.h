#pragma once

#include "model/MEditorControl.h"
#include "widgets/EditorFactories.h"

#include <vector>

// How a panel ties its fields to its control's parameters. A combo box edits a juce::Value of the
// panel that shares the parameter's value: a choice writes identifier - 1 into it, and a change of
// the parameter, by whoever, selects identifier value + 1 quietly. A number box shares the value
// through its label's text directly.
class LCDChoiceBindings
{
public:
    LCDChoiceBindings() = default;

    // Pairs the box with the Value it edits. Both stay the panel's.
    void add (juce::ComboBox& box, juce::Value& value);

    // The listener hears the Value from now on; the Value is then bound to the parameter, which
    // tells the listener at once. An unknown parameter leaves the Value unbound.
    static void bind (MEditorControl* control, const juce::String& parameter, juce::Value& value,
                      juce::Value::Listener& listener);

    // The box shows the parameter and writes whatever number is entered into it.
    static void bind (MEditorControl* control, const juce::String& parameter, NumberBox& box);

    // A choice in one of the boxes: its value is written, unless nothing is chosen; a box with no
    // item selected stands for no value, not for -1.
    void writeChoice (const juce::ComboBox* box);

    // A Value has changed: its box selects the matching item without telling anyone, or nothing
    // when the value has no item, so that a value beyond the list is shown empty and left as it
    // is. The box, or null when the Value is none of these.
    juce::ComboBox* showChange (const juce::Value& changed);

    // The listener hears none of the Values any more.
    void stopListening (juce::Value::Listener& listener);

private:
    struct Entry
    {
        juce::ComboBox* box;
        juce::Value* value;
    };

    std::vector<Entry> entries;

    JUCE_DECLARE_NON_COPYABLE (LCDChoiceBindings)
};
