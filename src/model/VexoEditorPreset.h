#pragma once

#include "model/EditorPreset.h"
#include "model/QueueASyncUpdater.h"

#include <juce_data_structures/juce_data_structures.h>

// A preset of the series: holds the name, at most 8 characters with codes below 128.
class VexoEditorPreset : public virtual QueueASyncUpdater,
                         public virtual EditorPreset,
                         public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoEditorPreset>;

    static constexpr int nameSize = 8;

    ~VexoEditorPreset() override = default;

    juce::String getName() const;

    // False, name unchanged, for more than 8 characters or a character above 127.
    bool setName (const juce::String& newName);

    // Makes target share the name's value source and writes the current name back through it.
    void referToName (juce::Value& target);

    // Exactly 8 bytes, each below 0x80.
    static bool validateNameBytes (const juce::Array<juce::uint8>& bytes);

    // The name's character codes, padded with spaces to 8 bytes.
    juce::Array<juce::uint8> nameToBytes() const;

protected:
    VexoEditorPreset();

    // The name's 8 bytes inside a data block.
    static bool nameBytesAreValid (const juce::uint8* bytes);
    void writeName (juce::uint8* bytes) const;
    // As stored: a zero byte adds nothing, and the filling spaces stay part of the name.
    static juce::String nameFromBytes (const juce::uint8* bytes);

private:
    juce::Value name;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorPreset)
};
