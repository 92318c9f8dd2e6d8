#include "app/NativeDesktopInteraction.h"

#include "app/ChooserBox.h"
#include "services/WindowStacking.h"
#include "widgets/MessageBoxLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>

NativeDesktopInteraction::NativeDesktopInteraction (OpenerStart start)
    : boxLook (
          std::make_unique<MessageBoxLook> ([] (juce::Component& box) { WindowStacking::carryTitle (box); }))
    , startOpener (start)
{
    juce::LookAndFeel::setDefaultLookAndFeel (boxLook.get());
}

NativeDesktopInteraction::~NativeDesktopInteraction()
{
    // A viewer still open goes on without the program; nobody is left to hear about it.
    stopTimer();

    // A chooser that goes closes its box; it does not answer.
    openChoosers.clear();

    if (&juce::LookAndFeel::getDefaultLookAndFeel() == boxLook.get())
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
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
    return ChooserBox (title, pattern, ChooserBox::Purpose::open).choose();
}

juce::File NativeDesktopInteraction::chooseFileToSave (const juce::String& title, const juce::String& pattern)
{
    return ChooserBox (title, pattern, ChooserBox::Purpose::save).choose();
}

void NativeDesktopInteraction::chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                                      std::function<void (const juce::File&)> onChosen)
{
    auto chooser = std::make_unique<ChooserBox> (title, pattern, ChooserBox::Purpose::open);
    auto& launched = *chooser;
    openChoosers.push_back (std::move (chooser));

    // Held here rather than by its own callback: one still open when the program quits must go
    // with this object, while the framework is still there.
    launched.launch (
        [this, answering = &launched, onChosen = std::move (onChosen)] (const juce::File& file)
        {
            // Let go once the chooser has returned from this call.
            const auto found =
                std::find_if (openChoosers.begin(), openChoosers.end(),
                              [answering] (const auto& held) { return held.get() == answering; });
            if (found != openChoosers.end())
            {
                juce::MessageManager::callAsync (
                    [done = std::shared_ptr<ChooserBox> (std::move (*found))] {});
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
