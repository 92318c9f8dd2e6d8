#pragma once

#include "model/EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The main editor as a drag source: dragging its background carries its preset to whatever
// accepts a "Main Window" drag (the Send Multiple Presets list). Drags that start on a child are
// the child's own.
class MainWindowDragDrop : public virtual juce::Component, public juce::DragAndDropContainer
{
public:
    // The description such a drag carries.
    static const char* const dragDescription;

    ~MainWindowDragDrop() override;

    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;

    // The preset to hand over.
    virtual EditorPreset::Ptr getPreset() const = 0;

    // The editor behind a drag's source component, or null when the drag is no "Main Window".
    static MainWindowDragDrop* fromDrag (const juce::DragAndDropTarget::SourceDetails& details);
};
