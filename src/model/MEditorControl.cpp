#include "model/MEditorControl.h"

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
    if (data != nullptr)
        parameters.emplace (name, std::move (data));
}

MEditorControlParameterData::Ptr MEditorControl::getParameterData (const juce::String& name) const
{
    auto found = parameters.find (name);
    return found != parameters.end() ? found->second : nullptr;
}

juce::Value MEditorControl::getParameterValue (const juce::String& name) const
{
    if (auto data = getParameterData (name))
        return data->value; // a copy of a juce::Value shares its source

    return {};
}

int MEditorControl::getParameterInt (const juce::String& name) const
{
    if (auto data = getParameterData (name))
        return (int)data->value.getValue();

    return 0;
}

bool MEditorControl::isWithinRange (const juce::String& name, int value) const
{
    if (auto data = getParameterData (name))
        return value >= (int)data->min.getValue() && value <= (int)data->max.getValue();

    return false;
}

bool MEditorControl::isWithinRange (const juce::String& name, const juce::Value& value) const
{
    return isWithinRange (name, (int)value.getValue());
}

void MEditorControl::setParameterValue (const juce::String& name, const juce::Value& newValue)
{
    if (isWithinRange (name, newValue))
        getParameterData (name)->value.setValue (newValue.getValue());
}

void MEditorControl::setParameterValue (const juce::String& name, int newValue)
{
    if (isWithinRange (name, newValue))
        getParameterData (name)->value.setValue (newValue);
}

bool MEditorControl::referToParameter (const juce::String& name, juce::Value& target, bool resend)
{
    auto data = getParameterData (name);

    if (data == nullptr)
        return false;

    target.referTo (data->value);

    if (resend)
        target.setValue (target.getValue());

    return true;
}

juce::StringArray MEditorControl::getParameterNames() const
{
    juce::StringArray names;

    for (auto& entry : parameters)
        names.add (entry.first);

    return names;
}

juce::Array<juce::uint8> MEditorControl::layoutToBytes (const juce::StringArray& layout) const
{
    juce::Array<juce::uint8> bytes;
    bytes.ensureStorageAllocated (layout.size());

    for (auto& name : layout)
        bytes.add (name.isEmpty() ? (juce::uint8)0 : (juce::uint8)getParameterInt (name));

    return bytes;
}

bool MEditorControl::layoutAccepts (const juce::StringArray& layout,
                                    const juce::Array<juce::uint8>& bytes) const
{
    if (bytes.size() != layout.size())
        return false;

    bool accepted = true;

    for (int i = 0; i < layout.size(); ++i)
        if (layout[i].isNotEmpty() && !isWithinRange (layout[i], (int)bytes[i]))
            accepted = false;

    return accepted;
}

bool MEditorControl::loadLayout (const juce::StringArray& layout, const juce::Array<juce::uint8>& bytes)
{
    if (!validateBytes (bytes))
        return false;

    for (int i = 0; i < juce::jmin (layout.size(), bytes.size()); ++i)
        if (layout[i].isNotEmpty())
            setParameterValue (layout[i], (int)bytes[i]);

    return true;
}

std::pair<juce::uint8, juce::uint8> split14BitValue (int value)
{
    return {(juce::uint8) (value / 128), (juce::uint8) (value % 128)};
}

int join14BitValue (juce::uint8 msb, juce::uint8 lsb)
{
    return (int)msb * 128 + (int)lsb;
}
