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
    pass = nullptr;
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

    pass = std::make_unique<SlotReadPass> (engine);
    pass->start();
    panel->setStatusText (pass->getStatusText());
}

void GetPresetWindow::requestEnded (EditorPreset::Ptr preset, int slotInReply, int result)
{
    const juce::ScopedLock sl (lock);

    if (!busy || pass == nullptr)
        return;

    const auto outcome = pass->handleResult (preset, slotInReply, result);
    if (outcome != SlotReadPass::Outcome::notOurs)
        panel->setStatusText (pass->getStatusText());

    switch (outcome)
    {
        case SlotReadPass::Outcome::notOurs:
        case SlotReadPass::Outcome::reading:
            return;
        case SlotReadPass::Outcome::complete:
            listPass();
            return;
        case SlotReadPass::Outcome::failed:
            break;
    }

    // The application reports a request that failed; the list keeps showing the last complete
    // pass, and the window stays registered so that a successful send starts a new pass. A device
    // that keeps answering for other slots has failed no request, so this window says so.
    endPass();
    if (result == VexoEditorEngine::resultSuccess)
        if (auto* services = ApplicationServices::get())
            services->showMessage (UiText::noPresetAcknowledgement);
}

void GetPresetWindow::listPass()
{
    juce::StringArray names;
    listed.clear();
    for (const auto& preset : pass->getPresets())
    {
        listed.add (preset);
        names.add (nameOf (preset));
    }

    engine->removeListener (this);
    model->setNames (names);
    panel->refreshList();
    endPass();
}

void GetPresetWindow::endPass()
{
    busy = false;
    if (panel != nullptr)
        panel->setButtonEnabled (true);
}

void GetPresetWindow::sendPresetResult (EditorPreset::Ptr preset, int result)
{
    if (preset != nullptr && result == VexoEditorEngine::resultSuccess)
        requestAllPresets();
}

void GetPresetWindow::loadPresetIntoEditor (int row)
{
    if (!DeviceSlots::isSlot (row) || row >= listed.size())
        return;

    if (auto* services = ApplicationServices::get())
        services->openMainWindow (listed[row]);
}
