#include "dialogs/SendPresetWindow.h"

#include "dialogs/PresetSnapshot.h"
#include "services/ApplicationServices.h"
#include "text/UiText.h"
#include "widgets/ImageButtonFactories.h"

namespace
{
constexpr int windowWidth = 366;
constexpr int windowHeight = 143;
} // namespace

SendPresetWindow::SendPresetWindow (EditorPreset::Ptr presetToSend, VexoEditorEngine::Ptr engineToUse,
                                    SendPresetComponent::Ptr contentToShow)
    : juce::DocumentWindow (UiText::sendPresetWindowTitle, juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false)
    , preset (std::move (presetToSend))
    , engine (std::move (engineToUse))
    , content (std::move (contentToShow))
{
    jassert (content != nullptr);

    if (engine != nullptr)
        engine->addListener (this);

    setLookAndFeel (&look);
    content->setVisible (true);
    setUsingNativeTitleBar (true);

    setSize (windowWidth, windowHeight);
    content->setSize (windowWidth, windowHeight);
    setContentNonOwned (content.get(), true);
    centreWithSize (getWidth(), getHeight());
}

SendPresetWindow::~SendPresetWindow()
{
    if (engine != nullptr)
        engine->removeListener (this);
    content->getSendButton().removeListener (this);
    clearContentComponent();
    setLookAndFeel (nullptr);
}

SendPresetWindow::Ptr SendPresetWindow::create (EditorPreset::Ptr preset, VexoEditorEngine::Ptr engine)
{
    auto sendButton = createSendButton();
    Ptr window (
        new SendPresetWindow (std::move (preset), std::move (engine), new SendPresetComponent (sendButton)));
    sendButton->addListener (window.get());
    return window;
}

void SendPresetWindow::closeButtonPressed()
{
    setVisible (false);
    if (isOnDesktop())
        removeFromDesktop();
}

void SendPresetWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr || button->getName() != UiText::sendButton || engine == nullptr ||
        preset == nullptr)
        return;

    EditorPreset::Ptr snapshot = new PresetSnapshot (*preset);
    sendsInFlight.add (snapshot);
    engine->sendPreset (content->getSelectedSlotId() - 1, snapshot);
}

void SendPresetWindow::sendPresetResult (EditorPreset::Ptr sentPreset, int result)
{
    const auto index = sendsInFlight.indexOf (sentPreset.get());
    if (index < 0)
        return;
    sendsInFlight.remove (index);

    // Failures are the application's to report.
    if (result != VexoEditorEngine::resultSuccess)
        return;

    if (auto* services = ApplicationServices::get())
        services->showMessage (UiText::presetSentSuccessfully);
    closeButtonPressed();
}
