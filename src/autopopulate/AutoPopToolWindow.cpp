#include "autopopulate/AutoPopToolWindow.h"

#include "autopopulate/AutoPopulateText.h"

AutoPopToolWindow::AutoPopToolWindow (std::unique_ptr<juce::Component> content)
    : ToolDocumentWindow (AutoPopulateText::windowTitle, juce::Colours::black,
                          juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
{
    jassert (content != nullptr);
    setUsingNativeTitleBar (true);
    setResizable (false, false);

    // The content is owned here alone: the window's own clean-up deletes it.
    setContentOwned (content.release(), true);
    centreWithSize (getWidth(), getHeight());
}

AutoPopToolWindow::~AutoPopToolWindow()
{
    clearContentComponent();
}

void AutoPopToolWindow::showPresetName (const juce::String& presetName)
{
    setName (AutoPopulateText::windowTitlePrefix + presetName);
}

void AutoPopToolWindow::closeButtonPressed()
{
    setVisible (false);
}
