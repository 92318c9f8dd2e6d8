#include "SendMultipleTestSupport.h"

#include "dialogs/DeviceSlots.h"
#include "editor/MainContentComponent.h"
#include "text/UiText.h"

#include <memory>

using namespace dialog_test;

namespace
{
using Details = juce::DragAndDropTarget::SourceDetails;

using SendMultipleWindow = SendMultipleFixture;
} // namespace

TEST_F (SendMultipleWindow, ShowsItsListTitleAndButtonsWhereTheyBelong)
{
    auto& panel = window->getPanel();
    EXPECT_EQ (window->getName(), "Send Multiple Presets");
    EXPECT_EQ (window->getContentComponent(), &panel);
    EXPECT_EQ (panel.getBounds(), juce::Rectangle<int> (0, 0, 633, 225));
    EXPECT_EQ (window->getThreadName(), "Dragged Files Parse Queue");

    ASSERT_NE (panel.getList(), nullptr);
    EXPECT_EQ (panel.getList()->getBounds(), juce::Rectangle<int> (20, 35, 600, 150));
    EXPECT_EQ (panel.getList()->getRowHeight(), 24);
    EXPECT_EQ (panel.getSendButton().getBounds(), juce::Rectangle<int> (525, 195, 96, 25));
    EXPECT_EQ (panel.getTitle().getBounds(), juce::Rectangle<int> (183, 13, 267, 18));
    EXPECT_EQ (panel.getStatusLabel().getRight(), 525);

    auto& model = *window->getModel();
    ASSERT_EQ (model.getNumRows(), 31);
    for (int slot = 0; slot <= 30; ++slot)
    {
        std::unique_ptr<juce::Component> made (model.refreshComponentForRow (slot, false, nullptr));
        auto* slotRow = dynamic_cast<SlotRow*> (made.get());
        ASSERT_NE (slotRow, nullptr);
        EXPECT_EQ (slotRow->getSlotText(),
                   slot == 0 ? juce::String ("RAM") : "Preset Slot " + juce::String (slot));
        EXPECT_EQ (slotRow->getNameLabel().getText(), juce::String());
    }
    EXPECT_EQ (model.refreshComponentForRow (31, false, nullptr), nullptr);

    auto* first = row (0);
    ASSERT_NE (first, nullptr);
    EXPECT_EQ (first->getBrowseButton().getBounds(), juce::Rectangle<int> (475, 2, 74, 20));
    EXPECT_EQ (first->getClearButton().getBounds(), juce::Rectangle<int> (554, 5, 14, 13));
    EXPECT_EQ (first->getNameLabel().getRight(), 475);
    EXPECT_EQ (first->getNameLabel().findColour (juce::Label::textColourId), juce::Colours::white);
}

// A main editor dropped on a row leaves a copy of its preset there: editing the editor afterwards
// changes nothing that "Send" writes.
TEST_F (SendMultipleWindow, ADroppedMainEditorLeavesACopyOfItsPreset)
{
    auto edited = services.createDefaultPreset();
    rename (edited, "Dragged");
    MainContentComponent editor (edited, {});
    juce::Label somethingElse;

    auto* ram = row (0);
    ASSERT_NE (ram, nullptr);
    ram->itemDragEnter (Details ("Drag Drop Component", &somethingElse, {}));
    EXPECT_FALSE (ram->isDragOver());
    ram->itemDragEnter (Details ("Main Window", &editor, {}));
    EXPECT_TRUE (ram->isDragOver());
    ram->itemDropped (Details ("Main Window", &editor, {}));
    EXPECT_FALSE (ram->isDragOver());

    ram->itemDropped (Details ("Drag Drop Component", &editor, {}));
    ram->itemDropped (Details ("Main Window", &somethingElse, {}));

    ASSERT_EQ (filledSlots(), juce::Array<int> (0));
    const auto copy = window->getSlotTable().at (0);
    EXPECT_NE (copy.get(), edited.get());
    const auto bytesAtDrop = edited->toBytes();
    rename (edited, "Later");

    ASSERT_TRUE (settle ([&] { return row (0)->getNameLabel().getText() == padded ("Dragged"); }));
    window->getPanel().getSendButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return count (UiText::presetSentSuccessfully) == 1; }));

    auto expected = services.createDefaultPreset();
    ASSERT_TRUE (expected->fromBytes (bytesAtDrop));
    EXPECT_EQ (services.device().getSlotDump (0), dumpOf (services.getVexoBEngine(), *expected, 0));
}

