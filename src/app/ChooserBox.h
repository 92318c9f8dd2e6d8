#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// One file chooser for the program: the desktop's own where it has one, else the framework's box.
// The framework's juce::FileChooser builds that box itself, and its box does not answer a close
// from the window manager (Alt+F4, or the close button of a frame it gives the box): the framework
// hands that close to Component::userTriedToCloseWindow, which the box leaves as it is, an
// assertion and nothing more, so the box stayed up until Escape. The box here is built by this
// class, from the same framework parts, and takes such a close as its Cancel.
class ChooserBox final
{
public:
    enum class Purpose
    {
        open,
        save // asks before it replaces a file
    };

    ChooserBox (const juce::String& title, const juce::String& pattern, Purpose purpose);

    // A box still open goes without answering.
    ~ChooserBox();

    // Waits for the user; a default-constructed file when cancelled.
    juce::File choose();

    // Returns at once; onChosen hears the choice later on the message thread (a default-constructed
    // file when cancelled), and only while this object lives.
    void launch (std::function<void (const juce::File&)> onChosen);

private:
    struct FrameworkBox;

    int getBrowserFlags() const;

    const Purpose purpose;
    juce::FileChooser desktopChooser;
    std::unique_ptr<FrameworkBox> frameworkBox; // null where the desktop has its own chooser

    JUCE_DECLARE_NON_COPYABLE (ChooserBox)
};
