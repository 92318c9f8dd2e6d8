#include "dialogs/GetPresetWindow.h"

#include "dialogs/DeviceSlots.h"
#include "dialogs/DialogLists.h"
#include "model/VexoEditorPreset.h"
#include "services/ApplicationServices.h"
#include "text/UiText.h"
#include "widgets/ImageButtonFactories.h"

namespace
{
constexpr int panelWidth = 633;
constexpr int panelHeight = 275;

juce::String nameOf (const EditorPreset::Ptr& preset)
{
    auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
    return named != nullptr ? named->getName() : juce::String();
}
} // namespace

GetPresetWindow::GetPresetWindow (VexoEditorEngine::Ptr engineToUse)
    : juce::DocumentWindow (UiText::loadPresetWindowTitle, juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false)
    , engine (std::move (engineToUse))
{
    setUsingNativeTitleBar (true);

    model = new PresetListBoxModel (this);

    auto list = std::make_unique<juce::ListBox> (juce::String(), model.get());
    list->setRowHeight (dialogListRowHeight);

    auto refreshButton = createRefreshButton();
    refreshButton->addListener (this);

    panel = new GetPresetComponent (std::move (list), refreshButton);
    panel->setSize (panelWidth, panelHeight);
    setContentNonOwned (panel.get(), true);
}

GetPresetWindow::~GetPresetWindow()
{
    if (engine != nullptr)
        engine->removeListener (this);

    // Only reached once the content has gone: until then the list model holds the window.
    jassert (panel == nullptr && model == nullptr);
}

void GetPresetWindow::releaseContent()
{
    const Ptr keepAlive (this);
    const juce::ScopedLock sl (lock);

    released = true;
    busy = false;
    awaited = nullptr;
    if (engine != nullptr)
        engine->removeListener (this);

    clearContentComponent();
    if (panel != nullptr)
    {
        panel->getRefreshButton().removeListener (this);
        // The list goes with the panel, and its rows with it, before the model they use.
        panel = nullptr;
    }
    if (model != nullptr)
    {
        model->releaseOwner();
        model = nullptr;
    }

    if (isOnDesktop())
        removeFromDesktop();
}

void GetPresetWindow::closeButtonPressed()
{
    if (auto* services = ApplicationServices::get())
        services->closeToolWindow (ApplicationServices::ToolWindowKind::loadFromHardware);
}

void GetPresetWindow::buttonClicked (juce::Button* button)
{
    if (button != nullptr && button->getName() == UiText::refreshButton)
        requestAllPresets();
}

void GetPresetWindow::requestAllPresets()
{
    const juce::ScopedLock sl (lock);

    if (busy || released || engine == nullptr)
        return;

    panel->setButtonEnabled (false);
    busy = true;
    engine->addListener (this);

    presets.clear();
    count = 0;
    requestSlot (DeviceSlots::ram);
}

void GetPresetWindow::requestSlot (int slot)
{
    requestsForSlot = slot == awaitedSlot ? requestsForSlot + 1 : 1;
    awaitedSlot = slot;

    // A blank preset: a received dump replaces every byte of it, and one that never arrives is
    // never shown.
    awaited = engine->createPreset();
    engine->requestPreset (slot, awaited);
}

void GetPresetWindow::requestEnded (EditorPreset::Ptr preset, int slotInReply, int result)
{
    const juce::ScopedLock sl (lock);

    if (!busy || preset == nullptr || preset != awaited)
        return;

    if (result == VexoEditorEngine::resultSuccess && slotInReply != awaitedSlot)
    {
        // A reply owed to an earlier request took this request's turn. Its own reply is now owed
        // to the next request made, so asking again gets it.
        if (requestsForSlot < maxRequestsPerSlot)
        {
            requestSlot (awaitedSlot);
            return;
        }

        endPass();
        if (auto* services = ApplicationServices::get())
            services->showMessage (UiText::noPresetAcknowledgement);
        return;
    }

    requestPresetResult (result);
}

void GetPresetWindow::requestPresetResult (int result)
{
    const juce::ScopedLock sl (lock);

    if (!busy || awaited == nullptr)
        return;

    // The application reports the failure; the list keeps showing the last complete pass, and
    // the window stays registered so that a successful send starts a new pass.
    if (result != VexoEditorEngine::resultSuccess)
    {
        endPass();
        return;
    }

    presets.add (std::exchange (awaited, nullptr));
    ++count;

    if (count != DeviceSlots::count)
    {
        requestSlot (count);
        return;
    }

    count = 0;
    juce::StringArray names;
    for (auto* preset : presets)
        names.add (nameOf (preset));

    engine->removeListener (this);
    listed = presets;
    model->setNames (names);
    panel->refreshList();
    endPass();
}

void GetPresetWindow::endPass()
{
    busy = false;
    awaited = nullptr;
    awaitedSlot = -1;
    requestsForSlot = 0;
    if (panel != nullptr)
        panel->setButtonEnabled (true);
}

void GetPresetWindow::sendPresetResult (EditorPreset::Ptr, int result)
{
    if (result == VexoEditorEngine::resultSuccess)
        requestAllPresets();
}

void GetPresetWindow::loadPresetIntoEditor (int row)
{
    if (!DeviceSlots::isSlot (row) || row >= listed.size())
        return;

    if (auto* services = ApplicationServices::get())
        services->openMainWindow (listed[row]);
}
