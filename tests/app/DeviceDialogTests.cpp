#include "ApplicationTestFixture.h"

#include "dialogs/SendPresetWindow.h"
#include "text/UiText.h"

using testing_support::pumpMessages;

namespace
{
// Generous: a whole reading pass on a loaded machine, or under a sanitizer, takes seconds.
bool pumpUntil (const std::function<bool()>& condition)
{
    return testing_support::pumpUntil (condition, 20000);
}
} // namespace

namespace
{
class DeviceDialogs : public ApplicationTest
{
protected:
    void SetUp() override
    {
        ApplicationTest::SetUp();
        start();
        for (int slot = 0; slot <= 30; ++slot)
            device().setSlotDump (slot, dumpNamed ("Dev" + juce::String (slot), slot));
    }

    static juce::Array<juce::uint8> dumpNamed (const juce::String& name, int slot)
    {
        auto bytes = FactoryPreset::getDump();
        bytes.set (7, (juce::uint8)slot);
        for (int i = 0; i < 8; ++i)
            bytes.set (8 + i, (juce::uint8) (i < name.length() ? name[i] : ' '));
        return bytes;
    }

    int warningsSaying (const juce::String& text) const
    {
        int n = 0;
        for (const auto& warning : desktop->warnings)
            n += warning.text == text ? 1 : 0;
        return n;
    }

    juce::String deviceName (int slot) const
    {
        const auto dump = device().getSlotDump (slot);
        return juce::String::fromUTF8 (reinterpret_cast<const char*> (dump.begin()) + 8, 8);
    }
};
} // namespace

// The command opens the dialog and reads every slot; "Get" opens that slot's preset in a new main
// window; closing lets go of the dialog, and the command makes a new one.
TEST_F (DeviceDialogs, LoadFromHardwareReadsTheDeviceAndOpensAPresetInANewWindow)
{
    invoke (CommandIds::loadFromHardware);
    auto* dialog = app->getGetPresetWindow();
    ASSERT_NE (dialog, nullptr);
    EXPECT_TRUE (dialog->isVisible());
    ASSERT_TRUE (pumpUntil ([&] { return !dialog->isBusy(); }));
    ASSERT_EQ (dialog->getListedPresets().size(), 31);
    EXPECT_EQ (nameOf (dialog->getListedPresets()[5]), "Dev5    ");

    dialog->loadPresetIntoEditor (5);
    ASSERT_EQ (numWindows(), 2);
    EXPECT_EQ (window (1)->getPreset().get(), dialog->getListedPresets()[5].get());
    EXPECT_TRUE (window (1)->getDisplayName().startsWith ("Untitled "));

    juce::Component::SafePointer<GetPresetWindow> closed (dialog);
    dialog->closeButtonPressed();
    EXPECT_EQ (app->getGetPresetWindow(), nullptr);
    ASSERT_TRUE (pumpUntil ([&] { return closed == nullptr; }));

    invoke (CommandIds::loadFromHardware);
    ASSERT_NE (app->getGetPresetWindow(), nullptr);
    EXPECT_TRUE (app->getGetPresetWindow()->isBusy()) << "a new window reads again";
    ASSERT_TRUE (pumpUntil ([&] { return !app->getGetPresetWindow()->isBusy(); }));

    // The preset opened earlier lives on in its main window.
    EXPECT_EQ (nameOf (window (1)->getPreset()), "Dev5    ");
}

// Each main window has its own Send To Hardware dialog, made once: it comes back with the slot
// last chosen, and goes with its main window.
TEST_F (DeviceDialogs, SendToHardwareBelongsToItsMainWindowAndKeepsItsSlot)
{
    auto* main = window (0);
    ASSERT_TRUE (rename (main, "Mine"));
    main->sendToHardware();
    juce::Component::SafePointer<SendPresetWindow> dialog (main->getSendPresetWindow());
    ASSERT_NE (dialog, nullptr);
    EXPECT_TRUE (dialog->isOnDesktop() && dialog->isVisible());
    EXPECT_EQ (dialog->getPreset().get(), main->getPreset().get());

    dialog->getContent().getSlotBox().setSelectedId (6, juce::sendNotificationSync);
    dialog->getContent().getSendButton().triggerClick();
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, UiText::presetSentSuccessfully);
    EXPECT_FALSE (dialog->isOnDesktop());
    EXPECT_EQ (deviceName (5), "Mine    ");

    main->sendToHardware();
    ASSERT_NE (dialog, nullptr) << "made again";
    EXPECT_EQ (main->getSendPresetWindow(), dialog.getComponent()) << "shown again, not made again";
    EXPECT_TRUE (dialog->isOnDesktop());
    EXPECT_EQ (dialog->getContent().getSelectedSlotId(), 6);

    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 2);
    window (1)->sendToHardware();
    EXPECT_NE (window (1)->getSendPresetWindow(), dialog.getComponent());

    desktop->answers.push_back (DesktopInteraction::SaveAnswer::no);
    main->close();
    pumpMessages (20);
    EXPECT_EQ (dialog, nullptr);
}

