#include "DialogTestSupport.h"

#include "dialogs/DeviceSlots.h"
#include "dialogs/GetPresetWindow.h"
#include "dialogs/SlotReadPass.h"
#include "text/UiText.h"

#include <memory>

using namespace dialog_test;
using Row = PresetListBoxModel::PresetListRowComponent;

namespace
{
// Hears every request result before the dialog does (listeners added later are called first), so
// a test can change the device between one reply and the dialog's next request.
struct RequestHook : VexoEditorEngine::Listener
{
    std::function<void (int slotInReply, int result)> onResult;
    int successes = 0, sendResults = 0;

    void requestEnded (EditorPreset::Ptr, int slotInReply, int result) override
    {
        successes += result == VexoEditorEngine::resultSuccess ? 1 : 0;
        if (onResult)
            onResult (slotInReply, result);
    }
    void sendPresetResult (EditorPreset::Ptr, int) override { ++sendResults; }
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}
};

class LoadFromHardwareDialog : public ::testing::Test
{
protected:
    LoadFromHardwareDialog()
    {
        nameEveryDeviceSlot (services.device());
        window = makeWindow();
    }

    ~LoadFromHardwareDialog() override
    {
        services.getEngine()->removeListener (&hook);
        for (auto& w : {window, secondWindow})
            if (w != nullptr)
                w->releaseContent();
    }

    GetPresetWindow::Ptr makeWindow()
    {
        GetPresetWindow::Ptr made = new GetPresetWindow (services.getEngine());
        made->addToDesktop();
        made->setVisible (true);
        return made;
    }

    // Called once the dialog is registered, so that the hook hears each result first.
    void hookResults (std::function<void (int, int)> onResult)
    {
        hook.onResult = std::move (onResult);
        services.getEngine()->addListener (&hook);
    }

    bool passEnds (GetPresetWindow& w, int ms = 20000)
    {
        return settle ([&] { return !w.isBusy(); }, ms);
    }

    // The slots asked for since the test began, in order.
    juce::Array<int> requestedSlots() const
    {
        juce::Array<int> slots;
        for (const auto& message : services.device().getRecentMessages())
            if (message.getRawDataSize() == 9 && message.getRawData()[4] == 0x12)
                slots.add (message.getRawData()[7]);
        return slots;
    }

    juce::StringArray listedNames (const GetPresetWindow& w) const
    {
        juce::StringArray names;
        for (auto* preset : w.getListedPresets())
            names.add (nameOf (preset));
        return names;
    }

    static juce::StringArray deviceNames (const juce::String& prefix = "Slot")
    {
        juce::StringArray names;
        for (int slot = 0; slot <= 30; ++slot)
            names.add (padded (prefix + juce::String (slot)));
        return names;
    }

    Row* visibleRow (GetPresetWindow& w, int row) const
    {
        return dynamic_cast<Row*> (w.getPanel()->getList().getComponentForRowNumber (row));
    }

    bool refreshEnabled (GetPresetWindow& w) const { return w.getPanel()->getRefreshButton().isEnabled(); }
    juce::String status (GetPresetWindow& w) const { return w.getPanel()->getStatusLabel().getText(); }

    static juce::Array<int> slotsUpTo (int last)
    {
        juce::Array<int> slots;
        for (int slot = 0; slot <= last; ++slot)
            slots.add (slot);
        return slots;
    }

    FakeApplicationServices services;
    GetPresetWindow::Ptr window, secondWindow;
    RequestHook hook;
};
} // namespace