// "Clear" fills a slot with the factory preset, shown without a name.
TEST_F (SendMultipleWindow, ClearGivesTheFactoryPreset)
{
    services.device().setSlotDump (2, dumpNamed ("Before", 2));
    auto* second = row (2);
    ASSERT_NE (second, nullptr);
    second->getClearButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return filledSlots() == juce::Array<int> (2); }));
    EXPECT_EQ (window->getSlotName (2), juce::String());
    EXPECT_EQ (nameIn (2), "Generic ");

    window->sendAllPresets();
    ASSERT_TRUE (settle ([&] { return count (UiText::presetSentSuccessfully) == 1; }));
    EXPECT_EQ (services.device().getSlotDump (2),
               dumpOf (services.getVexoBEngine(), *services.createDefaultPreset(), 2));
}

// Every use of the command starts from empty slots.
TEST_F (SendMultipleWindow, ClearingAllSlotsEmptiesTableAndNames)
{
    for (int slot : {0, 7, 30})
        window->setSlotPreset (services.createDefaultPreset(), slot);
    ASSERT_TRUE (settle ([&] { return row (7)->getNameLabel().getText() == "Generic "; }));

    window->clearAllSlots();
    EXPECT_TRUE (window->getSlotTable().empty());
    for (int slot = 0; slot <= 31; ++slot)
        EXPECT_EQ (window->getSlotName (slot), juce::String());
    ASSERT_TRUE (settle ([&] { return row (7)->getNameLabel().getText().isEmpty(); }));

    window->sendAllPresets();
    testing_support::pumpMessages (50);
    EXPECT_EQ (services.device().getNumMessagesReceived(), 0) << "an empty table sends nothing";
    EXPECT_TRUE (services.messages.isEmpty());
}

// On the wire (twenty times faster than a real one), 31 slots go out one after the other, the
// status line saying which: the port's buffer drops nothing, all 31 are stored, and once all are
// acknowledged one message shows and the window closes.
TEST_F (SendMultipleWindow, SendsEverySlotInTurnOnTheWire)
{
    services.device().setLink (SimulatedVexoBDevice::Link::wire, 0.05);
    juce::StringArray expectedStatuses;
    for (int slot = 0; slot <= 30; ++slot)
    {
        auto preset = services.createDefaultPreset();
        rename (preset, "Wire" + juce::String (slot));
        window->setSlotPreset (preset, slot);
        expectedStatuses.add ("Sending " +
                              (slot == 0 ? juce::String ("RAM") : "Preset Slot " + juce::String (slot)) +
                              ": " + juce::String (slot) + " of 31 sent");
    }
    auto& send = window->getPanel().getSendButton();
    window->buttonClicked (&send);
    EXPECT_FALSE (send.isEnabled());

    // The hook hears each result before the window: what the window had done until then.
    juce::StringArray statuses;
    juce::Array<int> dumpsHandedOver;
    hookSends (
        [&] (int)
        {
            statuses.add (window->getPanel().getStatusLabel().getText());
            dumpsHandedOver.add (services.device().getNumMessagesReceived());
        });
    ASSERT_TRUE (settle ([&] { return watched == nullptr || !window->isSending(); }));
    EXPECT_EQ (statuses, expectedStatuses);
    for (int i = 0; i < dumpsHandedOver.size(); ++i)
        EXPECT_EQ (dumpsHandedOver[i], i + 1) << "one dump at a time";
    EXPECT_EQ (services.device().getNumBytesDropped(), 0);
    EXPECT_EQ (services.device().getNumPresetsStored(), 31);
    for (int slot = 0; slot <= 30; ++slot)
        EXPECT_EQ (deviceSlotName (services.device(), slot), padded ("Wire" + juce::String (slot)));
    EXPECT_EQ (services.messages, juce::StringArray (UiText::presetSentSuccessfully));
    EXPECT_EQ (services.closedToolWindows.size(), 1u);
}

