#include "app/NativeDesktopInteraction.h"

#include <juce_gui_basics/juce_gui_basics.h>

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
    // The chooser lives until it has answered: its callback holds it and is let go once called.
    auto chooser = std::make_shared<juce::FileChooser> (title, juce::File(), pattern);
    chooser->launchAsync (juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                          [chooser, onChosen = std::move (onChosen)] (const juce::FileChooser& answered)
                          {
                              if (onChosen)
                                  onChosen (answered.getResult());
                          });
}

bool NativeDesktopInteraction::openWithSystem (const juce::File& document)
{
    return document.startAsProcess();
}
