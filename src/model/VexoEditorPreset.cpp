#include "model/VexoEditorPreset.h"

namespace
{
bool isValidName (const juce::String& name)
{
    if (name.length() > VexoEditorPreset::nameSize)
        return false;

    for (auto character : name)
        if ((juce::uint32)character > 127)
            return false;

    return true;
}
} // namespace

VexoEditorPreset::VexoEditorPreset()
    : name (juce::var ("Preset"))
{
}

juce::String VexoEditorPreset::getName() const
{
    return name.toString();
}

bool VexoEditorPreset::setName (const juce::String& newName)
{
    if (!isValidName (newName))
        return false;

    name.setValue (newName);
    return true;
}

void VexoEditorPreset::referToName (juce::Value& target)
{
    target.referTo (name);
    target.setValue (name.getValue());
}

bool VexoEditorPreset::validateNameBytes (const juce::Array<juce::uint8>& bytes)
{
    if (bytes.size() != nameSize)
        return false;

    for (auto byte : bytes)
        if (byte >= 0x80)
            return false;

    return true;
}

juce::Array<juce::uint8> VexoEditorPreset::nameToBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, ' ', nameSize);

    // A bound editor may have written a longer name; only the first 8 characters have a place.
    auto text = getName();

    for (int i = 0; i < juce::jmin (nameSize, text.length()); ++i)
        bytes.set (i, (juce::uint8)text[i]);

    return bytes;
}
