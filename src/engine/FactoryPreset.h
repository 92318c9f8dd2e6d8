#pragma once

#include "model/EditorPreset.h"

// The preset every new document starts from, carried inside the program as a complete preset
// dump (slot byte 15).
struct FactoryPreset
{
    static constexpr int slot = 15;

    static juce::Array<juce::uint8> getDump();

    // Loads the dump's data block into the preset; false, preset unchanged, if it refuses it.
    static bool loadInto (EditorPreset& preset);
};
