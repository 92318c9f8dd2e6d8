#include "ApplicationTestFixture.h"

#include "autopopulate/VexoBAutoPopulateComponent.h"

using AutoPopulateCommand = ApplicationTest;
using Answer = DesktopInteraction::SaveAnswer;

namespace
{
void openTool (MainWindow* window)
{
    window->invoke (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::autoPopulateTool), false);
    testing_support::pumpMessages (40);
}

VexoBAutoPopulateComponent* bodyOf (MainWindow* window)
{
    auto* tool = window->getAutoPopulateWindow();
    return tool != nullptr ? dynamic_cast<VexoBAutoPopulateComponent*> (tool->getContentComponent())
                           : nullptr;
}
} // namespace

TEST_F (AutoPopulateCommand, OpensOneToolPerMainWindowOnItsOwnPreset)
{
    start();
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 2);
    ASSERT_TRUE (rename (window (1), "SECOND"));
    EXPECT_EQ (window (0)->getAutoPopulateWindow(), nullptr);

    openTool (window (0));
    openTool (window (1));

    auto* first = window (0)->getAutoPopulateWindow();
    auto* second = window (1)->getAutoPopulateWindow();
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);
    EXPECT_NE (first, second);
    EXPECT_TRUE (first->isVisible());
    EXPECT_EQ (first->getName(), "Auto Populate: " + nameOf (window (0)->getPreset()));
    EXPECT_EQ (second->getName(), "Auto Populate: SECOND");
    EXPECT_EQ (bodyOf (window (0))->getPreset().get(), window (0)->getPreset().get());
    EXPECT_EQ (bodyOf (window (1))->getPreset().get(), window (1)->getPreset().get());
}

TEST_F (AutoPopulateCommand, ClosingOnlyHidesAndTheNextCommandShowsTheSameToolUnchanged)
{
    start();
    openTool (window (0));
    juce::Component::SafePointer<AutoPopToolWindow> tool (window (0)->getAutoPopulateWindow());
    ASSERT_NE (tool, nullptr);
    auto& pads = bodyOf (window (0))->getPadPage();
    pads.getApplyToBanks().getBankToggle (1).triggerClick();
    auto& channel =
        dynamic_cast<ComboBoxParameterComponent&> (pads.getFixedRows().findRow ("MIDI CHANNEL")->getEditor())
            .getComboBox();
    channel.setSelectedId (5, juce::sendNotificationAsync);
    pads.getTypeComboBox().setSelectedId (2, juce::sendNotificationAsync);
    testing_support::pumpMessages (40);
    juce::Component::SafePointer<juce::Component> area (pads.getCurrentArea());

    tool->closeButtonPressed();
    EXPECT_FALSE (tool->isVisible());
    ASSERT_TRUE (rename (window (0), "AGAIN"));

    openTool (window (0));

    ASSERT_NE (tool, nullptr) << "made again";
    EXPECT_EQ (window (0)->getAutoPopulateWindow(), tool.getComponent());
    EXPECT_TRUE (tool->isVisible());
    EXPECT_EQ (tool->getName(), "Auto Populate: AGAIN");
    EXPECT_TRUE (pads.getApplyToBanks().getBankToggle (1).getToggleState());
    EXPECT_EQ (channel.getSelectedId(), 5);
    EXPECT_EQ (pads.getCurrentArea(), area.getComponent());
    EXPECT_EQ (pads.getTargets().size(), 16);
}

TEST_F (AutoPopulateCommand, TheToolFillsTheMainWindowsPreset)
{
    start();
    openTool (window (0));
    auto& pads = bodyOf (window (0))->getPadPage();
    auto* preset = dynamic_cast<VexoBEditorPreset*> (window (0)->getPreset().get());
    ASSERT_NE (preset, nullptr);

    pads.getApplyToBanks().getBankToggle (3).triggerClick();
    auto* onColor = pads.getFixedRows().findRow ("PAD ON COLOR");
    dynamic_cast<ComboBoxParameterComponent&> (onColor->getEditor()).getComboBox().setSelectedId (6);
    onColor->getEnabledToggle().triggerClick();
    testing_support::pumpMessages (40);
    pads.getApplyToBanks().getApplyButton().triggerClick();
    testing_support::pumpMessages (40);

    for (int pad = 48; pad < 64; ++pad)
        EXPECT_EQ (preset->getPad (pad)->getParameterInt (VexoPad::Param::colorOn), 5);
}

TEST_F (AutoPopulateCommand, TheToolGoesWithItsMainWindow)
{
    start();
    invoke (CommandIds::newPreset);
    openTool (window (1));
    juce::Component::SafePointer<juce::Component> tool (window (1)->getAutoPopulateWindow());
    ASSERT_NE (tool.getComponent(), nullptr);

    desktop->answers = {Answer::no};
    window (1)->close();
    testing_support::pumpMessages (40);

    EXPECT_EQ (numWindows(), 1);
    EXPECT_EQ (tool.getComponent(), nullptr);
}
