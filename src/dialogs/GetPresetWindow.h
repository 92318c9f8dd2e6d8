#pragma once

#include "dialogs/GetPresetComponent.h"
#include "dialogs/PresetListBoxModel.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The Load From Hardware dialog: reads the device's presets one slot after the other, "RAM" (0)
// then 1 to 30, lists their names once all 31 have arrived, and opens any of them in a new main
// window. The application makes it, keeps it while it is open and releases it when it is closed.
//
// The engine matches replies to requests in order only, and every window that reads from the
// device shares it. A pass therefore moves on only for the result of its own request, and only
// when the dump that answered it carries the slot asked for: a reply still due to a window that
// was closed, or a late one to a request that timed out, never fills a row.
class GetPresetWindow : public juce::DocumentWindow,
                        public juce::ReferenceCountedObject,
                        public VexoEditorEngine::Listener,
                        public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GetPresetWindow>;

    // How often one slot is asked for when others' replies keep taking its turn.
    static constexpr int maxRequestsPerSlot = 3;

    explicit GetPresetWindow (VexoEditorEngine::Ptr engine);
    ~GetPresetWindow() override;

    // Starts a reading pass unless one is running.
    void requestAllPresets();

    // Opens the preset that a row shows in a new main window; nothing for a row that shows none.
    void loadPresetIntoEditor (int row);

    // Asks the application to close the dialog.
    void closeButtonPressed() override;

    // Lets go of the panel and the list model, which hold the window, and leaves the screen and the
    // engine. Called by the application before it releases the window.
    void releaseContent();

    void buttonClicked (juce::Button* button) override;

    // A successful send may have changed a slot: read them all again (only heard while a pass runs
    // and after one that failed).
    void sendPresetResult (EditorPreset::Ptr preset, int result) override;
    // One step of the pass, for the result of the request it waits for.
    void requestPresetResult (int result) override;
    void requestEnded (EditorPreset::Ptr preset, int slotInReply, int result) override;
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}

    bool isBusy() const noexcept { return busy; }
    // The presets the rows show, by slot: those of the last complete pass.
    const juce::ReferenceCountedArray<EditorPreset>& getListedPresets() const noexcept { return listed; }
    GetPresetComponent* getPanel() const noexcept { return panel.get(); }
    PresetListBoxModel* getModel() const noexcept { return model.get(); }

private:
    void requestSlot (int slot);
    void endPass();

    VexoEditorEngine::Ptr engine;

    // This pass's presets, by slot; each added once its own dump has been loaded into it.
    juce::ReferenceCountedArray<EditorPreset> presets;
    // The last complete pass's, which the rows show; a pass that fails leaves them as they were.
    juce::ReferenceCountedArray<EditorPreset> listed;

    GetPresetComponent::Ptr panel;
    juce::CriticalSection lock;
    int count = 0;
    bool busy = false;
    PresetListBoxModel::Ptr model;

    // The request the pass waits for.
    EditorPreset::Ptr awaited;
    int awaitedSlot = -1;
    int requestsForSlot = 0;

    bool released = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetWindow)
};
