#include "editor/MainWindowDragDrop.h"

const char* const MainWindowDragDrop::dragDescription = "Main Window";

MainWindowDragDrop::~MainWindowDragDrop() = default;

void MainWindowDragDrop::mouseDrag (const juce::MouseEvent& event)
{
    // The container ignores a new start while its drag runs, so every drag event may ask.
    if (event.eventComponent == this)
        startDragging (juce::var (dragDescription), this, juce::ScaledImage(), true);
}

void MainWindowDragDrop::mouseUp (const juce::MouseEvent&) {}

MainWindowDragDrop* MainWindowDragDrop::fromDrag (const juce::DragAndDropTarget::SourceDetails& details)
{
    if (details.description.toString() != dragDescription)
        return nullptr;
    return dynamic_cast<MainWindowDragDrop*> (details.sourceComponent.get());
}
