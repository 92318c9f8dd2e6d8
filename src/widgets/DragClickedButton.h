#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A button that clicks itself when something dragged is held over it for a while, so that a drag
// can open another bank before it is dropped.
class DragClickedButton : public juce::Button, public juce::DragAndDropTarget, private juce::Timer
{
public:
    static constexpr int defaultHoverMilliseconds = 1000;

    explicit DragClickedButton (const juce::String& name);
    ~DragClickedButton() override;

    void setHoverTime (int milliseconds) { hoverMilliseconds = milliseconds; }
    int getHoverTime() const { return hoverMilliseconds; }

    bool isInterestedInDragSource (const SourceDetails& source) override;
    void itemDragEnter (const SourceDetails& source) override;
    void itemDragExit (const SourceDetails& source) override;
    void itemDropped (const SourceDetails& source) override;

private:
    void timerCallback() override;

    int hoverMilliseconds = defaultHoverMilliseconds;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DragClickedButton)
};
