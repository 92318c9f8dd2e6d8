#include "dialogs/GlobalSettingsWindow.h"
#include "dialogs/VexoAGlobalSettingsComponent.h"
#include "support/FakeApplicationServices.h"
#include "support/FreedMemoryPoison.h"
#include "support/MessageLoop.h"
#include "text/UiText.h"

#include <gtest/gtest.h>

#include <map>

using testing_support::pumpMessages;
using testing_support::pumpUntil;

namespace
{
using Values = std::map<int, int>; // setting index to value

// The editor and its window on the services' engine, talking to the simulated device.
class GlobalSettings : public testing::Test
{
protected:
    void TearDown() override
    {
        window = nullptr;
        content = nullptr;
        pumpMessages (10);
    }

    void open()
    {
        content = new VexoAGlobalSettingsComponent();
        window = new GlobalSettingsWindow (content.get(), services.getEngine());
    }

    SimulatedVexoBDevice& device() const { return services.device(); }
    VexoBEditorEngine& engine() const { return services.getVexoBEngine(); }

    void setOnDevice (const Values& values)
    {
        for (const auto& [index, value] : values)
            device().setGlobalSetting (index, (juce::uint8)value);
    }

    Values onDevice() const
    {
        Values values;
        for (int index = 1; index <= 10; ++index)
            values[index] = device().getGlobalSetting (index);
        return values;
    }

    // What the editor shows, as setting values (-1 for an empty box).
    Values shown() const
    {
        Values values;
        for (int index = 1; index <= 10; ++index)
        {
            const auto id = content->getBox (index).getSelectedId();
            values[index] = id == 0 ? -1 : VexoAGlobalSettingsComponent::valueFromIdentifier (index, id);
        }
        return values;
    }

    // Get, then wait until the editor shows the values that came back.
    bool answered (const Values& expectedShown)
    {
        window->requestGlobalSettings();
        return pumpUntil ([&] { return engine().hasGlobalSettingsFromDevice() && shown() == expectedShown; });
    }

    // A click of one of the editor's buttons, and the messages it made the device receive.
    int press (juce::Button& button)
    {
        const int before = device().getNumMessagesReceived();
        window->buttonClicked (&button);
        return device().getNumMessagesReceived() - before;
    }

    // Waits for every reply the device owes to have reached the engine and the editor: the two agree
    // with the device, and still do a moment later.
    void settle()
    {
        for (int round = 0; round < 2; ++round)
        {
            pumpUntil ([&] { return engineValues() == onDevice() && shown() == answeredValues(); });
            pumpMessages (40);
        }
    }

    Values engineValues() const
    {
        Values values;
        for (int index = 1; index <= 10; ++index)
            values[index] = engine().getVexoAGlobalSettings()->getSettingValue (index);
        return values;
    }

    Values answeredValues() const
    {
        Values values;
        for (int index = 1; index <= 10; ++index)
        {
            const int value = engine().getVexoAGlobalSettings()->getSettingValue (index);
            const auto id = VexoAGlobalSettingsComponent::identifierFromValue (index, value);
            values[index] = content->getBox (index).indexOfItemId (id) >= 0 ? value : -1;
        }
        return values;
    }

    int globalSettingMessagesReceived() const
    {
        int count = 0;
        for (const auto& message : device().getRecentMessages())
            count += message.getRawDataSize() > 4 && message.getRawData()[4] == 0x34 ? 1 : 0;
        return count;
    }

    void choose (int index, int value)
    {
        content->getBox (index).setSelectedId (
            VexoAGlobalSettingsComponent::identifierFromValue (index, value));
    }

    FakeApplicationServices services;
    VexoAGlobalSettingsComponent::Ptr content;
    GlobalSettingsWindow::Ptr window;
};

const Values initial{{1, 0}, {2, 0}, {3, 2}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}};
const Values someDevice{{1, 17}, {2, 55}, {3, 4}, {4, 1}, {5, 1}, {6, 1}, {7, 9}, {8, 3}, {9, 20}, {10, 1}};
} // namespace

