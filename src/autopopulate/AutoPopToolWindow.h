#pragma once

#include "services/ToolDocumentWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The Auto Populate window of one main window. Its close button only takes it off the screen: it
// keeps its pages, toggles and values for the next time it is shown, until its main window lets
// it go.
class AutoPopToolWindow final : public ToolDocumentWindow, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopToolWindow>;

    // The window owns the content and takes its size.
    explicit AutoPopToolWindow (std::unique_ptr<juce::Component> content);
    ~AutoPopToolWindow() override;

    // "Auto Populate: " and the preset's name.
    void showPresetName (const juce::String& presetName);

    void closeButtonPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopToolWindow)
};
