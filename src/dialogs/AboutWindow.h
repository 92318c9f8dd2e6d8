#pragma once

#include "dialogs/AboutComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The About box: a small window without a title bar, over other windows, showing the logo and the
// version. A click on it hides it; the application keeps it and shows it again unchanged.
class AboutWindow : public juce::ResizableWindow, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AboutWindow>;

    // Titled "About " and the application's name, centred at the logo's size and shown.
    AboutWindow (juce::Image logo, const juce::String& applicationName);
    ~AboutWindow() override;

    AboutComponent& getContent() const noexcept { return *content; }

    // No frame of its own: the logo fills the window to its edges.
    juce::BorderSize<int> getBorderThickness() override { return {}; }

    // A close from the window manager (Alt+F4, a task bar) takes it off the screen as a click does.
    void userTriedToCloseWindow() override { setVisible (false); }

private:
    // The window shows its content and this counted reference owns it; the window's own content
    // ownership would delete it a second time.
    AboutComponent::Ptr content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutWindow)
};
