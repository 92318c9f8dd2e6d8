#include "editor/lcd/LCDChoiceBindings.h"

#include "widgets/ComboBoxValue.h"

void LCDChoiceBindings::add (juce::ComboBox& box, juce::Value& value)
{
    entries.push_back ({&box, &value});
}

void LCDChoiceBindings::bind (MEditorControl* control, const juce::String& parameter, juce::Value& value,
                              juce::Value::Listener& listener)
{
    value.addListener (&listener);

    if (control != nullptr)
        control->referToParameter (parameter, value, true);
}

void LCDChoiceBindings::bind (MEditorControl* control, const juce::String& parameter, NumberBox& box)
{
    if (control != nullptr)
        control->referToParameter (parameter, box.getTextValue(), true);
}

void LCDChoiceBindings::writeChoice (const juce::ComboBox* box)
{
    for (auto& entry : entries)
        if (entry.box == box)
            writeComboBoxValue (*entry.box, *entry.value);
}

juce::ComboBox* LCDChoiceBindings::showChange (const juce::Value& changed)
{
    // The Value a listener is given is a copy; it shares the source of the one that changed.
    for (auto& entry : entries)
    {
        if (entry.value->refersToSameSourceAs (changed))
        {
            showComboBoxValue (*entry.box, (int)changed.getValue());
            return entry.box;
        }
    }

    return nullptr;
}

void LCDChoiceBindings::stopListening (juce::Value::Listener& listener)
{
    for (auto& entry : entries)
        entry.value->removeListener (&listener);
}
