#include "editor/VexoControlView.h"

VexoControlView::VexoControlView (MEditorControl::Ptr controlToShow, const juce::Image& normal,
                                  const juce::Image& mouseOver, const juce::Image& toggledOn)
    : juce::Button (" ")
    , ControlView (" ", normal, mouseOver, toggledOn)
    , DragableAndDropAbleControl (static_cast<ControlView&> (*this))
    , control (std::move (controlToShow))
{
    setSize (normal.getWidth(), normal.getHeight());
}

VexoControlView::~VexoControlView() = default;
