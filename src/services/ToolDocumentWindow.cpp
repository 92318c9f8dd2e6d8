#include "services/ToolDocumentWindow.h"

#include "services/ApplicationServices.h"

void ToolDocumentWindow::serve (juce::Component& mainWindow)
{
    served = &mainWindow;
}

juce::ApplicationCommandTarget* ToolDocumentWindow::getNextCommandTarget()
{
    return dynamic_cast<juce::ApplicationCommandTarget*> (served.getComponent());
}

bool ToolDocumentWindow::keyPressed (const juce::KeyPress& key)
{
    auto* services = ApplicationServices::get();
    auto* commands = services != nullptr ? services->getCommandManager() : nullptr;
    const auto command = commands != nullptr ? commands->getKeyMappings()->findCommandForKeyPress (key) : 0;
    auto* target = command != 0 ? getTargetForCommand (command) : nullptr;
    if (target == nullptr)
        return juce::DocumentWindow::keyPressed (key);

    InvocationInfo info (command);
    info.invocationMethod = InvocationInfo::fromKeyPress;
    info.keyPress = key;
    info.isKeyDown = true;
    info.originatingComponent = this;

    // Carried out once this key press is over: Close Window lets go of the main window, and with
    // it of this window, which must not go in the middle of its own key handling.
    return target->invoke (info, true);
}