// A device that stops answering or goes, or no output at all: the batch ends at the first failure, so the
// application reports one failure, not one per slot; the window stays open and says where it stopped.
namespace
{
// After two acknowledgements the device falls silent or is unplugged; or there is no output at all.
struct BatchFailure
{
    enum class Cause
    {
        silent,
        unplugged,
        noOutput
    } cause;
    int dumpsSent;
    const char* status;
};
class FailedBatch : public SendMultipleFixture, public ::testing::WithParamInterface<BatchFailure>
{
};
using Cause = BatchFailure::Cause;
} // namespace

TEST_P (FailedBatch, EndsAtTheFirstFailure)
{
    const auto failure = GetParam();
    for (int slot = 0; slot <= 30; ++slot)
        window->clearSlot (slot);
    if (failure.cause == Cause::noOutput)
        services.midiManager->closeAllOutputs();
    services.engine->setReplyTimeout (300);
    window->sendAllPresets();
    hookSends (
        [&] (int)
        {
            if (hook.successes == 2 && failure.cause == Cause::silent)
                services.device().setSilent (true);
            if (hook.successes == 2 && failure.cause == Cause::unplugged)
                services.device().unplug();
        });

    ASSERT_TRUE (settle ([&] { return !window->isSending(); }));
    EXPECT_EQ (hook.failures, 1);
    EXPECT_EQ (services.device().getNumMessagesReceived(), failure.dumpsSent);
    EXPECT_EQ (window->getPanel().getStatusLabel().getText(), failure.status);
    EXPECT_TRUE (window->getPanel().getSendButton().isEnabled());
    EXPECT_NE (watched, nullptr);
}

INSTANTIATE_TEST_SUITE_P (
    SendMultipleWindow, FailedBatch,
    ::testing::Values (BatchFailure{Cause::silent, 3, "Preset Slot 2 not acknowledged: 2 of 31 sent"},
                       BatchFailure{Cause::unplugged, 2, "No MIDI output: 2 of 31 sent"},
                       BatchFailure{Cause::noOutput, 0, "No MIDI output: 0 of 31 sent"}),
    [] (const auto& test)
    {
        return juce::StringArray ("DeviceSilent", "DeviceUnplugged", "NoOutput")[(int)test.param.cause]
            .toStdString();
    });

// Closed while a dump is on its way: nothing more goes out, and that dump's end harms nothing.
TEST_F (SendMultipleWindow, ClosingMidBatchSendsNothingMore)
{
    for (int slot = 0; slot <= 30; ++slot)
        window->clearSlot (slot);
    // Slow, never so slow that a loaded machine times it out.
    services.device().setReplyDelay (100);
    services.engine->setReplyTimeout (5000);
    hookSends();
    window->sendAllPresets();
    ASSERT_TRUE (settle ([&] { return services.device().getNumMessagesReceived() >= 4; }));

    window->closeButtonPressed();
    ASSERT_TRUE (settle ([&] { return watched == nullptr && hook.successes == 4; }));
    EXPECT_EQ (services.getEngine()->getNumPendingSends(), 0);
    EXPECT_EQ (services.device().getNumMessagesReceived(), 4);
    EXPECT_TRUE (services.messages.isEmpty());
}

