#include "app/NativeDesktopInteraction.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>

NativeDesktopInteraction::NativeDesktopInteraction() = default;

NativeDesktopInteraction::~NativeDesktopInteraction()
{
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

bool NativeDesktopInteraction::openWithSystem (const juce::File& document)
{
    return document.startAsProcess();
}
