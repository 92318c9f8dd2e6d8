#pragma once

#include "dialogs/PresetSendBatch.h"
#include "dialogs/SendMultiplePresetsComponent.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>

// The Send Multiple Presets window: fills any of the device's 31 slots with presets taken from
// preset files, from folders of them or from a main editor dragged onto a row, then sends them all
// in one go. Files are checked and loaded on a thread of the window's own, "Dragged Files Parse
// Queue", which tells the window of its progress by posting messages to it.
//
// The slot table, the slot names, the pending paths, the drop slot and the current file are shared
// with that thread and touched only under one lock. Each drop is read as a job of its own, with its
// own first slot: a drop made while another is read waits its turn instead of moving the running
// one, and none is dropped.
class SendMultiplePresetsWindow : public juce::DocumentWindow,
                                  public juce::ReferenceCountedObject,
                                  public juce::Button::Listener,
                                  public juce::Thread,
                                  public juce::MessageListener,
                                  public VexoEditorEngine::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendMultiplePresetsWindow>;

    class PresetListBoxModel;

    SendMultiplePresetsWindow();
    ~SendMultiplePresetsWindow() override;

    // Empties every slot and name.
    void clearAllSlots();

    // The slot will be written with the factory preset.
    void clearSlot (int slot);

    // Empty for a slot nobody filled.
    juce::String getSlotName (int slot) const;

    // Puts a preset in a slot under the preset's own name. Any thread.
    void setSlotPreset (EditorPreset::Ptr preset, int slot);

    // Puts a copy of a main editor's preset in a slot: later edits in the editor do not reach it.
    void assignEditorPresetToSlot (EditorPreset::Ptr editorPreset, int slot);

    // Lets the user pick one preset file for a row; it is read like a dropped one.
    void browseForPresetFiles (int slot);

    // Files and folders to read into the slots from the given one on.
    void queueFilesForSlot (const juce::StringArray& paths, int slot);

    // Sends every filled slot, one after the other; nothing while a read or an earlier "Send" runs.
    void sendAllPresets();

    void closeButtonPressed() override;

    // Deletes the list, then the list model: both hold the window. Also leaves the screen and the
    // engine and tells the reading thread to stop. Called by the application before it releases
    // the window.
    void releaseContent();

    void buttonClicked (juce::Button* button) override;
    void sendPresetResult (EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}
    void handleMessage (const juce::Message& message) override;
    void run() override;

    // What the slots hold now, by slot.
    std::map<int, EditorPreset::Ptr> getSlotTable() const;
    bool hasPendingPaths() const;
    // True from the moment files are queued until the thread has read them all.
    bool isReading() const;
    // True from "Send" until every slot is acknowledged, one fails, or the window goes.
    bool isSending() const noexcept { return batch != nullptr && batch->isRunning(); }

    SendMultiplePresetsComponent& getPanel() const noexcept { return *panel; }
    PresetListBoxModel* getModel() const noexcept { return model.get(); }

private:
    struct ReadJob
    {
        juce::StringArray paths;
        int firstSlot = -1;
        int generation = 0;
        VexoEditorEngine::Ptr engine;
    };

    void read (const ReadJob& job);
    // False once the job must end: the thread is asked to stop, the slots are full, or they were
    // cleared meanwhile.
    bool readFile (const ReadJob& job, const juce::File& file, int& filled);
    bool readFolder (const ReadJob& job, const juce::File& folder, int& filled,
                     std::set<std::string>& walked);
    bool storeReadPreset (EditorPreset::Ptr preset, int slot, int generation);
    void notifyWindow();

    std::unique_ptr<SendMultiplePresetsComponent> panel;
    std::unique_ptr<PresetListBoxModel> model;
    ReferenceCountedImageButton::Ptr sendButton;

    mutable juce::CriticalSection stateLock;
    std::map<int, EditorPreset::Ptr> slotTable;
    juce::StringArray slotNames;
    juce::StringArray pendingPaths;
    juce::String currentFile;
    int dropSlot = -1;
    std::deque<ReadJob> jobs;
    bool readerActive = false;
    // Moves on with every clearing of all slots: a read begun before it stores nothing after it.
    int generation = 0;

    // Message thread only: the last "Send", running or ended; its status stays on show until the
    // slots change.
    std::unique_ptr<PresetSendBatch> batch;
    VexoEditorEngine::Ptr listenedTo;
    bool released = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsWindow)
};

// The list's 31 rows, one per slot. It holds the window, which owns it.
class SendMultiplePresetsWindow::PresetListBoxModel : public juce::ListBoxModel
{
public:
    class PresetListRowComponent;

    explicit PresetListBoxModel (SendMultiplePresetsWindow& owner);
    ~PresetListBoxModel() override;

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    juce::Component* refreshComponentForRow (int row, bool selected, juce::Component* existing) override;

    SendMultiplePresetsWindow* getOwner() const noexcept { return owner.get(); }

private:
    SendMultiplePresetsWindow::Ptr owner;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBoxModel)
};

// One slot: its caption and preset name, "Browse" and "Clear"; files, folders and a dragged main
// editor can be dropped on it.
class SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent
    : public juce::Component,
      public juce::Button::Listener,
      public juce::DragAndDropTarget,
      public juce::FileDragAndDropTarget
{
public:
    explicit PresetListRowComponent (SendMultiplePresetsWindow& owner);
    ~PresetListRowComponent() override;

    // Shows a slot; the list reuses its row components as it scrolls and refreshes.
    void show (int rowNumber, const juce::String& slotText, const juce::String& name);

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;
    bool isInterestedInDragSource (const SourceDetails& details) override;
    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

    int getRowNumber() const noexcept { return rowNumber; }
    const juce::String& getSlotText() const noexcept { return slotText; }
    bool isDragOver() const noexcept { return dragOver; }
    const juce::Label& getNameLabel() const noexcept { return nameLabel; }
    ReferenceCountedImageButton& getBrowseButton() const noexcept { return *browseButton; }
    ReferenceCountedImageButton& getClearButton() const noexcept { return *clearButton; }

private:
    juce::String slotText;
    int rowNumber = -1;
    ReferenceCountedImageButton::Ptr browseButton;
    ReferenceCountedImageButton::Ptr clearButton;
    juce::Label nameLabel;
    SendMultiplePresetsWindow::Ptr owner;
    bool dragOver = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListRowComponent)
};
