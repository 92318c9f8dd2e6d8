#include "model/VexoEditorPreset.h"

#include <algorithm>

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
    return bytes.size() == nameSize && nameBytesAreValid (bytes.getRawDataPointer());
}

bool VexoEditorPreset::nameBytesAreValid (const juce::uint8* bytes)
{
    for (int i = 0; i < nameSize; ++i)
        if (bytes[i] >= 0x80)
            return false;

    return true;
}

juce::Array<juce::uint8> VexoEditorPreset::nameToBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, ' ', nameSize);
    writeName (bytes.getRawDataPointer());
    return bytes;
}

void VexoEditorPreset::writeName (juce::uint8* bytes) const
{
    std::fill (bytes, bytes + nameSize, (juce::uint8)' ');

    // A bound editor may have written a longer name; only the first 8 characters have a place.
    // Each character gives its code's low 8 bits.
    auto text = getName().getCharPointer();

    for (int i = 0; i < nameSize && !text.isEmpty(); ++i)
        bytes[i] = (juce::uint8)text.getAndAdvance();
}

juce::String VexoEditorPreset::nameFromBytes (const juce::uint8* bytes)
{
    // Name bytes are below 0x80 once a block is accepted, so they are plain ASCII.
    char text[nameSize];
    size_t length = 0;

    for (int i = 0; i < nameSize; ++i)
        if (bytes[i] != 0)
            text[length++] = (char)bytes[i];

    return juce::String (text, length);
}
