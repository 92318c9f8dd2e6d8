#include "engine/VexoBEditorEngine.h"

#include "model/VexoBEditorPreset.h"

VexoBEditorEngine::VexoBEditorEngine (MidiManager::Ptr manager)
    : VexoEditorEngine (numStoredPresets, presetDumpSize, std::move (manager))
{
}

VexoBEditorEngine::~VexoBEditorEngine() = default;

EditorPreset::Ptr VexoBEditorEngine::createPreset() const
{
    return new VexoBEditorPreset();
}

bool VexoBEditorEngine::isValidPresetBlock (const juce::Array<juce::uint8>& block) const
{
    return VexoBEditorPreset::isValidBlock (block);
}

VexoGlobalSettings::Ptr VexoBEditorEngine::getGlobalSettings()
{
    return getVexoAGlobalSettings().get();
}

VexoAGlobalSettings::Ptr VexoBEditorEngine::getVexoAGlobalSettings()
{
    if (settings == nullptr)
        settings = new VexoAGlobalSettings();
    return settings;
}

VexoGlobalSettings::Ptr VexoBEditorEngine::createGlobalSettings() const
{
    return new VexoAGlobalSettings();
}

juce::Array<juce::uint8> VexoBEditorEngine::getDumpTrailer() const
{
    juce::Array<juce::uint8> trailer;
    for (juce::uint8 n = 0; n < 8; ++n)
        trailer.add (0x04, 0x00, n);
    return trailer;
}
