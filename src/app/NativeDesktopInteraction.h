#pragma once

#include "services/DesktopInteraction.h"

#include <juce_events/juce_events.h>

#include <memory>
#include <vector>

class ChooserBox;
class MessageBoxLook;

// The desktop's own boxes and choosers (JUCE's where the platform has none). While it lives, the
// framework's message boxes are drawn in the program's look.
class NativeDesktopInteraction final : public DesktopInteraction, private juce::Timer
{
public:
    // Starts the desktop's opener on a document: null when it could not be started.
    using OpenerStart = std::unique_ptr<juce::ChildProcess> (*) (const juce::File& document);
    static std::unique_ptr<juce::ChildProcess> startDesktopOpener (const juce::File& document);

    // Tests hand in an opener start of their own.
    explicit NativeDesktopInteraction (OpenerStart startOpener = startDesktopOpener);

    // Closes any chooser still open, as when the program quits with one up.
    ~NativeDesktopInteraction() override;

    void showWarningAsync (const juce::String& title, const juce::String& text) override;
    void showNotice (const juce::String& title, const juce::String& text) override;
    SaveAnswer askYesNoCancel (const juce::String& title, const juce::String& text) override;
    juce::File chooseFileToOpen (const juce::String& title, const juce::String& pattern) override;
    juce::File chooseFileToSave (const juce::String& title, const juce::String& pattern) override;
    void chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                std::function<void (const juce::File&)> onChosen) override;
    void openWithSystem (const juce::File& document, std::function<void()> onRefused) override;

private:
    struct Opener
    {
        std::unique_ptr<juce::ChildProcess> process; // null when it could not be started
        std::function<void()> onRefused;
    };

    // Collects the openers that have finished and tells about those that failed.
    void timerCallback() override;

    // Declared first so that it goes last, after the choosers below whose boxes are drawn with it.
    std::unique_ptr<MessageBoxLook> boxLook;

    // The desktop's openers still running, each waited for so that none is left behind as a dead
    // child, and those that could not start, until they are reported.
    std::vector<Opener> openers;
    OpenerStart startOpener;

    // The choosers that return at once, each kept until it has answered.
    std::vector<std::unique_ptr<ChooserBox>> openChoosers;

    JUCE_DECLARE_NON_COPYABLE (NativeDesktopInteraction)
};
