#pragma once

#include "dialogs/GetPresetComponent.h"
#include "dialogs/PresetListBoxModel.h"
#include "dialogs/SlotReadPass.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The Load From Hardware dialog: reads the device's presets one slot after the other, "RAM" (0)
// then 1 to 30, lists their names once all 31 have arrived, and opens any of them in a new main
// window. The application makes it, keeps it while it is open and releases it when it is closed.
//
// Every window that reads from the device shares the engine, which matches replies to requests in
// order. A pass therefore moves on only for the result of its own request, and a dump fills only
// the slot written in it, and only if the pass asked for that slot (SlotReadPass): a reply still
// due to a window that was closed, or one the device sent by itself, never fills a row.
class GetPresetWindow : public juce::DocumentWindow,
                        public juce::ReferenceCountedObject,
                        public VexoEditorEngine::Listener,
                        public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GetPresetWindow>;

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

    // A preset sent may have changed a slot: read them all again (only heard while a pass runs and
    // after one that failed). An acknowledgement that answers no send changes nothing.
    void sendPresetResult (EditorPreset::Ptr preset, int result) override;
    // The pass hears its results, with the request each ends, through requestEnded.
    void requestPresetResult (int) override {}
    // One step of the pass, for the result of the request it waits for.
    void requestEnded (EditorPreset::Ptr preset, int slotInReply, int result) override;
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}

    bool isBusy() const noexcept { return busy; }
    // The presets the rows show, by slot: those of the last complete pass.
    const juce::ReferenceCountedArray<EditorPreset>& getListedPresets() const noexcept { return listed; }
    GetPresetComponent* getPanel() const noexcept { return panel.get(); }
    PresetListBoxModel* getModel() const noexcept { return model.get(); }

private:
    void endPass();
    void listPass();

    VexoEditorEngine::Ptr engine;

    // The pass that runs, or the last one.
    std::unique_ptr<SlotReadPass> pass;
    // The last complete pass's, which the rows show; a pass that fails leaves them as they were.
    juce::ReferenceCountedArray<EditorPreset> listed;

    GetPresetComponent::Ptr panel;
    juce::CriticalSection lock;
    bool busy = false;
    PresetListBoxModel::Ptr model;

    bool released = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetWindow)
};
