#include "app/VexoBEditorApplication.h"

#include "autopopulate/VexoBAutoPopulateComponent.h"
#include "dialogs/VexoAGlobalSettingsComponent.h"
#include "editor/MainContentComponent.h"
#include "sequencer/SequencerComponent.h"
#include "widgets/SkinImages.h"

VexoBEditorApplication::VexoBEditorApplication (std::unique_ptr<DesktopInteraction> desktopToUse,
                                                std::shared_ptr<MidiPortSystem> portSystemToUse)
    : VexoEditorApplication (std::move (desktopToUse), std::move (portSystemToUse))
{
}

VexoBEditorApplication::~VexoBEditorApplication()
{
    // The engine may outlive this object in a window or dialog that still holds it; it must not
    // call back into an application that is gone.
    if (engine != nullptr)
        engine->removeListener (this);
    engine = nullptr;
}

void VexoBEditorApplication::initialise (const juce::String& commandLine)
{
    backgroundPreload = std::make_unique<SkinImagePreload> (std::vector{SkinImageId::mainEditorBackground});
    VexoEditorApplication::initialise (commandLine);
}

VexoEditorEngine::Ptr VexoBEditorApplication::getEngine() const
{
    return engine.get();
}

void VexoBEditorApplication::ensureEngine()
{
    if (engine != nullptr)
        return;

    engine = new VexoBEditorEngine (getMidiManager());
    engine->addListener (this);
}

EditorPreset::Ptr VexoBEditorApplication::createDefaultPreset()
{
    ensureEngine();
    return engine->createFactoryPreset();
}

void VexoBEditorApplication::newPreset()
{
    ensureEngine();
    openMainWindow (createDefaultPreset());
}

void VexoBEditorApplication::openMainWindow (EditorPreset::Ptr preset)
{
    ensureEngine();
    createMainWindow (createEditor (preset), preset, {});
}

void VexoBEditorApplication::openPresetFile (const juce::File& file)
{
    ensureEngine();
    auto preset = createDefaultPreset();

    // The window opens whatever the outcome, and the loader reports a failure like any other. A
    // window on a file that could not be read stays untitled, though: taking the file's name would
    // let its next Save replace the user's file with the factory preset.
    const auto readable = engine->checkPresetFile (file);
    engine->loadPresetFile (file, preset);
    createMainWindow (createEditor (preset), preset, readable ? file.getFullPathName() : juce::String());
}

std::unique_ptr<juce::Component> VexoBEditorApplication::createEditor (EditorPreset::Ptr preset) const
{
    if (backgroundPreload != nullptr)
        backgroundPreload->collect();
    return std::make_unique<MainContentComponent> (preset, getSkinImage (SkinImageId::mainEditorBackground));
}

std::unique_ptr<juce::Component>
VexoBEditorApplication::createAutoPopulateComponent (EditorPreset::Ptr preset)
{
    if (auto* presetToFill = dynamic_cast<VexoBEditorPreset*> (preset.get()))
        return std::make_unique<VexoBAutoPopulateComponent> (presetToFill);
    return nullptr;
}

juce::Image VexoBEditorApplication::getLogoImage() const
{
    return getSkinImage (SkinImageId::aboutLogo);
}

GlobalSettingsComponent::Ptr VexoBEditorApplication::createGlobalSettingsComponent()
{
    // The first model's editor: the second model has the same settings.
    return new VexoAGlobalSettingsComponent();
}

std::unique_ptr<juce::Component> VexoBEditorApplication::createSequencerComponent (EditorPreset::Ptr preset)
{
    if (auto* withSequence = dynamic_cast<VexoBEditorPreset*> (preset.get()))
        return std::make_unique<SequencerComponent> (withSequence);
    return nullptr;
}