TEST (GlobalSettingsChoices, TapAverageIsTheOneBoxWhoseItemsAreTheValues)
{
    EXPECT_EQ (VexoAGlobalSettingsComponent::identifierFromValue (TapAverageIndex, 4), 3);
    EXPECT_EQ (VexoAGlobalSettingsComponent::valueFromIdentifier (TapAverageIndex, 2), 3);
    EXPECT_EQ (VexoAGlobalSettingsComponent::valueFromIdentifier (TapAverageIndex, 0), 1);

    for (const int index : {1, 2, 4, 5, 6, 7, 8, 9, 10})
    {
        EXPECT_EQ (VexoAGlobalSettingsComponent::identifierFromValue (index, 0), 1);
        EXPECT_EQ (VexoAGlobalSettingsComponent::valueFromIdentifier (index, 1), 0);
        EXPECT_EQ (VexoAGlobalSettingsComponent::valueFromIdentifier (index, 0), 255);
    }
}

TEST_F (GlobalSettings, ShowsTheEnginesSettingsAndTheDevicesOnceItAnswers)
{
    setOnDevice (someDevice);
    open();

    // The engine's settings before any answer: the initial values.
    ASSERT_TRUE (pumpUntil ([&] { return shown() == initial; }));
    EXPECT_EQ (content->getBox (CommonChannelIndex).getText(), "A1");
    EXPECT_EQ (content->getBox (TapAverageIndex).getText(), "2");
    EXPECT_EQ (content->getBox (PadThresholdIndex).getText(), "1");

    ASSERT_TRUE (answered (someDevice));
    EXPECT_EQ (content->getBox (CommonChannelIndex).getText(), "B2");
    EXPECT_EQ (content->getBox (ScreenContrastIndex).getText(), "55");
    EXPECT_EQ (content->getBox (TapAverageIndex).getText(), "4");
    EXPECT_EQ (content->getBox (TempoLEDIndex).getText(), "ON");
    EXPECT_EQ (content->getBox (ClockSourceIndex).getText(), "EXTERNAL");
    EXPECT_EQ (content->getBox (TransportToDinIndex).getText(), "ON");
    EXPECT_EQ (content->getBox (PadThresholdIndex).getText(), "10");
    EXPECT_EQ (content->getBox (PadCurveIndex).getText(), "LOG 2");
    EXPECT_EQ (content->getBox (PadGainIndex).getText(), "20");
    EXPECT_EQ (content->getBox (NoteTypeIndex).getText(), "NUMBER");

    // A second editor on the same engine shows the same at once, without asking.
    VexoAGlobalSettingsComponent second;
    ASSERT_TRUE (pumpUntil ([&] { return second.getBox (PadCurveIndex).getText() == "LOG 2"; }));
    EXPECT_EQ (second.getBox (CommonChannelIndex).getText(), "B2");
}

TEST_F (GlobalSettings, GetOnlyAsksTheBoxesChangeWithTheReply)
{
    open();
    ASSERT_TRUE (answered (initial));

    setOnDevice ({{ScreenContrastIndex, 77}});
    device().setReplyDelay (150);
    EXPECT_EQ (press (content->getGetButton()), 1);
    EXPECT_EQ (shown(), initial);
    EXPECT_TRUE (pumpUntil ([&] { return shown().at (ScreenContrastIndex) == 77; }));
}

TEST_F (GlobalSettings, SendSendsWhatTheUserChoseAndKeepsTheRest)
{
    setOnDevice (someDevice);
    open();
    ASSERT_TRUE (answered (someDevice));

    choose (ScreenContrastIndex, 42);
    choose (PadCurveIndex, 5);
    choose (TapAverageIndex, 3);
    EXPECT_EQ (content->getBox (TapAverageIndex).getText(), "3");

    EXPECT_EQ (press (content->getSendButton()), 20) << "a set and a request for each setting";

    auto expected = someDevice;
    expected[ScreenContrastIndex] = 42;
    expected[PadCurveIndex] = 5;
    expected[TapAverageIndex] = 3;
    EXPECT_TRUE (pumpUntil ([&] { return onDevice() == expected; }));
    settle();
    EXPECT_EQ (shown(), expected);
}

