#pragma once

#include "dialogs/SendPresetComponent.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"
#include "widgets/CustomLookForAuxiliaryWindows.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The Send To Hardware dialog of one main window: sends that window's preset to the chosen slot
// and, once the device has acknowledged it, says so and leaves the screen. Its main window makes it
// once, keeps it for its whole life and shows it again with the slot last chosen.
class SendPresetWindow : public juce::DocumentWindow,
                         public juce::ReferenceCountedObject,
                         public VexoEditorEngine::Listener,
                         public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendPresetWindow>;

    SendPresetWindow (EditorPreset::Ptr preset, VexoEditorEngine::Ptr engine,
                      SendPresetComponent::Ptr content);
    ~SendPresetWindow() override;

    // The dialog with its content and "Send" button, listening to that button.
    static Ptr create (EditorPreset::Ptr preset, VexoEditorEngine::Ptr engine);

    // Leaves the screen; the dialog lives on for the next use.
    void closeButtonPressed() override;

    void buttonClicked (juce::Button* button) override;

    void sendPresetResult (EditorPreset::Ptr sentPreset, int result) override;
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}

    SendPresetComponent& getContent() const noexcept { return *content; }
    EditorPreset::Ptr getPreset() const { return preset; }

    // Sends issued and not yet answered.
    int getNumSendsInFlight() const noexcept { return sendsInFlight.size(); }

private:
    CustomLookForAuxiliaryWindows look;
    EditorPreset::Ptr preset;
    VexoEditorEngine::Ptr engine;
    SendPresetComponent::Ptr content;

    // What each send handed to the engine: the preset's bytes as they were at the click, so that its
    // result is told apart from those of any other send of the same preset object (another main
    // window may edit that very object: Load From Hardware opens one preset in as many windows as
    // asked).
    juce::ReferenceCountedArray<EditorPreset> sendsInFlight;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetWindow)
};
