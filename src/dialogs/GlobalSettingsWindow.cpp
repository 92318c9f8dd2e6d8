#include "dialogs/GlobalSettingsWindow.h"

#include "services/ApplicationServices.h"
#include "text/UiText.h"

const juce::String GlobalSettingsWindow::notReportedBeforeSend (
    "The device has not reported its global settings yet, so nothing was sent. Press Get and wait for "
    "its settings to show, or press Send again to send the settings shown.");

const juce::String GlobalSettingsWindow::nothingToRevertTo (
    "The device has reported no global settings to revert to, so nothing was sent.");

GlobalSettingsWindow::GlobalSettingsWindow (GlobalSettingsComponent::Ptr contentToShow,
                                            VexoEditorEngine::Ptr engineToUse)
    : juce::DocumentWindow ("Global Settings", juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
    , content (std::move (contentToShow))
    , engine (std::move (engineToUse))
{
    jassert (content != nullptr);
    setUsingNativeTitleBar (true);

    // The window takes the content's size and is centred at that size, not at a size it then
    // leaves.
    setContentNonOwned (content.get(), true);
    centreWithSize (getWidth(), getHeight());

    content->addButtonListener (this);
}

GlobalSettingsWindow::~GlobalSettingsWindow()
{
    content->removeButtonListener (this);
    clearContentComponent();
}

void GlobalSettingsWindow::closeButtonPressed()
{
    if (auto* services = ApplicationServices::get())
        services->closeToolWindow (ApplicationServices::ToolWindowKind::globalSettings);
    else
        setVisible (false);
}

void GlobalSettingsWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    // Sending to no port changes nothing on the device and the engine reports nothing: without
    // this the user would be left thinking the settings had gone (or were being asked for).
    if ((name == UiText::sendButton || name == UiText::revertButton || name == UiText::getButton) &&
        !canReachDevice (name == UiText::getButton))
    {
        if (auto* services = ApplicationServices::get())
        {
            services->showMidiSetupWindow();
            services->showMessage (UiText::midiDeviceNotFound);
        }
        return;
    }

    if (name == UiText::sendButton)
        sendGlobalSettings();
    else if (name == UiText::revertButton)
        revertGlobalSettings();
    else if (name == UiText::getButton)
        requestGlobalSettings();
}

void GlobalSettingsWindow::requestGlobalSettings()
{
    if (engine != nullptr)
        engine->requestGlobalSettings();
}

void GlobalSettingsWindow::sendGlobalSettings()
{
    if (engine == nullptr)
        return;

    if (engine->hasGlobalSettingsFromDevice())
    {
        savedSettings = copyReportedSettings();
    }
    else
    {
        // The editor shows initial values, and sending them would overwrite the device's own
        // settings unnoticed: the user is told once, and a second Send means it.
        if (!std::exchange (sendWithoutReportAllowed, true))
        {
            engine->requestGlobalSettings();
            tellUser (notReportedBeforeSend);
            return;
        }
        sentWithoutReport = true;
    }

    engine->sendGlobalSettings (content->getGlobalSettings());
}

void GlobalSettingsWindow::revertGlobalSettings()
{
    if (engine == nullptr)
        return;

    if (savedSettings == nullptr)
    {
        // Nothing reported, or only what a blind Send wrote: sending that back would revert nothing
        // the user had.
        if (!engine->hasGlobalSettingsFromDevice() || sentWithoutReport)
        {
            tellUser (nothingToRevertTo);
            return;
        }
        savedSettings = copyReportedSettings();
    }

    engine->sendGlobalSettings (savedSettings);
}

bool GlobalSettingsWindow::canReachDevice (bool needsReply) const
{
    auto manager = engine != nullptr ? engine->getMidiManager() : nullptr;
    return manager != nullptr && manager->getNumOpenOutputs() > 0 &&
           (!needsReply || manager->getNumOpenInputs() > 0);
}

VexoGlobalSettings::Ptr GlobalSettingsWindow::copyReportedSettings() const
{
    auto copy = engine->createGlobalSettings();
    if (copy == nullptr)
        return nullptr;

    if (auto reported = engine->getGlobalSettings())
        for (const auto& pair : reported->getSettings())
            copy->setSetting (pair, juce::dontSendNotification);
    return copy;
}

void GlobalSettingsWindow::tellUser (const juce::String& text) const
{
    if (auto* services = ApplicationServices::get())
        services->showMessage (text);
}
