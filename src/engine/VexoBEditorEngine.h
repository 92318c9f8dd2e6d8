#pragma once

#include "engine/VexoEditorEngine.h"
#include "model/VexoAGlobalSettings.h"

// The engine for the second model: 30 stored slots, 3483-byte dumps, product 0x36.
class VexoBEditorEngine : public VexoEditorEngine, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoBEditorEngine>;

    static constexpr int numStoredPresets = 30;
    static constexpr int presetDumpSize = 3483;

    explicit VexoBEditorEngine (MidiManager::Ptr midiManager);
    ~VexoBEditorEngine() override;

    juce::uint8 getProductId() const override { return 0x36; }
    EditorPreset::Ptr createPreset() const override;
    bool isValidPresetBlock (const juce::Array<juce::uint8>& block) const override;
    juce::uint8 getGlobalSettingsMessageId() const override { return 0x34; }
    juce::uint8 getGlobalSettingsRequestId() const override { return 0x24; }
    juce::uint8 getGlobalSettingsRequestCode() const override { return 0x0B; }
    VexoGlobalSettings::Ptr getGlobalSettings() override;
    VexoGlobalSettings::Ptr createGlobalSettings() const override;
    juce::Array<juce::uint8> getDumpTrailer() const override;

    // getGlobalSettings with its own type, for those that listen to it. Message thread.
    VexoAGlobalSettings::Ptr getVexoAGlobalSettings();

private:
    VexoAGlobalSettings::Ptr settings;

    JUCE_DECLARE_NON_COPYABLE (VexoBEditorEngine)
};
