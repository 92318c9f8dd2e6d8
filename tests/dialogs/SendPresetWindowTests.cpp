#include "DialogTestSupport.h"

#include "dialogs/SendPresetWindow.h"
#include "text/UiText.h"

using namespace dialog_test;

namespace
{
class SendPresetDialog : public ::testing::Test
{
protected:
    SendPresetWindow::Ptr makeDialog (EditorPreset::Ptr preset)
    {
        auto dialog = SendPresetWindow::create (preset, services.getEngine());
        dialog->addToDesktop();
        dialog->setVisible (true);
        return dialog;
    }

    void choose (SendPresetWindow& dialog, const juce::String& itemText)
    {
        auto& box = dialog.getContent().getSlotBox();
        for (int i = 0; i < box.getNumItems(); ++i)
            if (box.getItemText (i) == itemText)
                box.setSelectedItemIndex (i, juce::sendNotificationSync);
    }

    void clickSend (SendPresetWindow& dialog) { dialog.getContent().getSendButton().triggerClick(); }

    int count (const juce::String& text) const
    {
        int n = 0;
        for (const auto& message : services.messages)
            n += message == text ? 1 : 0;
        return n;
    }

    FakeApplicationServices services;
};
} // namespace

TEST_F (SendPresetDialog, ShowsItsSlotsCaptionAndButtonWhereTheyBelong)
{
    auto dialog = makeDialog (services.createDefaultPreset());
    auto& content = dialog->getContent();
    auto& box = content.getSlotBox();

    EXPECT_EQ (dialog->getName(), "Send Preset");
    EXPECT_EQ (dialog->getContentComponent(), &content);
    EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 366, 143));

    ASSERT_EQ (box.getNumItems(), 31);
    EXPECT_EQ (box.getItemText (0), "RAM");
    EXPECT_EQ (box.getItemId (0), 1);
    for (int n = 1; n <= 30; ++n)
    {
        EXPECT_EQ (box.getItemText (n), juce::String (n));
        EXPECT_EQ (box.getItemId (n), n + 1);
    }
    EXPECT_EQ (content.getSelectedSlotId(), 1) << "a new dialog sends to RAM";

    EXPECT_EQ (box.getBounds(), juce::Rectangle<int> (250, 50, 75, 25));
    EXPECT_EQ (content.getSendButton().getBounds(), juce::Rectangle<int> (250, 100, 96, 25));
    EXPECT_EQ (content.getSendButton().getName(), "Send");

    // The caption sits left of the box, inside the dialog, its text whole (at most a trace
    // narrower where the system's font runs wide).
    auto& caption = content.getCaption();
    EXPECT_EQ (caption.getText(), "Save current preset to hardware as");
    EXPECT_EQ (caption.getRight(), box.getX());
    EXPECT_GE (caption.getX(), 0);
    const auto textWidth = caption.getFont().getStringWidthFloat (caption.getText());
    EXPECT_GE ((float)caption.getBorderSize().subtractedFrom (caption.getLocalBounds()).getWidth(),
               0.95f * textWidth);
}

// Every slot of the box reaches the device slot of the same number; the device then holds exactly
// the preset's bytes, and the dialog says so and leaves the screen.
TEST_F (SendPresetDialog, SendsThePresetToTheChosenSlot)
{
    auto preset = services.createDefaultPreset();
    rename (preset, "Mine");
    auto dialog = makeDialog (preset);

    for (const auto& [item, slot] :
         std::vector<std::pair<juce::String, int>>{{"RAM", 0}, {"1", 1}, {"30", 30}})
    {
        services.messages.clear();
        dialog->setVisible (true);
        choose (*dialog, item);
        clickSend (*dialog);

        ASSERT_TRUE (settle ([&] { return !services.messages.isEmpty(); })) << item;
        EXPECT_EQ (services.messages, juce::StringArray (UiText::presetSentSuccessfully)) << item;
        EXPECT_EQ (services.device().getSlotDump (slot), dumpOf (services.getVexoBEngine(), *preset, slot))
            << item;
        EXPECT_FALSE (dialog->isVisible()) << item;
        EXPECT_FALSE (dialog->isOnDesktop()) << item;
    }

    // Slots not chosen were never written.
    EXPECT_EQ (deviceSlotName (services.device(), 2), "Generic ");
}

