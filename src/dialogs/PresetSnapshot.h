#pragma once

#include "model/EditorPreset.h"

// A preset's bytes as they were at one moment, and nothing more: what a send hands to the engine.
// Each send gets an object of its own, so that the engine's result for it tells that send from any
// other, and later edits of the preset do not reach it. It is never loaded.
class PresetSnapshot final : public EditorPreset
{
public:
    explicit PresetSnapshot (const EditorPreset& preset)
        : bytes (preset.toBytes())
        , dataSize (preset.getDataSize())
    {
    }

    juce::Array<juce::uint8> toBytes() const override { return bytes; }
    bool validateBytes (const juce::Array<juce::uint8>&) const override { return false; }
    bool fromBytes (const juce::Array<juce::uint8>&) override { return false; }
    int getDataSize() const override { return dataSize; }

private:
    const juce::Array<juce::uint8> bytes;
    const int dataSize;
};