TEST_F (GlobalSettings, RevertSendsBackWhatTheDeviceHadBeforeTheLastSend)
{
    setOnDevice (someDevice);
    open();

    // Before any Send, Revert sends the device's own settings back unchanged.
    ASSERT_TRUE (answered (someDevice));
    EXPECT_EQ (press (content->getRevertButton()), 20);
    settle();
    EXPECT_EQ (onDevice(), someDevice);

    choose (ScreenContrastIndex, 42);
    press (content->getSendButton());
    ASSERT_TRUE (pumpUntil ([&] { return device().getGlobalSetting (ScreenContrastIndex) == 42; }));
    settle();

    press (content->getRevertButton());
    EXPECT_TRUE (pumpUntil ([&] { return onDevice() == someDevice; }));
    settle();
    EXPECT_EQ (shown(), someDevice);

    // The device changes behind the editor's back; Revert again restores what it had before that
    // Send, which stays saved until the next Send.
    setOnDevice ({{PadGainIndex, 3}});
    press (content->getRevertButton());
    EXPECT_TRUE (pumpUntil ([&] { return onDevice() == someDevice; }));
    settle();

    // A second Send saves what the device had just before it.
    choose (PadGainIndex, 7);
    press (content->getSendButton());
    ASSERT_TRUE (pumpUntil ([&] { return device().getGlobalSetting (PadGainIndex) == 7; }));
    settle();
    choose (PadGainIndex, 11);
    press (content->getSendButton());
    ASSERT_TRUE (pumpUntil ([&] { return device().getGlobalSetting (PadGainIndex) == 11; }));
    settle();
    press (content->getRevertButton());
    auto before = someDevice;
    before[PadGainIndex] = 7;
    EXPECT_TRUE (pumpUntil ([&] { return onDevice() == before; }));
}

// The device reports values the editor's lists do not offer: those boxes show nothing, and a Send
// of other settings must leave them as the device has them.
TEST_F (GlobalSettings, ASettingWithoutAnItemIsSentAsTheDeviceReportedIt)
{
    auto withUnlisted = someDevice;
    withUnlisted[PadThresholdIndex] = 15;
    withUnlisted[NoteTypeIndex] = 5;
    setOnDevice (withUnlisted);
    open();

    auto expectedShown = withUnlisted;
    expectedShown[PadThresholdIndex] = -1;
    expectedShown[NoteTypeIndex] = -1;
    ASSERT_TRUE (answered (expectedShown));
    EXPECT_EQ (content->getBox (PadThresholdIndex).getText(), "");
    EXPECT_EQ (content->getBox (NoteTypeIndex).getText(), "");

    choose (ScreenContrastIndex, 12);
    press (content->getSendButton());

    auto expected = withUnlisted;
    expected[ScreenContrastIndex] = 12;
    ASSERT_TRUE (pumpUntil ([&] { return device().getGlobalSetting (ScreenContrastIndex) == 12; }));
    settle();
    EXPECT_EQ (onDevice(), expected);

    // The settings the editor would send hold the reported values too.
    auto settings = content->getGlobalSettings();
    auto* vexoSettings = dynamic_cast<VexoAGlobalSettings*> (settings.get());
    ASSERT_NE (vexoSettings, nullptr);
    EXPECT_EQ (vexoSettings->getPadThreshold(), 15);
    EXPECT_EQ (vexoSettings->getNoteType(), 5);
}

// Before the device has said anything the editor shows initial values nobody chose. A Send then
// must not write them over the device's own settings without the user knowing.
TEST_F (GlobalSettings, SendBeforeTheDeviceAnsweredFirstSaysSoAndAsks)
{
    setOnDevice (someDevice);
    open();
    ASSERT_TRUE (pumpUntil ([&] { return shown() == initial; }));
    choose (ScreenContrastIndex, 42);

    EXPECT_EQ (press (content->getSendButton()), 1) << "only the request for the device's settings";
    EXPECT_EQ (globalSettingMessagesReceived(), 0);
    ASSERT_EQ (services.messages.size(), 1);
    EXPECT_EQ (services.messages[0], GlobalSettingsWindow::notReportedBeforeSend);

    // The device's answer shows; a Send now goes as usual.
    ASSERT_TRUE (pumpUntil ([&] { return shown() == someDevice; }));
    EXPECT_EQ (onDevice(), someDevice);
    choose (ScreenContrastIndex, 42);
    EXPECT_EQ (press (content->getSendButton()), 20);
    EXPECT_EQ (services.messages.size(), 1);
    EXPECT_TRUE (pumpUntil ([&] { return device().getGlobalSetting (ScreenContrastIndex) == 42; }));
}

