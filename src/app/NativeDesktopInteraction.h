#pragma once

#include "services/DesktopInteraction.h"

// The desktop's own boxes and choosers (JUCE's where the platform has none).
class NativeDesktopInteraction final : public DesktopInteraction
{
public:
    void showWarningAsync (const juce::String& title, const juce::String& text) override;
    void showNotice (const juce::String& title, const juce::String& text) override;
    SaveAnswer askYesNoCancel (const juce::String& title, const juce::String& text) override;
    juce::File chooseFileToOpen (const juce::String& title, const juce::String& pattern) override;
    juce::File chooseFileToSave (const juce::String& title, const juce::String& pattern) override;
    void chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                std::function<void (const juce::File&)> onChosen) override;
    bool openWithSystem (const juce::File& document) override;
};
