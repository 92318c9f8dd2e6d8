#include "editor/MainWindowDragDrop.h"

const char* const MainWindowDragDrop::dragDescription = "Main Window";

MainWindowDragDrop::~MainWindowDragDrop() = default;

namespace
{
// The framework's own picture of a drag is the whole editor, which would hide the list it is
// dropped on (and, without a compositor, cannot be see-through at all): a small, faint thumbnail
// hangs from the pointer instead, below and right of it, so the row under the pointer shows.
constexpr float thumbnailScale = 0.25f;
constexpr float thumbnailOpacity = 0.6f;
} // namespace

void MainWindowDragDrop::mouseDrag (const juce::MouseEvent& event)
{
    if (event.eventComponent != this || isDragAndDropActive())
        return;

    auto thumbnail = createComponentSnapshot (getLocalBounds(), true, thumbnailScale)
                         .convertedToFormat (juce::Image::ARGB);
    thumbnail.multiplyAllAlphas (thumbnailOpacity);
    const juce::Point<int> pointerAtTopLeft;
    startDragging (juce::var (dragDescription), this, juce::ScaledImage (thumbnail), true, &pointerAtTopLeft);
}

void MainWindowDragDrop::mouseUp (const juce::MouseEvent&) {}

MainWindowDragDrop* MainWindowDragDrop::fromDrag (const juce::DragAndDropTarget::SourceDetails& details)
{
    if (details.description.toString() != dragDescription)
        return nullptr;
    return dynamic_cast<MainWindowDragDrop*> (details.sourceComponent.get());
}
