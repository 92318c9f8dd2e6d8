#include "EditorTestSupport.h"
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

// Its picture is a small thumbnail hanging from the pointer, not the whole editor over the list.
TEST (MainWindowDragDrop, ThePictureIsAThumbnailBelowAndRightOfThePointer)
{
    FakeApplicationServices services;
    MainContentComponent editor (services.createDefaultPreset(), {});
    editor_testing::MouseDriver mouse (editor);
    auto& desktop = juce::Desktop::getInstance();
    const auto windowsBefore = desktop.getNumComponents();
    const juce::Point<int> from (1100, 650), to (1000, 600); // on the editor's background

    mouse.moveTo (from);
    mouse.press (from);
    mouse.dragAlong (from, to);
    ASSERT_EQ (desktop.getNumComponents(), windowsBefore + 1);
    const auto picture = desktop.getComponent (windowsBefore)->getScreenBounds();
    EXPECT_LE (picture.getWidth() * 4, editor.getWidth() + 3);
    EXPECT_LE (picture.getHeight() * 4, editor.getHeight() + 3);
    EXPECT_EQ (picture.getTopLeft(), editor.localPointToGlobal (to));

    mouse.release (to);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return !desktop.getAnimator().isAnimating(); }));
}