TEST_F (LoadFromHardwareDialog, ReadsEverySlotInOrderAndListsItsName)
{
    EXPECT_EQ (window->getName(), "Load Preset");
    EXPECT_EQ (window->getPanel()->getBounds(), juce::Rectangle<int> (0, 0, 633, 275));
    EXPECT_EQ (window->getPanel()->getList().getBounds(), juce::Rectangle<int> (20, 50, 600, 150));
    EXPECT_EQ (window->getPanel()->getRefreshButton().getBounds(), juce::Rectangle<int> (500, 210, 96, 25));
    EXPECT_EQ (window->getModel()->getNumRows(), 0);

    window->requestAllPresets();
    EXPECT_TRUE (window->isBusy());
    EXPECT_FALSE (refreshEnabled (*window));
    EXPECT_EQ (window->getModel()->getNumRows(), 0) << "no rows until the pass is complete";
    EXPECT_EQ (status (*window), "Reading RAM: 0 of 31 read");

    ASSERT_TRUE (passEnds (*window));
    EXPECT_TRUE (refreshEnabled (*window));
    EXPECT_EQ (status (*window), "31 of 31 read");
    EXPECT_EQ (window->getPanel()->getStatusLabel().getBounds().getTopRight(), juce::Point<int> (500, 210));
    EXPECT_EQ (requestedSlots(), slotsUpTo (30)) << "31 requests, one per slot, in order";
    EXPECT_EQ (listedNames (*window), deviceNames());

    // Every row: its slot's caption and the name read from that slot.
    auto& model = *window->getModel();
    ASSERT_EQ (model.getNumRows(), 31);
    for (int row = 0; row < 31; ++row)
    {
        std::unique_ptr<juce::Component> made (model.refreshComponentForRow (row, false, nullptr));
        auto* rowComponent = dynamic_cast<Row*> (made.get());
        ASSERT_NE (rowComponent, nullptr) << row;
        EXPECT_EQ (rowComponent->getSlotText(),
                   row == 0 ? juce::String ("RAM") : "Preset Slot " + juce::String (row));
        EXPECT_EQ (rowComponent->getNameLabel().getText(), padded (slotName (row)));
    }
    EXPECT_EQ (model.refreshComponentForRow (31, false, nullptr), nullptr);

    // The rows on screen, with their "Get" buttons where they belong.
    auto* fifth = visibleRow (*window, 5);
    ASSERT_NE (fifth, nullptr);
    EXPECT_EQ (fifth->getGetButton().getBounds(), juce::Rectangle<int> (475, 2, 96, 25));
    EXPECT_EQ (fifth->getNameLabel().getRight(), 475);
    EXPECT_EQ (fifth->getNameLabel().findColour (juce::Label::textColourId), juce::Colours::white);
}

// "Get" opens the very preset read from the row's slot, as often as asked.
TEST_F (LoadFromHardwareDialog, GetOpensThePresetOfItsRow)
{
    window->requestAllPresets();
    ASSERT_TRUE (passEnds (*window));

    auto* row = visibleRow (*window, 5);
    ASSERT_NE (row, nullptr);
    row->getGetButton().triggerClick();
    row->getGetButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return services.openedPresets.size() == 2; }));

    EXPECT_EQ (services.openedPresets[0].get(), window->getListedPresets()[5].get());
    EXPECT_EQ (services.openedPresets[1].get(), window->getListedPresets()[5].get());
    EXPECT_EQ (nameOf (services.openedPresets[0]), padded ("Slot5"));

    window->loadPresetIntoEditor (31);
    window->loadPresetIntoEditor (-1);
    EXPECT_EQ (services.openedPresets.size(), 2u);
}

TEST_F (LoadFromHardwareDialog, RefreshStartsAPassOnlyWhenNoneRuns)
{
    // On the wire (twenty times faster than a real one), so that the pass is still running.
    services.device().setLink (SimulatedVexoBDevice::Link::wire, 0.05);
    window->getPanel()->getRefreshButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return window->isBusy(); }));
    window->requestAllPresets();
    window->requestAllPresets();
    EXPECT_EQ (services.getEngine()->getNumPendingRequests(), 1);
    // A user sees it move on while the slots come.
    juce::StringArray shown; // as each result comes: the hook hears it before the window
    hookResults ([&] (int, int) { shown.add (status (*window)); });
    ASSERT_TRUE (passEnds (*window));
    EXPECT_TRUE (shown.contains ("Reading Preset Slot 8: 8 of 31 read")) << shown.joinIntoString ("\n");
    EXPECT_EQ (requestedSlots(), slotsUpTo (30));
}

