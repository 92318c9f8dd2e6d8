#include "app/NativeDesktopInteraction.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>

NativeDesktopInteraction::NativeDesktopInteraction (OpenerStart start)
    : startOpener (start)
{
}

NativeDesktopInteraction::~NativeDesktopInteraction()
{
    // A viewer still open goes on without the program; nobody is left to hear about it.
    stopTimer();

    // A chooser that goes closes its box; it does not answer.
    openChoosers.clear();
}

void NativeDesktopInteraction::showWarningAsync (const juce::String& title, const juce::String& text)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, title, text);
}

void NativeDesktopInteraction::showNotice (const juce::String& title, const juce::String& text)
{
    juce::NativeMessageBox::showMessageBox (juce::MessageBoxIconType::NoIcon, title, text);
}

DesktopInteraction::SaveAnswer NativeDesktopInteraction::askYesNoCancel (const juce::String& title,
                                                                         const juce::String& text)
{
    switch (juce::AlertWindow::showYesNoCancelBox (juce::MessageBoxIconType::QuestionIcon, title, text))
    {
        case 1:
            return SaveAnswer::yes;
        case 2:
            return SaveAnswer::no;
        default:
            return SaveAnswer::cancel;
    }
}

juce::File NativeDesktopInteraction::chooseFileToOpen (const juce::String& title, const juce::String& pattern)
{
    juce::FileChooser chooser (title, {}, pattern);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

juce::File NativeDesktopInteraction::chooseFileToSave (const juce::String& title, const juce::String& pattern)
{
    juce::FileChooser chooser (title, {}, pattern);
    return chooser.browseForFileToSave (true) ? chooser.getResult() : juce::File();
}

void NativeDesktopInteraction::chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                                      std::function<void (const juce::File&)> onChosen)
{
    auto chooser = std::make_shared<juce::FileChooser> (title, juce::File(), pattern);
    openChoosers.push_back (chooser);

    // Held here rather than by its own callback: one still open when the program quits must go
    // with this object, while the framework is still there. Left to the framework's shut-down,
    // the framework's own chooser box is freed as if it stood alone, though it is part of the
    // chooser, and the program crashes on the way out.
    chooser->launchAsync (
        juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
        [this, answering = chooser.get(), onChosen = std::move (onChosen)] (const juce::FileChooser& answered)
        {
            const auto file = answered.getResult();

            // Let go once the chooser has returned from this call.
            const auto found =
                std::find_if (openChoosers.begin(), openChoosers.end(),
                              [answering] (const auto& held) { return held.get() == answering; });
            if (found != openChoosers.end())
            {
                juce::MessageManager::callAsync ([done = std::move (*found)] {});
                openChoosers.erase (found);
            }

            if (onChosen)
                onChosen (file);
        });
}

std::unique_ptr<juce::ChildProcess> NativeDesktopInteraction::startDesktopOpener (const juce::File& document)
{
    auto process = std::make_unique<juce::ChildProcess>();
    if (!process->start (juce::StringArray{"xdg-open", document.getFullPathName()}, 0))
        return nullptr;
    return process;
}

void NativeDesktopInteraction::openWithSystem (const juce::File& document, std::function<void()> onRefused)
{
#if JUCE_LINUX || JUCE_BSD
    // The framework's own way hands the file to a shell that nobody waits for: a desktop without a
    // viewer fails unseen, and each try leaves dead children behind. The desktop's opener is run
    // here instead, and its answer waited for without holding up the message loop.
    auto process = startOpener (document);
#else
    if (document.startAsProcess())
        return;
    std::unique_ptr<juce::ChildProcess> process;
#endif

    // An opener that could not even start is reported from the timer too, like one that failed:
    // the caller is told later, as it expects, never while it is still inside this call.
    openers.push_back ({std::move (process), std::move (onRefused)});
    startTimer (100);
}

void NativeDesktopInteraction::timerCallback()
{
    std::vector<std::function<void()>> refused;
    for (auto it = openers.begin(); it != openers.end();)
    {
        if (it->process != nullptr && it->process->isRunning())
        {
            ++it;
            continue;
        }
        // Also reaps the child.
        const auto failed = it->process == nullptr || it->process->getExitCode() != 0;
        if (failed && it->onRefused)
            refused.push_back (std::move (it->onRefused));
        it = openers.erase (it);
    }

    if (openers.empty())
        stopTimer();

    for (auto& tell : refused)
        tell();
}