// A device whose replies never arrive (its output not connected, say) can still be set: the user
// was told, and pressing Send again means it.
TEST_F (GlobalSettings, ASecondSendWithoutAnyAnswerSendsTheSettingsShown)
{
    device().setSilent (true);
    open();
    pumpMessages (20);
    choose (PadGainIndex, 9);

    EXPECT_EQ (press (content->getSendButton()), 1);
    EXPECT_EQ (services.messages.size(), 1);
    pumpMessages (50);

    EXPECT_EQ (press (content->getSendButton()), 20);
    EXPECT_EQ (services.messages.size(), 1);
    EXPECT_EQ (globalSettingMessagesReceived(), 10);
    EXPECT_EQ (window->getSavedSettings(), nullptr) << "nothing the device reported to go back to";

    // Nor is there anything to revert to after such a Send, also once the device has answered.
    EXPECT_EQ (press (content->getRevertButton()), 0);
    ASSERT_EQ (services.messages.size(), 2);
    EXPECT_EQ (services.messages[1], GlobalSettingsWindow::nothingToRevertTo);

    device().setSilent (false);
    ASSERT_TRUE (answered (initial));
    EXPECT_EQ (press (content->getRevertButton()), 0);
    EXPECT_EQ (services.messages.size(), 3);
}

TEST_F (GlobalSettings, RevertBeforeTheDeviceAnsweredSendsNothing)
{
    device().setSilent (true);
    setOnDevice (someDevice);
    open();

    EXPECT_EQ (press (content->getRevertButton()), 0);
    ASSERT_EQ (services.messages.size(), 1);
    EXPECT_EQ (services.messages[0], GlobalSettingsWindow::nothingToRevertTo);
    EXPECT_EQ (window->getSavedSettings(), nullptr);
}

// With the device gone the buttons can reach nothing: each says so, as a failed send does, and
// changes nothing, so that a later Revert still goes back to what the device had before the last
// Send that reached it.
TEST_F (GlobalSettings, ButtonsWithoutTheDeviceSayItIsNotFoundAndChangeNothing)
{
    setOnDevice (someDevice);
    open();
    ASSERT_TRUE (answered (someDevice));
    choose (PadGainIndex, 3);
    EXPECT_EQ (press (content->getSendButton()), 20);
    settle();
    auto* saved = window->getSavedSettings();
    ASSERT_NE (saved, nullptr);

    device().unplug();
    ASSERT_TRUE (pumpUntil ([&] { return services.midiManager->getNumOpenOutputs() == 0; }));

    choose (PadGainIndex, 7);
    for (auto* button : {&content->getSendButton(), &content->getRevertButton(), &content->getGetButton()})
    {
        const auto before = services.messages.size();
        const auto setupShown = services.midiSetupShown;
        window->buttonClicked (button);
        ASSERT_EQ (services.messages.size(), before + 1) << button->getName();
        EXPECT_EQ (services.messages[before], UiText::midiDeviceNotFound) << button->getName();
        EXPECT_EQ (services.midiSetupShown, setupShown + 1) << button->getName();
    }
    EXPECT_EQ (window->getSavedSettings(), saved);

    // The device back: Revert sends what it had before the Send that reached it.
    device().replug();
    ASSERT_TRUE (pumpUntil ([&] { return services.midiManager->getNumOpenOutputs() == 1; }));
    EXPECT_EQ (press (content->getRevertButton()), 20);
    EXPECT_TRUE (pumpUntil ([&] { return onDevice() == someDevice; }));

    // Without an input the device can still be set, but its answer to Get would never arrive.
    services.midiManager->closeAllInputs();
    const auto before = services.messages.size();
    EXPECT_EQ (press (content->getGetButton()), 0);
    ASSERT_EQ (services.messages.size(), before + 1);
    EXPECT_EQ (services.messages[before], UiText::midiDeviceNotFound);
    EXPECT_EQ (press (content->getSendButton()), 20);
    EXPECT_EQ (services.messages.size(), before + 1);
}

