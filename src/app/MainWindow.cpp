#include "app/MainWindow.h"

#include "app/CommandIds.h"
#include "app/VexoEditorApplication.h"
#include "engine/VexoSysEx.h"
#include "model/VexoEditorPreset.h"
#include "text/UiText.h"

namespace
{
const char* const presetFilePattern = "*.vexob";

juce::String applicationName()
{
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        return app->getApplicationName();
    return {};
}
} // namespace

MainWindow::MainWindow (std::unique_ptr<juce::Component> editor, EditorPreset::Ptr presetToEdit,
                        VexoEditorEngine::Ptr engineToUse, const juce::String& pathOrTitle,
                        juce::MenuBarModel* menuToShow)
    : juce::DocumentWindow ({}, juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false)
    , preset (std::move (presetToEdit))
    , engine (std::move (engineToUse))
{
    setUsingNativeTitleBar (true);

    if (juce::File::isAbsolutePath (pathOrTitle))
        belongTo (juce::File (pathOrTitle));
    else
        setDisplayName (pathOrTitle);

    // The menu bar first, so that the window grows by its height around the editor.
    if (menuToShow != nullptr)
        setMenuBar (menuToShow);

    setContentOwned (editor.release(), true);
    ownSize = {getWidth(), getHeight()};

    // Only now on the desktop, so that its native window never has any size but its own: a window
    // manager that is still starting may take up a size the window had on the way.
    addToDesktop();
}

void MainWindow::resized()
{
    juce::DocumentWindow::resized();

    // The editor has one size. A window manager may still give the window another, as one that
    // takes over the screen while the program starts does; the window takes its own back.
    if (ownSize.isOrigin())
        return;
    if (getWidth() == ownSize.x && getHeight() == ownSize.y)
    {
        sizeRestores = 0;
        return;
    }
    // One that insists, as a tiling window manager does, has the last word.
    if (++sizeRestores > 3)
        return;
    juce::MessageManager::callAsync (
        [window = SafePointer<MainWindow> (this)]
        {
            if (window != nullptr)
                window->setSize (window->ownSize.x, window->ownSize.y);
        });
}

MainWindow::~MainWindow()
{
    setMenuBar (nullptr);
}

void MainWindow::setDisplayName (const juce::String& name)
{
    displayName = name;
    setName (applicationName() + " " + displayName);
}

void MainWindow::belongTo (const juce::File& file)
{
    path = file.getFullPathName();
    setDisplayName (file.getFileName());
}

bool MainWindow::confirmSave()
{
    auto* app = VexoEditorApplication::getApp();
    if (app == nullptr)
        return true;

    // The title bar's close button, and a quit, still reach a window while one of its modal boxes
    // (this question, or a Save or Save As file chooser) is up. Closing the window then would
    // destroy it under the box, which still uses it once answered, so it stays.
    if (modalBoxShowing)
        return false;

    const juce::ScopedValueSetter<bool> showing (modalBoxShowing, true);

    switch (app->getDesktop().askYesNoCancel (UiText::saveDocumentTitle,
                                              UiText::saveDocumentQuestion + displayName))
    {
        case DesktopInteraction::SaveAnswer::yes:
            return save();
        case DesktopInteraction::SaveAnswer::no:
            return true;
        case DesktopInteraction::SaveAnswer::cancel:
            break;
    }
    return false;
}

bool MainWindow::save()
{
    const juce::File file (path);
    if (!file.existsAsFile())
        return saveAs();

    return writeTo (file);
}

bool MainWindow::saveAs()
{
    auto* app = VexoEditorApplication::getApp();
    if (app == nullptr)
        return false;

    // While the chooser is up, this window refuses to close (see confirmSave).
    const juce::ScopedValueSetter<bool> choosing (modalBoxShowing, true);
    const auto file = app->getDesktop().chooseFileToSave (UiText::saveAsChooserTitle, presetFilePattern);
    if (file == juce::File())
        return false;

    // Only a file that now holds the preset becomes the window's: after a failed write the window
    // keeps its name and file, or it would claim a file it does not have. The failure itself is
    // reported when its result arrives.
    if (!writeTo (file))
        return false;

    belongTo (file);
    return true;
}

namespace
{
// Collected first: ending an edit tells the field's listeners, which may change what is shown.
void collectEditedLabels (juce::Component& parent,
                          juce::Array<juce::Component::SafePointer<juce::Label>>& found)
{
    for (auto* child : parent.getChildren())
    {
        if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && label->isBeingEdited())
            found.add (label);
        else
            collectEditedLabels (*child, found);
    }
}
} // namespace

