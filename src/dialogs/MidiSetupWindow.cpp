#include "dialogs/MidiSetupWindow.h"

#include "services/ApplicationServices.h"
#include "text/UiText.h"
#include "widgets/ImageButtonFactories.h"

MidiSetupWindow::MidiSetupWindow (MidiSetupComponent::Ptr panelToShow, MidiManager::Ptr managerToUse)
    : juce::DocumentWindow (UiText::midiSetupWindowTitle, juce::Colours::black,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
    , panel (std::move (panelToShow))
    , manager (std::move (managerToUse))
{
    jassert (panel != nullptr);
    setUsingNativeTitleBar (true);
    setContentNonOwned (panel.get(), true);
}

MidiSetupWindow::~MidiSetupWindow()
{
    for (auto* button : {&panel->getOkButton(), &panel->getCancelButton(), &panel->getApplyButton()})
        button->removeListener (this);
    clearContentComponent();
}

MidiSetupWindow::Ptr MidiSetupWindow::create (MidiManager::Ptr manager)
{
    auto ok = createOkButton();
    auto cancel = createCancelButton();
    auto apply = createApplyButton();

    MidiSetupComponent::Ptr panel (new MidiSetupComponent (ok, cancel, apply));
    if (manager != nullptr)
        panel->refreshDeviceLists (*manager);

    Ptr window (new MidiSetupWindow (panel, std::move (manager)));
    for (auto* button : {ok.get(), cancel.get(), apply.get()})
        button->addListener (window.get());

    window->centreWithSize (window->getWidth(), window->getHeight());
    return window;
}

void MidiSetupWindow::closeButtonPressed()
{
    if (auto* services = ApplicationServices::get())
        services->closeToolWindow (ApplicationServices::ToolWindowKind::midiSetup);
    else
        setVisible (false);
}

void MidiSetupWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == UiText::applyButton || name == UiText::okButton)
        applySelectedPorts();

    if (name == UiText::okButton || name == UiText::cancelButton)
        closeButtonPressed();
}

void MidiSetupWindow::applySelectedPorts()
{
    if (manager == nullptr)
        return;

    manager->closeAllOutputs();
    manager->closeAllInputs();

    const auto input = panel->getSelectedInputName();
    const auto output = panel->getSelectedOutputName();

    // The ports chosen now replace every earlier choice, also ports that vanished before and wait
    // for their devices: those would otherwise be opened again beside the new ones on their return.
    // A chosen port that is itself away goes on waiting, so that its device opens when it is back.
    manager->forgetLostPorts (input, output);

    // An empty selection stands for no port in that direction.
    if (input.isNotEmpty())
        manager->openInput (input);
    if (output.isNotEmpty())
        manager->openOutput (output);
}