TEST_F (GlobalSettings, WindowIsCentredAtItsOwnSize)
{
    open();

    EXPECT_EQ (window->getName(), "Global Settings");
    EXPECT_EQ (window->getContentComponent(), content.get());
    EXPECT_EQ (content->getWidth(), 633);
    EXPECT_EQ (content->getHeight(), 273);
    EXPECT_EQ (window->getWidth(), 633);
    EXPECT_EQ (window->getHeight(), 273);

    const auto area = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    const auto centre = window->getBounds().getCentre();
    EXPECT_LE (std::abs (centre.x - area.getCentreX()), 1);
    EXPECT_LE (std::abs (centre.y - area.getCentreY()), 1);
}

TEST_F (GlobalSettings, CloseButtonAsksTheApplicationToLetItGo)
{
    open();
    window->closeButtonPressed();
    ASSERT_EQ (services.closedToolWindows.size(), 1u);
    EXPECT_EQ (services.closedToolWindows[0], ApplicationServices::ToolWindowKind::globalSettings);

    // Unknown buttons do nothing.
    juce::TextButton other ("Other");
    EXPECT_EQ (press (other), 0);
}

TEST_F (GlobalSettings, EditorLayoutWithTheBoxesOverTheirCaptions)
{
    open();
    struct Place
    {
        int index, captionX, captionWidth, boxX, y;
        const char* caption;
    };
    const Place places[] = {
        {CommonChannelIndex, 10, 175, 150, 40, "COMMON CHANNEL"},
        {NoteTypeIndex, 10, 175, 150, 65, "NOTE DISPLAY"},
        {ScreenContrastIndex, 10, 175, 150, 90, "LCD CONTRAST"},
        {TapAverageIndex, 10, 175, 150, 115, "TAP AVERAGE"},
        {TempoLEDIndex, 10, 175, 150, 140, "TEMPO LED"},
        {TransportToDinIndex, 300, 150, 450, 40, "TRANSPORT TO DIN"},
        {PadGainIndex, 300, 150, 450, 65, "PAD GAIN"},
        {PadThresholdIndex, 300, 150, 450, 90, "PAD THRESHOLD"},
        {PadCurveIndex, 300, 150, 450, 115, "PAD CURVE"},
        {ClockSourceIndex, 300, 175, 450, 140, "MIDI CLOCK"},
    };
    for (const auto& place : places)
    {
        SCOPED_TRACE (place.caption);
        auto& box = content->getBox (place.index);
        EXPECT_EQ (box.getName(), place.caption);
        EXPECT_EQ (box.getBounds(), juce::Rectangle<int> (place.boxX, place.y, 150, 22));
        EXPECT_EQ (content->getCaption (place.index).getText(), place.caption);
        EXPECT_EQ (content->getCaption (place.index).getBounds(),
                   juce::Rectangle<int> (place.captionX, place.y, place.captionWidth, 22));

        // Where caption and box overlap, a click reaches the box.
        const auto* hit = content->getComponentAt (place.boxX + 5, place.y + 11);
        EXPECT_TRUE (hit == &box || box.isParentOf (hit));
    }

    EXPECT_EQ (content->getRevertButton().getBounds(), juce::Rectangle<int> (10, 233, 96, 25));
    EXPECT_EQ (content->getGetButton().getBounds(), juce::Rectangle<int> (410, 233, 96, 25));
    EXPECT_EQ (content->getSendButton().getBounds(), juce::Rectangle<int> (510, 233, 96, 25));
}

// Notices still queued for an editor that has gone must find nobody (its memory is poisoned as
// it goes, so a call into it crashes), while the editor still open shows them.
TEST_F (GlobalSettings, AnEditorThatGoesBeforeItsNoticesArriveIsNotCalled)
{
    const ScopedFreedMemoryPoison poison;
    content = new VexoAGlobalSettingsComponent();
    auto settings = engine().getVexoAGlobalSettings();
    {
        VexoAGlobalSettingsComponent::Ptr gone (new VexoAGlobalSettingsComponent());
        settings->setPadGain (5);
    }
    pumpMessages (30);
    EXPECT_EQ (shown()[PadGainIndex], 5);
}
