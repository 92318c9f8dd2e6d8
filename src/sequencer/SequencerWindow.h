#pragma once

#include "services/ToolDocumentWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The window of a main window's step-sequencer editor. Its close button only hides it: the next
// "Sequence Edit" shows it again as it was, and it lives as long as its main window.
class SequencerWindow : public ToolDocumentWindow,
                        public juce::ReferenceCountedObject,
                        private juce::ComponentListener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SequencerWindow>;

    // Follows the main window's title: "<main window's title> Sequence Edit".
    static const juce::String titleSuffix;

    // Takes the content, at the content's own size.
    explicit SequencerWindow (std::unique_ptr<juce::Component> content);
    ~SequencerWindow() override;

    void closeButtonPressed() override;

    // From now on titled after the given window, and again whenever that window is renamed.
    void followTitleOf (juce::Component& mainWindow);

private:
    void componentNameChanged (juce::Component& component) override;
    void componentBeingDeleted (juce::Component& component) override;

    juce::Component::SafePointer<juce::Component> titleSource;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerWindow)
};
