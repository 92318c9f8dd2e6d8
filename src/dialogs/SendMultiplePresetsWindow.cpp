#include "dialogs/SendMultiplePresetsWindow.h"

#include "dialogs/DeviceSlots.h"
#include "dialogs/DialogLists.h"
#include "editor/MainWindowDragDrop.h"
#include "model/VexoEditorPreset.h"
#include "services/ApplicationServices.h"
#include "text/UiText.h"
#include "widgets/ImageButtonFactories.h"

#include <filesystem>

namespace
{
const juce::String windowTitle ("Send Multiple Presets");
const juce::String readingThreadName ("Dragged Files Parse Queue");
const juce::String readingStatus ("Reading Dragged Files");
const juce::String browseTitle ("Select Preset file to load");
const juce::String presetFilePattern ("*.vexob");

constexpr int numSlotNames = 32;
constexpr int threadStopTimeoutMs = 5000;

juce::String nameOf (const EditorPreset::Ptr& preset)
{
    auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
    return named != nullptr ? named->getName() : juce::String();
}

// The folder a path names once every link on the way is followed: the same for each way to it.
std::string realFolder (const juce::File& folder)
{
    std::error_code error;
    const auto real = std::filesystem::canonical (folder.getFullPathName().toStdString(), error);
    return error ? folder.getFullPathName().toStdString() : real.string();
}
} // namespace

