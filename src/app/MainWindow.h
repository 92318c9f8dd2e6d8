#pragma once

#include "autopopulate/AutoPopToolWindow.h"
#include "dialogs/SendPresetWindow.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"
#include "sequencer/SequencerWindow.h"
#include "services/ToolWindowHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

// One open preset: the editor for it, the file it belongs to and the engine that saves and loads it.
class MainWindow final : public juce::DocumentWindow,
                         public juce::ApplicationCommandTarget,
                         public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MainWindow>;

    // pathOrTitle is either the absolute path of the preset's file or the title of an untitled
    // window. The menu bar is only given where windows carry their own.
    MainWindow (std::unique_ptr<juce::Component> editor, EditorPreset::Ptr preset,
                VexoEditorEngine::Ptr engine, const juce::String& pathOrTitle, juce::MenuBarModel* menuBar);
    ~MainWindow() override;

    // Asks whether to save the preset first; false only when the window must stay. Saying Yes and
    // then cancelling the file name keeps it too, as does a write that failed: nothing was saved.
    // Asked while its question or one of its file choosers is still up, it keeps the window and
    // leaves the answer to the box already showing.
    bool confirmSave();

    // Save writes to the window's file when it still exists and otherwise asks for a name, as Save As
    // always does. Both return true only when the preset is now in the file: false when the user
    // cancelled the choice of a file or the write failed.
    bool save();
    bool saveAs();

    // The Close Window command and the title bar's close button.
    void close();

    // Loads a file into this window's preset, asking first to save a preset that is no longer the
    // factory one. A file that is not a valid preset leaves the window exactly as it was.
    void openFile (const juce::File& file);

    void sendToHardware();
    void openAutoPopulateTool();
    void openSequenceEditor();

    const juce::String& getPath() const { return path; }
    const juce::String& getDisplayName() const { return displayName; }
    EditorPreset::Ptr getPreset() const { return preset; }

    // Null until the first Send To Hardware.
    SendPresetWindow* getSendPresetWindow() const { return sendPresetWindow.get(); }

    // Null until the first "Sequence Edit".
    SequencerWindow* getSequencerWindow() const { return sequencerWindow.get(); }

    // Null until the Auto Populate Tool command first opens it.
    AutoPopToolWindow* getAutoPopulateWindow() const noexcept { return autoPopulateWindow.get(); }

    void closeButtonPressed() override;
    void resized() override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

private:
    void setDisplayName (const juce::String& name);
    void belongTo (const juce::File& file);
    bool writeTo (const juce::File& file);
    void finishEditsInProgress();

    // Made on first use, hidden by its close button, released with this window.
    ToolWindowHolder<SequencerWindow> sequencerWindow;
    juce::String path;
    juce::String displayName;
    EditorPreset::Ptr preset;
    VexoEditorEngine::Ptr engine;
    bool modalBoxShowing = false;
    // The window's size around its editor, taken before it was first shown.
    juce::Point<int> ownSize;
    int sizeRestores = 0;

    // Made once, kept while this window lives, so it comes back with the slot last chosen.
    ToolWindowHolder<SendPresetWindow> sendPresetWindow;

    // Made on first use, hidden by its close button, let go with this window.
    ToolWindowHolder<AutoPopToolWindow> autoPopulateWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