// A slot that does not answer ends the pass there: the list still shows the last complete pass,
// "Get" still opens what a row shows, "Refresh" works again, and a successful send then starts a
// new pass by itself (but not after a complete pass).
TEST_F (LoadFromHardwareDialog, SilentSlotEndsThePassAndKeepsTheList)
{
    // Only the silent slot may time out: a loaded machine can keep a reply waiting past 300 ms.
    services.engine->setReplyTimeout (1500);
    window->requestAllPresets();
    ASSERT_TRUE (passEnds (*window));
    ASSERT_EQ (listedNames (*window), deviceNames());
    const auto firstPass = window->getListedPresets();

    nameEveryDeviceSlot (services.device(), "New");
    window->requestAllPresets();
    hookResults (
        [this] (int, int)
        {
            if (hook.successes == 12)
                services.device().setSilent (true);
        });
    ASSERT_TRUE (passEnds (*window));

    EXPECT_EQ (requestedSlots().getLast(), 12);
    EXPECT_EQ (status (*window), "Preset Slot 12 not read: 12 of 31 read");
    EXPECT_EQ (listedNames (*window), deviceNames());
    EXPECT_EQ (window->getListedPresets(), firstPass);
    EXPECT_TRUE (refreshEnabled (*window));

    window->loadPresetIntoEditor (12);
    window->loadPresetIntoEditor (3);
    ASSERT_EQ (services.openedPresets.size(), 2u);
    EXPECT_EQ (nameOf (services.openedPresets[0]), padded ("Slot12")) << "only presets actually read open";
    EXPECT_EQ (nameOf (services.openedPresets[1]), padded ("Slot3"));

    // Still listening after the failure: a send that succeeds reads everything again. The test
    // waits for what the pass leaves behind, never for the pass itself, which may be over at once.
    // An acknowledgement that answers no send reads nothing.
    services.device().setSilent (false);
    const juce::uint8 unawaited[] = {0xF0, 0x7D, 0x00, 0x36, 0x11, 0x00, 0x02, 0x04, 0x00, 0xF7};
    services.getEngine()->handleIncomingMidiMessage (nullptr, juce::MidiMessage (unawaited, 10));
    ASSERT_TRUE (settle ([&] { return hook.sendResults == 1; }));
    EXPECT_FALSE (window->isBusy());
    services.getEngine()->sendPreset (4, services.createDefaultPreset());
    auto expected = deviceNames ("New");
    expected.set (4, "Generic ");
    ASSERT_TRUE (settle ([&] { return listedNames (*window) == expected && !window->isBusy(); }));

    // After a complete pass it no longer listens: once the send's result has been heard (by the
    // hook first, then in the same delivery by the window), the device has had the send only.
    const auto requestsBefore = services.device().getNumMessagesReceived();
    services.getEngine()->sendPreset (4, services.createDefaultPreset());
    ASSERT_TRUE (settle ([&] { return hook.sendResults == 3; }));
    EXPECT_FALSE (window->isBusy());
    EXPECT_EQ (services.device().getNumMessagesReceived(), requestsBefore + 1);
}

TEST_F (LoadFromHardwareDialog, DeviceUnpluggedMidPassEndsItAndPluggedBackReadsAgain)
{
    window->requestAllPresets();
    hookResults (
        [this] (int, int)
        {
            if (hook.successes == 5)
                services.device().unplug();
        });
    ASSERT_TRUE (passEnds (*window));
    EXPECT_EQ (window->getModel()->getNumRows(), 0);
    EXPECT_TRUE (refreshEnabled (*window));
    EXPECT_EQ (status (*window), "No MIDI input: 5 of 31 read");
    hook.onResult = nullptr;

    services.device().replug();
    ASSERT_TRUE (settle (
        [&] {
            return services.midiManager->getNumOpenInputs() == 1 &&
                   services.midiManager->getNumOpenOutputs() == 1;
        }));
    window->requestAllPresets();
    ASSERT_TRUE (passEnds (*window));
    EXPECT_EQ (listedNames (*window), deviceNames());
}

// A window closed during its pass leaves a request behind in the engine. Its reply is matched to
// that request, never to the new window's.
TEST_F (LoadFromHardwareDialog, ARequestOfAClosedWindowNeverFillsARowOfTheNextOne)
{
    // Slot 2's reply is held back, not lost, until the next window has asked, however slow the machine.
    services.engine->setReplyTimeout (5000);
    window->requestAllPresets();
    hookResults ([this] (int, int) { services.device().setReplyDelay (hook.successes == 2 ? 1000 : 0); });
    ASSERT_TRUE (settle ([&] { return requestedSlots().size() == 3; }));
    window->releaseContent();
    window = nullptr;

    secondWindow = makeWindow();
    secondWindow->requestAllPresets();
    ASSERT_EQ (services.getEngine()->getNumPendingRequests(), 2);
    hook.onResult = nullptr;
    services.device().setReplyDelay (0);

    ASSERT_TRUE (passEnds (*secondWindow));
    EXPECT_EQ (listedNames (*secondWindow), deviceNames());
}

// Nor does that request's failure end the next window's pass: each pass hears only its own results.
TEST_F (LoadFromHardwareDialog, AClosedWindowsFailedRequestNeverEndsTheNextPass)
{
    // Long enough for the next pass to be waiting when the old request times out.
    services.engine->setReplyTimeout (1000);
    services.device().setSilent (true);
    window->requestAllPresets();
    ASSERT_TRUE (settle ([&] { return requestedSlots().size() == 1; }));
    window->releaseContent();
    window = nullptr;

    // The engine asks for the new window's slot 0 only once the old request has timed out.
    services.device().setSilent (false);
    secondWindow = makeWindow();
    secondWindow->requestAllPresets();

    ASSERT_TRUE (passEnds (*secondWindow));
    EXPECT_EQ (listedNames (*secondWindow), deviceNames());
}