//==============================================================================
SendMultiplePresetsWindow::SendMultiplePresetsWindow()
    : juce::DocumentWindow (windowTitle, juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
    , juce::Thread (readingThreadName)
{
    // Posting makes the listener's shared reference on first use; made here, on the message
    // thread, it is never made by two threads at once.
    juce::WeakReference<juce::MessageListener>{this};

    for (int i = 0; i < numSlotNames; ++i)
        slotNames.add ({});

    model = std::make_unique<PresetListBoxModel> (*this);

    auto list = std::make_unique<juce::ListBox> (juce::String(), model.get());
    sendButton = createSendButton();
    sendButton->addListener (this);
    list->setRowHeight (dialogListRowHeight);

    panel = std::make_unique<SendMultiplePresetsComponent> (std::move (list), sendButton);

    setSize (panel->getWidth(), panel->getHeight());
    centreWithSize (getWidth(), getHeight());
    setContentNonOwned (panel.get(), false);
    setUsingNativeTitleBar (true);
}

SendMultiplePresetsWindow::~SendMultiplePresetsWindow()
{
    if (listenedTo != nullptr)
        listenedTo->removeListener (this);

    // The thread checks for this between any two files or folder entries, and waits on nothing
    // that this side holds, so it ends at once.
    signalThreadShouldExit();
    stopThread (threadStopTimeoutMs);

    sendButton->removeListener (this);
    clearContentComponent();
    if (panel != nullptr)
        panel->deleteList();
    model = nullptr;
}

void SendMultiplePresetsWindow::releaseContent()
{
    const Ptr keepAlive (this);

    released = true;
    signalThreadShouldExit();
    {
        const juce::ScopedLock sl (stateLock);
        jobs.clear();
        pendingPaths.clear();
    }

    // Nothing more goes out; the send on its way ends in the engine, heard by the application.
    if (listenedTo != nullptr)
        listenedTo->removeListener (this);
    batch = nullptr;

    // Rows hold the window, and the list uses the model, so the list goes first.
    if (panel != nullptr)
        panel->deleteList();
    model = nullptr;

    setVisible (false);
    if (isOnDesktop())
        removeFromDesktop();
}

void SendMultiplePresetsWindow::closeButtonPressed()
{
    if (auto* services = ApplicationServices::get())
        services->closeToolWindow (ApplicationServices::ToolWindowKind::sendMultiplePresets);
}

void SendMultiplePresetsWindow::notifyWindow()
{
    postMessage (new juce::Message());
}

//==============================================================================
void SendMultiplePresetsWindow::clearAllSlots()
{
    {
        const juce::ScopedLock sl (stateLock);
        slotTable.clear();
        for (auto& name : slotNames)
            name.clear();
        ++generation;
        jobs.clear();
        pendingPaths.clear();
    }

    // A "Send" still running no longer stands for what the window holds: it sends nothing more.
    batch = nullptr;
    notifyWindow();
}

void SendMultiplePresetsWindow::clearSlot (int slot)
{
    auto* services = ApplicationServices::get();
    if (!DeviceSlots::isSlot (slot) || services == nullptr)
        return;

    auto preset = services->createDefaultPreset();
    if (preset == nullptr)
        return;

    {
        const juce::ScopedLock sl (stateLock);
        slotTable[slot] = preset;
        slotNames.set (slot, {});
    }
    notifyWindow();
}

juce::String SendMultiplePresetsWindow::getSlotName (int slot) const
{
    const juce::ScopedLock sl (stateLock);
    return slotNames[slot];
}

void SendMultiplePresetsWindow::setSlotPreset (EditorPreset::Ptr preset, int slot)
{
    if (preset == nullptr || !DeviceSlots::isSlot (slot))
        return;

    const auto name = nameOf (preset);
    {
        const juce::ScopedLock sl (stateLock);
        slotTable[slot] = preset;
        slotNames.set (slot, name);
    }
    notifyWindow();
}

bool SendMultiplePresetsWindow::storeReadPreset (EditorPreset::Ptr preset, int slot, int readGeneration)
{
    const auto name = nameOf (preset);
    {
        const juce::ScopedLock sl (stateLock);
        if (readGeneration != generation)
            return false;
        slotTable[slot] = preset;
        slotNames.set (slot, name);
    }
    notifyWindow();
    return true;
}

void SendMultiplePresetsWindow::assignEditorPresetToSlot (EditorPreset::Ptr editorPreset, int slot)
{
    auto* services = ApplicationServices::get();
    if (editorPreset == nullptr || services == nullptr)
        return;

    auto copy = services->createDefaultPreset();
    if (copy == nullptr || !copy->fromBytes (editorPreset->toBytes()))
        return;

    setSlotPreset (copy, slot);
}

std::map<int, EditorPreset::Ptr> SendMultiplePresetsWindow::getSlotTable() const
{
    const juce::ScopedLock sl (stateLock);
    return slotTable;
}

bool SendMultiplePresetsWindow::hasPendingPaths() const
{
    const juce::ScopedLock sl (stateLock);
    return !pendingPaths.isEmpty();
}

bool SendMultiplePresetsWindow::isReading() const
{
    const juce::ScopedLock sl (stateLock);
    return readerActive;
}

//==============================================================================
void SendMultiplePresetsWindow::browseForPresetFiles (int slot)
{
    auto* services = ApplicationServices::get();
    if (released || services == nullptr)
        return;

    services->getDesktop().chooseFileToOpenAsync (
        browseTitle, presetFilePattern,
        [window = juce::Component::SafePointer<SendMultiplePresetsWindow> (this),
         slot] (const juce::File& file)
        {
            if (window != nullptr && file != juce::File())
                window->queueFilesForSlot (juce::StringArray (file.getFullPathName()), slot);
        });
}

void SendMultiplePresetsWindow::queueFilesForSlot (const juce::StringArray& paths, int slot)
{
    auto* services = ApplicationServices::get();
    if (released || paths.isEmpty() || !DeviceSlots::isSlot (slot) || services == nullptr)
        return;

    auto engine = services->getEngine();
    if (engine == nullptr)
        return;

    bool startReader = false;
    {
        const juce::ScopedLock sl (stateLock);
        jobs.push_back ({paths, slot, generation, engine});
        pendingPaths.addArray (paths);
        startReader = !readerActive;
        readerActive = true;
    }

    // The status of an ended "Send" no longer stands for the slots.
    if (!isSending())
        batch = nullptr;
    panel->setSendEnabled (false);
    panel->setStatusText (readingStatus);

    // The rows are made again through the message loop, never inside the drop that led here.
    notifyWindow();

    if (startReader)
    {
        // A thread that has just found nothing more to read is at most returning.
        waitForThreadToExit (threadStopTimeoutMs);
        startThread();
    }
}

void SendMultiplePresetsWindow::run()
{
    for (;;)
    {
        ReadJob job;
        {
            const juce::ScopedLock sl (stateLock);

            // Found idle under the same lock that queues a job: a job queued after this is seen
            // to need a new start, and one queued before it is read here.
            if (threadShouldExit() || jobs.empty())
            {
                readerActive = false;
                dropSlot = -1;
                currentFile.clear();
                jobs.clear();
                pendingPaths.clear();
                break;
            }

            job = std::move (jobs.front());
            jobs.pop_front();
            dropSlot = job.firstSlot;

            // Taken up: the rows accept drops again, which wait as further jobs.
            pendingPaths.clear();
            for (const auto& waiting : jobs)
                pendingPaths.addArray (waiting.paths);
        }
        notifyWindow();

        read (job);
    }

    notifyWindow();
}

void SendMultiplePresetsWindow::read (const ReadJob& job)
{
    int filled = 0;
    std::set<std::string> walked;

    for (const auto& path : job.paths)
    {
        if (threadShouldExit() || !juce::File::isAbsolutePath (path))
            return;

        const juce::File file (path);
        if (file.hasFileExtension (presetFilePattern.substring (1)))
        {
            if (!readFile (job, file, filled))
                return;
        }
        else if (file.isDirectory())
        {
            if (!readFolder (job, file, filled, walked))
                return;
        }
    }
}

bool SendMultiplePresetsWindow::readFolder (const ReadJob& job, const juce::File& folder, int& filled,
                                            std::set<std::string>& walked)
{
    // A link back to a folder on the way, or two links to one folder, would walk it again, and
    // a link cycle for ever: each real folder is walked once.
    if (!walked.insert (realFolder (folder)).second)
        return true;

    // In name order, so that the slots a folder fills do not depend on how the file system lists it.
    juce::Array<juce::File> entries;
    for (const auto& entry :
         juce::RangedDirectoryIterator (folder, false, "*", juce::File::findFilesAndDirectories))
    {
        if (threadShouldExit())
            return false;
        entries.add (entry.getFile());
    }
    std::sort (entries.begin(), entries.end(),
               [] (const juce::File& a, const juce::File& b)
               { return a.getFileName().compareNatural (b.getFileName()) < 0; });

    for (const auto& entry : entries)
    {
        if (threadShouldExit())
            return false;

        if (entry.isDirectory())
        {
            if (!readFolder (job, entry, filled, walked))
                return false;
        }
        else if (!readFile (job, entry, filled))
            return false;
    }
    return true;
}

bool SendMultiplePresetsWindow::readFile (const ReadJob& job, const juce::File& file, int& filled)
{
    if (threadShouldExit())
        return false;

    {
        const juce::ScopedLock sl (stateLock);
        currentFile = file.getFullPathName();
    }

    const int slot = job.firstSlot + filled;
    if (slot > DeviceSlots::last)
        return false;

    if (!job.engine->checkPresetFile (file))
        return true;

    notifyWindow();

    // The engine's own factory preset, not the application's: this is not the message thread.
    auto preset = job.engine->createFactoryPreset();
    if (preset == nullptr)
        return true;
    job.engine->loadPresetFile (file, preset);

    if (!storeReadPreset (preset, slot, job.generation))
        return false;

    ++filled;
    return true;
}

void SendMultiplePresetsWindow::handleMessage (const juce::Message&)
{
    if (released)
        return;

    bool reading = false;
    juce::String file;
    {
        const juce::ScopedLock sl (stateLock);
        reading = readerActive;
        file = currentFile;
    }

    panel->refreshList();

    // "Send" waits for the whole read: a batch sent halfway would miss the files still to come.
    if (!reading)
    {
        panel->setSendEnabled (!isSending());
        panel->setStatusText (batch != nullptr ? batch->getStatusText() : juce::String());
    }
    else if (file.isNotEmpty())
    {
        panel->setStatusText (file);
    }
}

//==============================================================================
void SendMultiplePresetsWindow::buttonClicked (juce::Button* button)
{
    if (button != nullptr && button->getName() == UiText::sendButton)
        sendAllPresets();
}

void SendMultiplePresetsWindow::sendAllPresets()
{
    auto* services = ApplicationServices::get();
    if (released || services == nullptr || isReading() || isSending())
        return;

    const auto table = getSlotTable();
    auto engine = services->getEngine();
    if (table.empty() || engine == nullptr)
        return;

    if (listenedTo != engine)
    {
        if (listenedTo != nullptr)
            listenedTo->removeListener (this);
        listenedTo = engine;
    }
    engine->addListener (this);

    batch = std::make_unique<PresetSendBatch> (engine, table);
    batch->start();
    panel->setSendEnabled (false);
    panel->setStatusText (batch->getStatusText());
}

void SendMultiplePresetsWindow::sendPresetResult (EditorPreset::Ptr preset, int result)
{
    if (released || batch == nullptr)
        return;

    const auto outcome = batch->handleResult (preset, result);
    if (outcome == PresetSendBatch::Outcome::notOurs)
        return;

    if (outcome == PresetSendBatch::Outcome::complete)
    {
        if (auto* services = ApplicationServices::get())
            services->showMessage (UiText::presetSentSuccessfully);
        closeButtonPressed();
        return;
    }

    // A failure is the application's to report, once: nothing more is sent after it.
    panel->setStatusText (batch->getStatusText());
    if (outcome == PresetSendBatch::Outcome::failed)
        panel->setSendEnabled (!isReading());
}

//==============================================================================
SendMultiplePresetsWindow::PresetListBoxModel::PresetListBoxModel (SendMultiplePresetsWindow& ownerWindow)
    : owner (&ownerWindow)
{
}

SendMultiplePresetsWindow::PresetListBoxModel::~PresetListBoxModel() = default;

int SendMultiplePresetsWindow::PresetListBoxModel::getNumRows()
{
    return DeviceSlots::count;
}

void SendMultiplePresetsWindow::PresetListBoxModel::paintListBoxItem (int, juce::Graphics& g, int width,
                                                                      int height, bool selected)
{
    paintDialogListRow (g, width, height, selected);
}

juce::Component*
SendMultiplePresetsWindow::PresetListBoxModel::refreshComponentForRow (int row, bool,
                                                                       juce::Component* existing)
{
    if (!DeviceSlots::isSlot (row) || owner == nullptr)
    {
        delete existing;
        return nullptr;
    }

    // Shown again rather than made anew, so that no row is destroyed while one of its own
    // callbacks runs.
    auto* rowComponent = dynamic_cast<PresetListRowComponent*> (existing);
    if (rowComponent == nullptr)
    {
        delete existing;
        rowComponent = new PresetListRowComponent (*owner);
    }

    rowComponent->show (row, DeviceSlots::getSlotText (row), owner->getSlotName (row));
    return rowComponent;
}

//==============================================================================
using RowComponent = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;

RowComponent::PresetListRowComponent (SendMultiplePresetsWindow& ownerWindow)
    : browseButton (createBrowseButton())
    , clearButton (createClearButton())
    , owner (&ownerWindow)
{
    browseButton->setTopLeftPosition (475, 2);
    browseButton->addListener (this);
    clearButton->setTopLeftPosition (browseButton->getRight() + 5, 5);
    addAndMakeVisible (*clearButton);
    clearButton->addListener (this);

    nameLabel.attachToComponent (browseButton.get(), true);
    nameLabel.setColour (juce::Label::textColourId, juce::Colours::white);
    nameLabel.setText ({}, juce::dontSendNotification);

    addAndMakeVisible (*browseButton);
    addAndMakeVisible (nameLabel);
}

RowComponent::~PresetListRowComponent()
{
    browseButton->removeListener (this);
    clearButton->removeListener (this);
}

void RowComponent::show (int newRowNumber, const juce::String& newSlotText, const juce::String& name)
{
    rowNumber = newRowNumber;
    if (slotText != newSlotText)
    {
        slotText = newSlotText;
        repaint();
    }
    nameLabel.setText (name, juce::dontSendNotification);

    const bool idle = !owner->hasPendingPaths();
    browseButton->setEnabled (idle);
    clearButton->setEnabled (idle);
}

void RowComponent::paint (juce::Graphics& g)
{
    if (dragOver)
    {
        g.setColour (juce::Colour (0, 0, 255));
        g.drawRect (getLocalBounds(), 1);
    }
    drawDialogRowCaption (g, slotText);
}

void RowComponent::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    if (button->getName() == UiText::browseButton)
        owner->browseForPresetFiles (rowNumber);
    else if (button->getName() == UiText::clearButton)
        owner->clearSlot (rowNumber);
}

bool RowComponent::isInterestedInDragSource (const SourceDetails&)
{
    return !owner->hasPendingPaths();
}

bool RowComponent::isInterestedInFileDrag (const juce::StringArray&)
{
    return !owner->hasPendingPaths();
}

void RowComponent::filesDropped (const juce::StringArray& files, int, int)
{
    owner->queueFilesForSlot (files, rowNumber);
}

void RowComponent::itemDragEnter (const SourceDetails& details)
{
    if (details.description.toString() == MainWindowDragDrop::dragDescription)
    {
        dragOver = true;
        repaint();
    }
}

void RowComponent::itemDragExit (const SourceDetails&)
{
    dragOver = false;
    repaint();
}

void RowComponent::itemDropped (const SourceDetails& details)
{
    dragOver = false;
    if (auto* editor = MainWindowDragDrop::fromDrag (details))
        owner->assignEditorPresetToSlot (editor->getPreset(), rowNumber);
    repaint();
}
