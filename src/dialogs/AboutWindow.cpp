#include "dialogs/AboutWindow.h"

AboutWindow::AboutWindow (juce::Image logo, const juce::String& applicationName)
    : juce::ResizableWindow ("About " + applicationName, true)
    , content (new AboutComponent (std::move (logo)))
{
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    setContentNonOwned (content.get(), true);

    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (true);
    setVisible (true);
}

AboutWindow::~AboutWindow()
{
    clearContentComponent();
}
