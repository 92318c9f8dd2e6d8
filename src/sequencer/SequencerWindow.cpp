#include "sequencer/SequencerWindow.h"

const juce::String SequencerWindow::titleSuffix (" Sequence Edit");

SequencerWindow::SequencerWindow (std::unique_ptr<juce::Component> content)
    : ToolDocumentWindow ("Sequencer", juce::Colours::grey,
                          juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
{
    jassert (content != nullptr);
    const auto width = content->getWidth();
    const auto height = content->getHeight();
    setContentOwned (content.release(), true);
    setSize (width, height);
    setUsingNativeTitleBar (true);
}

SequencerWindow::~SequencerWindow()
{
    if (auto* source = titleSource.getComponent())
        source->removeComponentListener (this);
}

void SequencerWindow::closeButtonPressed()
{
    setVisible (false);
}

void SequencerWindow::followTitleOf (juce::Component& mainWindow)
{
    if (auto* previous = titleSource.getComponent())
        previous->removeComponentListener (this);

    titleSource = &mainWindow;
    mainWindow.addComponentListener (this);
    componentNameChanged (mainWindow);
}

void SequencerWindow::componentNameChanged (juce::Component& component)
{
    setName (component.getName() + titleSuffix);
}

void SequencerWindow::componentBeingDeleted (juce::Component& component)
{
    component.removeComponentListener (this);
    titleSource = nullptr;
}
