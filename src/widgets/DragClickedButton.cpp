#include "widgets/DragClickedButton.h"

DragClickedButton::DragClickedButton (const juce::String& name)
    : juce::Button (name)
{
}

DragClickedButton::~DragClickedButton()
{
    stopTimer();
}

bool DragClickedButton::isInterestedInDragSource (const SourceDetails&)
{
    return true;
}

void DragClickedButton::itemDragEnter (const SourceDetails&)
{
    startTimer (hoverMilliseconds);
}

void DragClickedButton::itemDragExit (const SourceDetails&)
{
    stopTimer();
}

void DragClickedButton::itemDropped (const SourceDetails&)
{
    stopTimer();
}

void DragClickedButton::timerCallback()
{
    // One click per hover: the drag has to leave and come back to click again.
    stopTimer();
    triggerClick();
}