TEST_F (DeviceDialogs, ASendWithoutAnOutputReportsTheMissingDeviceAndKeepsTheDialog)
{
    window (0)->sendToHardware();
    auto* dialog = window (0)->getSendPresetWindow();
    app->getMidiManager()->closeAllOutputs();
    dialog->getContent().getSendButton().triggerClick();
    ASSERT_TRUE (waitForWarnings (1));
    settle();
    EXPECT_EQ (warningsSaying (UiText::midiDeviceNotFound), 1);
    EXPECT_EQ (desktop->warnings.size(), 1u);
    EXPECT_TRUE (dialog->isOnDesktop());
}

// A successful send, after a pass that failed, reads the device again by itself.
TEST_F (DeviceDialogs, ASendAfterAFailedPassReadsTheDeviceAgain)
{
    app->getEngine()->setReplyTimeout (150);
    device().setSilent (true);
    invoke (CommandIds::loadFromHardware);
    auto* dialog = app->getGetPresetWindow();
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, UiText::noPresetAcknowledgement);
    ASSERT_FALSE (dialog->isBusy());
    EXPECT_TRUE (dialog->getListedPresets().isEmpty());

    device().setSilent (false);
    app->getEngine()->setReplyTimeout (10000);
    ASSERT_TRUE (rename (window (0), "Fresh"));
    window (0)->sendToHardware();
    window (0)->getSendPresetWindow()->getContent().getSendButton().triggerClick();
    ASSERT_TRUE (pumpUntil ([&] { return dialog->getListedPresets().size() == 31; }));
    EXPECT_EQ (nameOf (dialog->getListedPresets()[0]), "Fresh   ");
}

// The command empties the window every time; sending all its slots closes it with one message.
TEST_F (DeviceDialogs, SendMultiplePresetsSendsEverySlotAndClosesItself)
{
    invoke (CommandIds::sendMultiplePresets);
    juce::Component::SafePointer<SendMultiplePresetsWindow> multiple (app->getSendMultiplePresetsWindow());
    ASSERT_NE (multiple, nullptr);
    EXPECT_TRUE (multiple->isVisible());

    multiple->setSlotPreset (app->createDefaultPreset(), 4);
    invoke (CommandIds::sendMultiplePresets);
    ASSERT_NE (multiple, nullptr) << "made again";
    EXPECT_EQ (app->getSendMultiplePresetsWindow(), multiple.getComponent());
    EXPECT_TRUE (multiple->getSlotTable().empty());

    for (int slot : {2, 3, 4})
    {
        auto preset = app->createDefaultPreset();
        dynamic_cast<VexoEditorPreset&> (*preset).setName ("Many" + juce::String (slot));
        multiple->setSlotPreset (preset, slot);
    }
    ASSERT_TRUE (pumpUntil ([&] { return multiple->getPanel().getSendButton().isEnabled(); }));
    multiple->getPanel().getSendButton().triggerClick();

    ASSERT_TRUE (pumpUntil ([&] { return multiple == nullptr; }));
    EXPECT_EQ (app->getSendMultiplePresetsWindow(), nullptr);
    EXPECT_EQ (warningsSaying (UiText::presetSentSuccessfully), 1);
    EXPECT_EQ (desktop->warnings.size(), 1u);
    for (int slot : {2, 3, 4})
        EXPECT_EQ (deviceName (slot), ("Many" + juce::String (slot)).paddedRight (' ', 8));
}

// Without an output, or with a device that stops answering, a send of every slot is one failure
// with one message, not 31.
TEST_F (DeviceDialogs, SendMultipleToAnAbsentOrSilentDeviceSaysSoOnce)
{
    for (const bool silent : {false, true})
    {
        invoke (CommandIds::sendMultiplePresets);
        auto* multiple = app->getSendMultiplePresetsWindow();
        for (int slot = 0; slot <= 30; ++slot)
            multiple->clearSlot (slot);
        desktop->warnings.clear();

        app->getEngine()->setReplyTimeout (300);
        device().setSilent (silent);
        if (!silent)
            app->getMidiManager()->closeAllOutputs();
        multiple->sendAllPresets();
        ASSERT_TRUE (pumpUntil (
            [&] { return !multiple->isSending() && app->getEngine()->getNumPendingSends() == 0; }));
        ASSERT_EQ (desktop->warnings.size(), 1u) << silent;
        EXPECT_EQ (desktop->warnings[0].text,
                   silent ? UiText::noPresetAcknowledgement : UiText::midiDeviceNotFound);
        EXPECT_EQ (app->getSendMultiplePresetsWindow(), multiple);
        app->getMidiManager()->openOutput (SimulatedVexoBDevice::getDefaultPortName());
    }
}

// Quitting with the dialogs open, one of them reading files, lets go of everything.
TEST_F (DeviceDialogs, ShutDownWithTheDialogsOpenReleasesThem)
{
    invoke (CommandIds::loadFromHardware);
    invoke (CommandIds::sendMultiplePresets);
    window (0)->sendToHardware();

    auto* multiple = app->getSendMultiplePresetsWindow();
    multiple->queueFilesForSlot (juce::StringArray (folder.getFullPathName()), 0);

    juce::Component::SafePointer<juce::Component> get (app->getGetPresetWindow()), many (multiple),
        send (window (0)->getSendPresetWindow());
    app->shutdown();
    started = false;
    EXPECT_EQ (get, nullptr);
    EXPECT_EQ (many, nullptr);
    EXPECT_EQ (send, nullptr);
}