// A reply that comes 0.5 s after its request timed out fills no row: not of its own pass, which has
// ended, nor of the next, whose request for slot 0 goes once that reply has come.
TEST_F (LoadFromHardwareDialog, ALateReplyNeverFillsAnotherRow)
{
    window->requestAllPresets();
    hookResults (
        [this] (int slotInReply, int)
        {
            const bool lateNext = hook.successes == 12 && slotInReply == 11;
            services.engine->setReplyTimeout (lateNext ? 100 : 5000);
            services.device().setReplyDelay (lateNext ? 600 : 0);
        });
    ASSERT_TRUE (passEnds (*window));
    EXPECT_EQ (status (*window), "Preset Slot 12 not read: 12 of 31 read");

    services.engine->setReplyTimeout (5000);
    window->requestAllPresets();
    ASSERT_TRUE (passEnds (*window));
    EXPECT_EQ (listedNames (*window), deviceNames());
}

// The device sends a slot's dump by itself while the pass waits for slot 3: another slot, slot 3
// itself or one already read. It costs at most one more request, never a second round of them.
class StrayDumpDuringAPass : public LoadFromHardwareDialog, public ::testing::WithParamInterface<int>
{
};

TEST_P (StrayDumpDuringAPass, CostsAtMostOneMoreRequest)
{
    const auto stray = services.device().getSlotDump (GetParam());
    // On the wire (twenty times faster than a real one), the reply to the request the stray took
    // comes after the pass has moved on.
    services.device().setLink (SimulatedVexoBDevice::Link::wire, 0.05);
    window->requestAllPresets();
    bool sent = false;
    hookResults (
        [&] (int slotInReply, int)
        {
            if (slotInReply == 2 && !std::exchange (sent, true))
                services.getEngine()->handleIncomingMidiMessage (
                    nullptr, juce::MidiMessage (stray.begin(), stray.size()));
        });
    ASSERT_TRUE (passEnds (*window));

    EXPECT_TRUE (sent);
    EXPECT_EQ (status (*window), "31 of 31 read");
    EXPECT_EQ (listedNames (*window), deviceNames());
    EXPECT_LE (services.device().getNumPresetRequestsReceived(), 32);
    EXPECT_TRUE (services.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P (LoadFromHardwareDialog, StrayDumpDuringAPass, ::testing::Values (17, 3, 2));

// Replies that never carry a slot asked for end the pass with one message, the list as it was.
TEST_F (LoadFromHardwareDialog, RepliesForOtherSlotsOnlyEndThePass)
{
    services.engine->setReplyTimeout (5000);
    services.device().setSilent (true);
    window->requestAllPresets();

    const auto wrongSlot = dumpNamed ("Stray", 9);
    for (int reply = 0; reply <= SlotReadPass::maxUnanswered; ++reply)
    {
        ASSERT_TRUE (settle ([&] { return services.getEngine()->getNumPendingRequests() == 1; }));
        services.getEngine()->handleIncomingMidiMessage (
            nullptr, juce::MidiMessage (wrongSlot.begin(), wrongSlot.size()));
        ASSERT_TRUE (settle ([&] { return requestedSlots().size() == reply + 2 || !window->isBusy(); }));
    }

    ASSERT_TRUE (passEnds (*window));
    EXPECT_EQ (requestedSlots(), slotsUpTo (SlotReadPass::maxUnanswered)) << "each slot asked once";
    EXPECT_EQ (services.messages, juce::StringArray (UiText::noPresetAcknowledgement));
    EXPECT_EQ (window->getModel()->getNumRows(), 0);
    EXPECT_TRUE (window->getListedPresets().isEmpty());
}

TEST_F (LoadFromHardwareDialog, ClosingAsksTheApplicationAndReleasingLeavesTheEngine)
{
    window->closeButtonPressed();
    ASSERT_EQ (services.closedToolWindows.size(), 1u);
    EXPECT_EQ (services.closedToolWindows[0], ApplicationServices::ToolWindowKind::loadFromHardware);

    window->requestAllPresets();
    juce::Component::SafePointer<GetPresetWindow> watched (window.get());
    window->releaseContent();
    EXPECT_FALSE (window->isOnDesktop());
    window = nullptr;
    EXPECT_EQ (watched.getComponent(), nullptr) << "nothing holds the window once its content is gone";

    // The request it left behind ends with nobody to hear it.
    testing_support::pumpMessages (50);
}
