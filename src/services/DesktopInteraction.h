#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// Everything the shell asks of the user or hands to the desktop goes through this interface: the
// program installs the real one, tests install one that answers at once, so no test ever waits on
// a modal box or a file chooser.
class DesktopInteraction
{
public:
    enum class SaveAnswer
    {
        yes,
        no,
        cancel
    };

    virtual ~DesktopInteraction() = default;

    // A warning box that returns at once and leaves the user to dismiss it.
    virtual void showWarningAsync (const juce::String& title, const juce::String& text) = 0;

    // A box with an OK button only, waited for.
    virtual void showNotice (const juce::String& title, const juce::String& text) = 0;

    // A modal Yes / No / Cancel question.
    virtual SaveAnswer askYesNoCancel (const juce::String& title, const juce::String& text) = 0;

    // Modal file choosers; a default-constructed file when the user cancels.
    virtual juce::File chooseFileToOpen (const juce::String& title, const juce::String& pattern) = 0;
    virtual juce::File chooseFileToSave (const juce::String& title, const juce::String& pattern) = 0;

    // A file chooser that returns at once, so that no window waits inside one of its own callbacks
    // while it is up; onChosen hears the choice later, on the message thread (a default-constructed
    // file when the user cancels).
    virtual void chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                        std::function<void (const juce::File&)> onChosen) = 0;

    // Hands a document to the system's viewer and returns at once; onRefused hears later, on the
    // message thread, that the system could not open it (no viewer, no opener).
    virtual void openWithSystem (const juce::File& document, std::function<void()> onRefused) = 0;
};
