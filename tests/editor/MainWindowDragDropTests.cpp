#include "editor/MainContentComponent.h"
#include "support/FakeApplicationServices.h"

#include <gtest/gtest.h>

// A drop target finds the editor, and so its very preset, only behind a "Main Window" drag.
TEST (MainWindowDragDrop, ADropTargetFindsTheEditorsPresetOnlyBehindAMainWindowDrag)
{
    FakeApplicationServices services;
    auto preset = services.createDefaultPreset();
    MainContentComponent editor (preset, {});
    juce::Label other;

    using Details = juce::DragAndDropTarget::SourceDetails;
    auto* found = MainWindowDragDrop::fromDrag (Details ("Main Window", &editor, {}));
    ASSERT_EQ (found, &editor);
    EXPECT_EQ (found->getPreset().get(), preset.get());

    EXPECT_EQ (MainWindowDragDrop::fromDrag (Details ("Drag Drop Component", &editor, {})), nullptr);
    EXPECT_EQ (MainWindowDragDrop::fromDrag (Details ("Main Window", &other, {})), nullptr);
    EXPECT_EQ (MainWindowDragDrop::fromDrag (Details ("Main Window", nullptr, {})), nullptr);
}
