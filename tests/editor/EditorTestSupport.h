#pragma once

// Helpers shared by the editor's tests: drag details, a recording drag-state listener, and the
// mouse played into a component on the desktop (MouseDriver).

#include "editor/ControlView.h"
#include "editor/DragableAndDropAbleControl.h"
#include "support/MessageLoop.h"
#include "support/MouseDriver.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

namespace editor_testing
{
inline juce::DragAndDropTarget::SourceDetails dragOf (juce::Component* source)
{
    return juce::DragAndDropTarget::SourceDetails (juce::var (DragableAndDropAbleControl::dragDescription),
                                                   source, {});
}

// The text of a panel's title: its first label.
inline juce::String titleOf (juce::Component* panel)
{
    if (panel != nullptr)
        for (auto* child : panel->getChildren())
            if (auto* label = dynamic_cast<juce::Label*> (child))
                return label->getText();
    return {};
}

struct DragStateRecorder : DragableAndDropAbleControl::Listener
{
    void dragStateChanged (DragableAndDropAbleControl* control, bool isDragging) override
    {
        EXPECT_TRUE (juce::MessageManager::getInstance()->isThisTheMessageThread());
        calls.emplace_back (control, isDragging);
    }

    std::vector<std::pair<DragableAndDropAbleControl*, bool>> calls;
};

using testing_support::MouseDriver;
} // namespace editor_testing