void MainWindow::finishEditsInProgress()
{
    // A number typed into a field reaches the preset only once its edit ends, and a save question
    // or a file chooser, being modal, does not end it: the field goes on showing what was typed.
    // What is written must be what the user sees, here and in this window's step sequence.
    juce::Array<juce::Component::SafePointer<juce::Label>> edited;
    collectEditedLabels (*this, edited);
    if (auto* sequencer = sequencerWindow.get())
        collectEditedLabels (*sequencer, edited);

    for (auto& label : edited)
        if (label != nullptr)
            label->hideEditor (false);
}

bool MainWindow::writeTo (const juce::File& file)
{
    finishEditsInProgress();
    engine->savePresetFile (file, preset);

    // The engine writes at once but reports only later, and a window about to close, or to load
    // another file over its preset, must know now whether the preset is safe: it is when the file
    // holds exactly what the engine writes for it.
    const auto expected = VexoSysEx::wrap (VexoSysEx::buildDump (engine->getMessageModel(), *preset, 0));
    juce::MemoryBlock written;
    return file.loadFileAsData (written) &&
           written == juce::MemoryBlock (expected.getRawDataPointer(), (size_t)expected.size());
}

void MainWindow::close()
{
    if (auto* app = VexoEditorApplication::getApp())
        app->closeMainWindow (this);
}

void MainWindow::openFile (const juce::File& file)
{
    auto* app = VexoEditorApplication::getApp();
    if (app == nullptr)
        return;

    // A refused file still goes through the loader, which leaves the preset untouched and reports
    // the failure like any other; but the window must not take the file's name, or its next Save
    // would write this preset over the user's file.
    if (!engine->checkPresetFile (file))
    {
        engine->loadPresetFile (file, preset);
        return;
    }

    const auto factoryPreset = app->createDefaultPreset();
    if (factoryPreset == nullptr || factoryPreset->toBytes() != preset->toBytes())
        if (!confirmSave())
            return;

    engine->loadPresetFile (file, preset);
    belongTo (file);
}

void MainWindow::sendToHardware()
{
    sendPresetWindow.getOrMake ([this] { return SendPresetWindow::create (preset, engine); });
    sendPresetWindow.show (this);
}

void MainWindow::openSequenceEditor()
{
    if (!sequencerWindow.exists())
    {
        auto* app = VexoEditorApplication::getApp();
        auto content = app != nullptr ? app->createSequencerComponent (preset) : nullptr;
        if (content == nullptr)
            return;

        // Titled after this window, also once Save As or an opened file renames it; the shortcuts
        // pressed in it act on this window.
        auto& made =
            sequencerWindow.getOrMake ([&content] { return new SequencerWindow (std::move (content)); });
        made.followTitleOf (*this);
        made.serve (*this);
    }

    sequencerWindow.show (this, ToolStacking::ownWindow);
}

void MainWindow::openAutoPopulateTool()
{
    if (!autoPopulateWindow.exists())
    {
        auto* app = VexoEditorApplication::getApp();
        auto content = app != nullptr ? app->createAutoPopulateComponent (preset) : nullptr;
        if (content == nullptr)
            return;
        // The shortcuts pressed in the tool act on this window.
        autoPopulateWindow.getOrMake ([&content] { return new AutoPopToolWindow (std::move (content)); })
            .serve (*this);
    }

    autoPopulateWindow.show (this);
    if (auto* named = dynamic_cast<VexoEditorPreset*> (preset.get()))
        autoPopulateWindow.get()->showPresetName (named->getName());
}

void MainWindow::closeButtonPressed()
{
    close();
}

juce::ApplicationCommandTarget* MainWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void MainWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({CommandIds::sequenceEdit, CommandIds::closeWindow, CommandIds::save,
                        CommandIds::saveAs, CommandIds::minimizeWindow, CommandIds::autoPopulateTool,
                        CommandIds::sendToHardware});
}

void MainWindow::getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result)
{
    CommandIds::describeCommand (commandId, result);
}

bool MainWindow::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case CommandIds::sequenceEdit:
            openSequenceEditor();
            return true;
        case CommandIds::closeWindow:
            close();
            return true;
        case CommandIds::save:
            save();
            return true;
        case CommandIds::saveAs:
            saveAs();
            return true;
        case CommandIds::minimizeWindow:
            setMinimised (true);
            return true;
        case CommandIds::autoPopulateTool:
            openAutoPopulateTool();
            return true;
        case CommandIds::sendToHardware:
            sendToHardware();
            return true;
        default:
            return false;
    }
}
