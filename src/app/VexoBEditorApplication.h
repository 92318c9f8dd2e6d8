#pragma once

#include "app/VexoEditorApplication.h"
#include "engine/VexoBEditorEngine.h"
#include "widgets/SkinImagePreload.h"

// The second model's application: its name, its ports, its engine and its presets. This is the
// object the program's entry point creates.
class VexoBEditorApplication : public VexoEditorApplication
{
public:
    VexoBEditorApplication (std::unique_ptr<DesktopInteraction> desktopToUse,
                            std::shared_ptr<MidiPortSystem> portSystemToUse);
    ~VexoBEditorApplication() override;

    const juce::String getApplicationName() override { return "VexoB Editor"; }
    const juce::String getApplicationVersion() override { return "1.0.8"; }

    juce::String getMidiInputDeviceName() const override { return "VexoB Remote"; }
    juce::String getMidiOutputDeviceName() const override { return "VexoB Remote"; }

    void initialise (const juce::String& commandLine) override;

    void newPreset() override;
    void openMainWindow (EditorPreset::Ptr preset) override;
    void openPresetFile (const juce::File& file) override;

    VexoEditorEngine::Ptr getEngine() const override;
    void ensureEngine() override;
    EditorPreset::Ptr createDefaultPreset() override;
    std::unique_ptr<juce::Component> createAutoPopulateComponent (EditorPreset::Ptr preset) override;

    juce::Image getLogoImage() const override;
    GlobalSettingsComponent::Ptr createGlobalSettingsComponent() override;

    std::unique_ptr<juce::Component> createSequencerComponent (EditorPreset::Ptr preset) override;

private:
    // An editor for the preset, over the picture of the device.
    std::unique_ptr<juce::Component> createEditor (EditorPreset::Ptr preset) const;

    VexoBEditorEngine::Ptr engine;

    // The editor's background, decoded while the framework reaches the display and the ports open.
    std::unique_ptr<SkinImagePreload> backgroundPreload;

    JUCE_DECLARE_NON_COPYABLE (VexoBEditorApplication)
};