TEST_F (SendPresetDialog, ClosingOnlyHidesTheDialog)
{
    auto dialog = makeDialog (services.createDefaultPreset());
    choose (*dialog, "12");
    dialog->closeButtonPressed();
    EXPECT_FALSE (dialog->isOnDesktop());
    EXPECT_EQ (dialog->getContent().getSelectedSlotId(), 13);
}

// Only the sends of this dialog close it: one of another main window's preset does not, nor one of
// the same preset object sent from another main window's dialog.
TEST_F (SendPresetDialog, OtherSendsNeverCloseIt)
{
    auto mine = services.createDefaultPreset();
    auto other = services.createDefaultPreset();
    auto dialog = makeDialog (mine);
    auto otherDialog = makeDialog (other);
    auto sameObjectDialog = makeDialog (mine);

    clickSend (*otherDialog);
    ASSERT_TRUE (settle ([&] { return !otherDialog->isOnDesktop(); }));
    clickSend (*sameObjectDialog);
    ASSERT_TRUE (settle ([&] { return !sameObjectDialog->isOnDesktop(); }));
    services.getEngine()->sendPreset (3, mine);
    testing_support::pumpMessages (100);

    EXPECT_TRUE (dialog->isOnDesktop());
    EXPECT_EQ (count (UiText::presetSentSuccessfully), 2);
}

// Two clicks before the device answers are two sends, each reported once.
TEST_F (SendPresetDialog, EveryClickSendsAgain)
{
    auto preset = services.createDefaultPreset();
    auto dialog = makeDialog (preset);
    auto& send = dialog->getContent().getSendButton();
    dialog->buttonClicked (&send);
    dialog->buttonClicked (&send);
    EXPECT_EQ (dialog->getNumSendsInFlight(), 2);

    ASSERT_TRUE (settle ([&] { return count (UiText::presetSentSuccessfully) == 2; }));
    EXPECT_FALSE (dialog->isOnDesktop());
    EXPECT_EQ (dialog->getNumSendsInFlight(), 0);
}

// A failed send is the application's to report; the dialog stays up as it was.
TEST_F (SendPresetDialog, StaysOpenWhenTheSendFails)
{
    auto dialog = makeDialog (services.createDefaultPreset());
    choose (*dialog, "7");

    services.midiManager->closeAllOutputs();
    clickSend (*dialog);
    ASSERT_TRUE (settle (
        [&] { return dialog->getNumSendsInFlight() == 0 && services.engine->getNumQueuedUpdates() == 0; }));

    services.midiManager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
    services.device().setSilent (true);
    services.engine->setReplyTimeout (300);
    clickSend (*dialog);
    ASSERT_TRUE (settle ([&] { return dialog->getNumSendsInFlight() == 0; }));

    EXPECT_TRUE (services.messages.isEmpty());
    EXPECT_TRUE (dialog->isOnDesktop());
    EXPECT_EQ (dialog->getContent().getSelectedSlotId(), 8);
}

TEST_F (SendPresetDialog, LeavesTheEnginesListenersWhenDestroyed)
{
    auto preset = services.createDefaultPreset();
    juce::Component::SafePointer<SendPresetWindow> watched;
    {
        auto dialog = makeDialog (preset);
        watched = dialog.get();
        clickSend (*dialog);
    }
    EXPECT_EQ (watched.getComponent(), nullptr);

    // Its result still arrives, to nobody.
    testing_support::pumpMessages (100);
    EXPECT_TRUE (services.messages.isEmpty());
}