// Only the results of this "Send" count: neither another dialog's send nor a second "Send" while
// one runs (which is ignored) completes it. The hook hears each result before the window does, so
// it knows how many had come when the window closed.
class OwnSend : public SendMultipleFixture, public ::testing::WithParamInterface<bool>
{
};

TEST_P (OwnSend, OnlyItsOwnResultsCount)
{
    const bool anotherDialogSends = GetParam();
    for (int slot : {1, 2})
        window->setSlotPreset (services.createDefaultPreset(), slot);
    if (anotherDialogSends)
        services.getEngine()->sendPreset (9, services.createDefaultPreset());
    window->sendAllPresets();
    if (!anotherDialogSends)
        window->sendAllPresets();
    hookSends();
    int resultsAtClose = -1;
    services.onCloseToolWindow = [&] (ApplicationServices::ToolWindowKind)
    { resultsAtClose = hook.successes; };

    ASSERT_TRUE (settle ([&] { return resultsAtClose >= 0; }));
    const int expected = anotherDialogSends ? 3 : 2;
    EXPECT_EQ (resultsAtClose, expected) << "closed only once both of its own sends were acknowledged";
    EXPECT_EQ (services.device().getNumMessagesReceived(), expected) << "a second Send sends nothing";
    EXPECT_EQ (count (UiText::presetSentSuccessfully), 1);
}

INSTANTIATE_TEST_SUITE_P (SendMultipleWindow, OwnSend, ::testing::Bool(),
                          [] (const auto& test)
                          { return test.param ? "AfterAnotherDialogsSend" : "WithASecondSendWhileOneRuns"; });

// Closing from inside the last result: the window leaves at once and is destroyed afterwards,
// never under the engine's delivery.
TEST_F (SendMultipleWindow, ClosingFromItsOwnResultIsSafe)
{
    window->setSlotPreset (services.createDefaultPreset(), 0);
    bool stillThereAfterTheResult = false;
    hookSends ([&] (int) { stillThereAfterTheResult = true; });
    window->sendAllPresets();

    ASSERT_TRUE (settle ([&] { return watched == nullptr; }));
    EXPECT_TRUE (stillThereAfterTheResult);
    EXPECT_FALSE (holder.exists());
}

// Browse picks one preset file for its row, which is read like a dropped one.
TEST_F (SendMultipleWindow, BrowseReadsTheChosenFileIntoItsRow)
{
    const auto chosen = files.writePreset ("chosen.vexob", "Chosen");
    services.desktop.filesToOpen.push_back (chosen);
    services.desktop.filesToOpen.push_back ({});

    row (4)->getBrowseButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return services.desktop.openChoosers.size() == 1; }));
    EXPECT_EQ (services.desktop.openChoosers[0].title, "Select Preset file to load");
    EXPECT_EQ (services.desktop.openChoosers[0].text, "*.vexob");
    ASSERT_TRUE (settle (
        [&]
        {
            return window->getPanel().getStatusLabel().getText() == "Reading Dragged Files" ||
                   filledSlots().size() == 1;
        }));
    ASSERT_TRUE (readingEnds());
    EXPECT_EQ (filledSlots(), juce::Array<int> (4));
    EXPECT_EQ (window->getSlotName (4), padded ("Chosen"));

    // Cancelled: nothing changes.
    row (6)->getBrowseButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return services.desktop.openChoosers.size() == 2; }));
    testing_support::pumpMessages (50);
    EXPECT_EQ (filledSlots(), juce::Array<int> (4));
}

// A window closed while its chooser is up ignores the choice.
TEST_F (SendMultipleWindow, AChoiceForAClosedWindowIsIgnored)
{
    services.desktop.filesToOpen.push_back (files.writePreset ("late.vexob", "Late"));
    window->browseForPresetFiles (3);
    holder.release();
    ASSERT_TRUE (settle ([&] { return watched == nullptr; }));
    testing_support::pumpMessages (50);
}
