#include "EngineTestSupport.h"

#include "engine/VexoSysEx.h"
#include "model/VexoBEditorPreset.h"

#include <chrono>
#include <cstdlib>
#include <thread>
#include <tuple>

using engine_test::dumpOf;
using engine_test::patientTimeoutMs;
using engine_test::presetNamed;
using engine_test::shortTimeoutMs;
using engine_test::SimulatedLink;
using engine_test::toVector;
using testing_support::pumpMessages;
using Bytes = std::vector<juce::uint8>;

namespace
{
// A preset that notes the thread it is loaded on.
struct WatchedPreset : VexoBEditorPreset
{
    std::atomic<int> loadsOffMessageThread{0};
    bool fromBytes (const juce::Array<juce::uint8>& bytes) override
    {
        if (!juce::MessageManager::getInstance()->isThisTheMessageThread())
            ++loadsOffMessageThread;
        return VexoBEditorPreset::fromBytes (bytes);
    }
};

juce::String nameOf (const EditorPreset::Ptr& preset)
{
    return dynamic_cast<VexoEditorPreset*> (preset.get())->getName();
}

const juce::MidiMessage acknowledgement()
{
    const juce::uint8 ack[] = {0xF0, 0x7D, 0x00, 0x36, 0x11, 0x00, 0x01, 0x00, 0x00, 0xF7};
    return juce::MidiMessage (ack, (int)sizeof (ack));
}
} // namespace

TEST_F (SimulatedLink, SentPresetIsStoredAndAcknowledged)
{
    auto preset = presetNamed ("Thirty");
    engine->sendPreset (30, preset);
    EXPECT_TRUE (results.sends.empty()) << "results come later, on the message thread";
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1; }));
    EXPECT_EQ (results.sends[0].preset, preset);
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultSuccess);
    EXPECT_EQ (toVector (device->getSlotDump (30)), dumpOf (preset, 30));
    EXPECT_EQ (engine->getNumPendingSends(), 0);
}

TEST_F (SimulatedLink, RequestedPresetIsLoadedBeforeItsResult)
{
    device->setSlotDump (7, juce::Array<juce::uint8> (dumpOf (presetNamed ("Seven"), 7).data(), 3483));
    juce::ReferenceCountedObjectPtr<WatchedPreset> target = new WatchedPreset();

    struct CheckingListener : engine_test::RecordingListener
    {
        WatchedPreset* target = nullptr;
        juce::String nameAtResult;
        void requestPresetResult (int result) override
        {
            nameAtResult = target->getName();
            RecordingListener::requestPresetResult (result);
        }
    } checker;
    checker.target = target.get();
    engine->addListener (&checker);

    engine->requestPreset (7, target.get());
    EXPECT_EQ (toVector (device->getRecentMessages().getLast()),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x12, 0x00, 0x01, 0x07, 0xF7}));
    ASSERT_TRUE (waitFor ([&] { return checker.requests.size() == 1; }));
    EXPECT_EQ (checker.requests[0], VexoEditorEngine::resultSuccess);
    EXPECT_EQ (checker.nameAtResult, "Seven   ");
    EXPECT_EQ (target->loadsOffMessageThread.load(), 0);
    engine->removeListener (&checker);
}

TEST_F (SimulatedLink, NoPortGivesResultZeroAtOnce)
{
    auto preset = newPreset();
    manager->closeAllOutputs();
    engine->sendPreset (1, preset);
    manager->closeAllInputs();
    engine->requestPreset (1, newPreset());
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1 && results.requests.size() == 1; }));
    EXPECT_EQ (results.sends[0].preset, preset);
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultNoPort);
    EXPECT_EQ (results.requests[0], VexoEditorEngine::resultNoPort);
    EXPECT_EQ (engine->getNumPendingSends() + engine->getNumPendingRequests(), 0);
    EXPECT_EQ (device->getNumMessagesReceived(), 0);
}

TEST_F (SimulatedLink, SilentDeviceTimesOutOncePerEntry)
{
    engine->setReplyTimeout (shortTimeoutMs);
    engine->setLateReplyWait (shortTimeoutMs);
    device->setSilent (true);
    EditorPreset::Ptr sent[] = {presetNamed ("a"), presetNamed ("b"), presetNamed ("c")};
    for (auto& preset : sent)
        engine->sendPreset (1, preset);
    engine->requestPreset (2, newPreset());
    engine->requestPreset (3, newPreset());

    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 3 && results.requests.size() == 2; }));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ (results.sends[(size_t)i].preset, sent[i]);
        EXPECT_EQ (results.sends[(size_t)i].result, VexoEditorEngine::resultNoReply);
    }
    EXPECT_EQ (results.requests, (std::vector<int>{1, 1}));

    pumpMessages (shortTimeoutMs * 2);
    EXPECT_EQ (results.sends.size(), 3u);
    EXPECT_EQ (results.requests.size(), 2u);
}

// The framework counts a new timer's time from its timer thread's last wake-up, which a busy
// message thread holds back; a time-out still counts from the hand-over.
TEST_F (SimulatedLink, TimeOutCountsFromTheHandOverAfterABusyMessageThread)
{
    engine->setReplyTimeout (300);
    device->setSilent (true);
    pumpMessages (20);
    juce::Thread::sleep (250);
    const auto start = juce::Time::getMillisecondCounter();
    engine->requestPreset (1, newPreset());
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 1; }));
    EXPECT_GE (juce::Time::getMillisecondCounter() - start, 300u);
}

TEST_F (SimulatedLink, OneAcknowledgementLeavesTheNextSendItsOwnTimeOut)
{
    engine->setReplyTimeout (shortTimeoutMs);
    device->setSilent (true);
    auto a = presetNamed ("a"), b = presetNamed ("b");
    engine->sendPreset (1, a);
    engine->sendPreset (2, b);
    engine->handleIncomingMidiMessage (nullptr, acknowledgement());

    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2; }));
    EXPECT_EQ (results.sends[0].preset, a);
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultSuccess);
    EXPECT_EQ (results.sends[1].preset, b);
    EXPECT_EQ (results.sends[1].result, VexoEditorEngine::resultNoReply);
}

// A device much faster than its cable (over USB, say): after a send timed out with the next one
// waiting, that one's own acknowledgement, however soon, counts for it if none follows by its time-out.
TEST_F (SimulatedLink, AfterATimeOutTheNextSendsOwnAcknowledgementCounts)
{
    engine->setReplyTimeout (1000);
    engine->setLateReplyWait (shortTimeoutMs);
    device->setSilent (true);
    engine->sendPreset (1, presetNamed ("lost"));
    engine->sendPreset (2, presetNamed ("next"));
    ASSERT_TRUE (waitFor ([&] { return device->getNumMessagesReceived() == 2; }));
    engine->handleIncomingMidiMessage (nullptr, acknowledgement());
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2; }));
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultNoReply);
    EXPECT_EQ (results.sends[1].result, VexoEditorEngine::resultSuccess);
}

// A dump 0.5 s late is counted for no other request: the next goes once it has come, and is filled
// from its own. The device has answered sooner than a cable could, so only that wait tells it late.
TEST_F (SimulatedLink, ALateDumpIsNotTakenForTheNextRequest)
{
    engine->requestPreset (0, newPreset());
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 1; }));
    device->setSlotDump (8, juce::Array<juce::uint8> (dumpOf (presetNamed ("Slot8"), 8).data(), 3483));
    engine->setReplyTimeout (1000);
    device->setReplyDelay (1500);
    engine->requestPreset (7, newPreset());
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 2; }));
    device->setReplyDelay (0);
    auto eight = newPreset();
    engine->requestPreset (8, eight);
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 3; }));
    EXPECT_EQ (results.requests, (std::vector<int>{2, 1, 2}));
    EXPECT_EQ (nameOf (eight), "Slot8   ");
}

// The late-reply wait holds the next send back only while a late acknowledgement can come: not once the
// device has gone (back, it has nothing to acknowledge), but when only the output went under a dump.
TEST_F (SimulatedLink, TheLateReplyWaitLastsWhileALateReplyCanCome)
{
    engine->setReplyTimeout (1000);
    engine->setLateReplyWait (patientTimeoutMs);
    device->setSilent (true);
    engine->sendPreset (1, presetNamed ("lost"));
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1; }));
    device->unplug();
    ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenOutputs() == 0; }));
    device->replug();
    device->setSilent (false);
    ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenInputs() + manager->getNumOpenOutputs() == 2; }));
    engine->sendPreset (2, presetNamed ("back"));
    EXPECT_EQ (device->getNumMessagesReceived(), 2) << "sent at once";
    // Stored at once, acknowledged 1 s later; the output goes meanwhile. The next send waits for
    // that acknowledgement, then for its own, which a device no longer listening never sends.
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2; }));
    device->setReplyDelay (1000);
    engine->sendPreset (3, presetNamed ("stored"));
    manager->closeAllOutputs();
    engine->sendPreset (4, presetNamed ("no port"));
    manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
    device->setSilent (true);
    engine->sendPreset (5, presetNamed ("unheard"));
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 5; }));
    std::vector<int> ended;
    for (const auto& send : results.sends)
        ended.push_back (send.result);
    EXPECT_EQ (ended, (std::vector<int>{1, 2, 0, 0, 1}));
    EXPECT_EQ (device->getNumPresetsStored(), 2);
}

TEST_F (SimulatedLink, UnawaitedRepliesChangeNothing)
{
    engine->handleIncomingMidiMessage (nullptr, acknowledgement());
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1; }));
    EXPECT_EQ (results.sends[0].preset, nullptr);
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultSuccess);

    const auto dump = dumpOf (presetNamed ("stray"), 0);
    engine->handleIncomingMidiMessage (nullptr, juce::MidiMessage (dump.data(), (int)dump.size()));
    engine->handleIncomingMidiMessage (nullptr, juce::MidiMessage::noteOn (1, 36, 1.0f));
    pumpMessages (30);
    EXPECT_TRUE (results.requests.empty());
    // Nor one that came before a send was handed over, however soon after it is read.
    engine->handleIncomingMidiMessage (nullptr, acknowledgement());
    engine->sendPreset (1, presetNamed ("raced"));
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 3; }));
    EXPECT_EQ (results.sends[1].preset, nullptr);
}

TEST_F (SimulatedLink, PendingSendDroppedForLackOfOutputIsReported)
{
    engine->setReplyTimeout (shortTimeoutMs);
    device->setSilent (true);
    auto pending = presetNamed ("pending"), refused = presetNamed ("refused");
    engine->sendPreset (1, pending);
    manager->closeAllOutputs();
    engine->sendPreset (2, refused);

    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2; }));
    EXPECT_EQ (results.sends[0].preset, pending);
    EXPECT_EQ (results.sends[1].preset, refused);
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultNoPort);
    EXPECT_EQ (results.sends[1].result, VexoEditorEngine::resultNoPort);
    pumpMessages (shortTimeoutMs * 2);
    EXPECT_EQ (results.sends.size(), 2u);
}

TEST_F (SimulatedLink, DamagedDumpEndsItsRequestAndLeavesThePresetAlone)
{
    engine->setReplyTimeout (shortTimeoutMs);
    device->setAnswersWithDamagedDump (true);
    auto target = presetNamed ("Mine");
    const auto before = toVector (target->toBytes());
    engine->requestPreset (4, target);
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 1; }));
    EXPECT_EQ (results.requests[0], VexoEditorEngine::resultNoReply);
    EXPECT_EQ (toVector (target->toBytes()), before);

    // Ended at once: its time-out does not report it a second time.
    pumpMessages (shortTimeoutMs * 2);
    EXPECT_EQ (results.requests.size(), 1u);

    // The next request is answered by its own dump.
    engine->setReplyTimeout (patientTimeoutMs);
    device->setAnswersWithDamagedDump (false);
    engine->requestPreset (4, target);
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 2; }));
    EXPECT_EQ (results.requests[1], VexoEditorEngine::resultSuccess);
    EXPECT_EQ (nameOf (target), "Generic ");
}

TEST_F (SimulatedLink, BurstsEndWithOneResultEachForTheRightPreset)
{
    device->setReplyDelay (2);
    std::vector<EditorPreset::Ptr> sent, read;
    for (int slot = 1; slot <= 8; ++slot)
    {
        sent.push_back (presetNamed ("Slot" + juce::String (slot)));
        engine->sendPreset (slot, sent.back());
    }
    for (int slot = 1; slot <= 8; ++slot)
    {
        read.push_back (newPreset());
        engine->requestPreset (slot, read.back());
    }

    ASSERT_TRUE (waitFor ([&] { return results.sends.size() >= 8 && results.requests.size() >= 8; }));
    pumpMessages (50);
    ASSERT_EQ (results.sends.size(), 8u);
    ASSERT_EQ (results.requests.size(), 8u);
    for (size_t i = 0; i < 8; ++i)
    {
        EXPECT_EQ (results.sends[i].preset, sent[i]);
        EXPECT_EQ (results.sends[i].result, VexoEditorEngine::resultSuccess);
        EXPECT_EQ (results.requests[i], VexoEditorEngine::resultSuccess);
        EXPECT_EQ (nameOf (read[i]), ("Slot" + juce::String (i + 1)).paddedRight (' ', 8));
    }
}

// Each request's result names the preset it was for and the slot its reply carried, so a requester
// can tell its own results, and a late reply, from the others.
TEST_F (SimulatedLink, RequestResultsTellTheirPresetAndTheSlotInTheReply)
{
    struct EndedRequest
    {
        EditorPreset::Ptr preset;
        int slotInReply, result;
    };
    struct Requester : engine_test::RecordingListener
    {
        std::vector<EndedRequest> ended;
        void requestEnded (EditorPreset::Ptr preset, int slotInReply, int result) override
        {
            ended.push_back ({preset, slotInReply, result});
        }
    } requester;
    engine->addListener (&requester);

    auto twelve = newPreset(), ram = newPreset(), unanswered = newPreset(), noPort = newPreset();
    engine->requestPreset (12, twelve);
    engine->requestPreset (0, ram);
    ASSERT_TRUE (waitFor ([&] { return requester.ended.size() == 2; }));

    engine->setReplyTimeout (shortTimeoutMs);
    device->setSilent (true);
    engine->requestPreset (5, unanswered);
    ASSERT_TRUE (waitFor ([&] { return requester.ended.size() == 3; }));
    manager->closeAllInputs();
    engine->requestPreset (6, noPort);
    ASSERT_TRUE (waitFor ([&] { return requester.ended.size() == 4; }));

    const std::vector<std::tuple<EditorPreset*, int, int>> expected{
        {twelve.get(), 12, VexoEditorEngine::resultSuccess},
        {ram.get(), 0, VexoEditorEngine::resultSuccess},
        {unanswered.get(), -1, VexoEditorEngine::resultNoReply},
        {noPort.get(), -1, VexoEditorEngine::resultNoPort}};
    for (size_t i = 0; i < expected.size(); ++i)
    {
        EXPECT_EQ (requester.ended[i].preset.get(), std::get<0> (expected[i])) << i;
        EXPECT_EQ (requester.ended[i].slotInReply, std::get<1> (expected[i])) << i;
        EXPECT_EQ (requester.ended[i].result, std::get<2> (expected[i])) << i;
    }

    // Listeners that do not ask hear the bare results, as before.
    EXPECT_TRUE (requester.requests.empty());
    EXPECT_EQ (results.requests, (std::vector<int>{2, 2, 1, 0}));
    engine->removeListener (&requester);
}

// What is on its way when the device goes ends at once with 0, long before it could time out.
TEST_F (SimulatedLink, UnplugEndsWhatIsOnItsWayAtOnceAndReplugRestoresTheLink)
{
    // The device goes before it answers (held silent, so that no answer can beat the unplugging).
    device->setSilent (true);
    auto preset = newPreset();
    engine->sendPreset (3, preset);
    engine->requestPreset (3, newPreset());
    device->unplug();
    device->setSilent (false);

    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1 && results.requests.size() == 1; },
                          patientTimeoutMs / 2));
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultNoPort);
    EXPECT_EQ (results.requests[0], VexoEditorEngine::resultNoPort);

    device->replug();
    ASSERT_TRUE (
        waitFor ([&] { return manager->getNumOpenInputs() == 1 && manager->getNumOpenOutputs() == 1; }));
    engine->sendPreset (3, preset);
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2; }));
    EXPECT_EQ (results.sends[1].result, VexoEditorEngine::resultSuccess);
}

TEST_F (SimulatedLink, SettingsReplyIsAppliedOnTheMessageThreadOnly)
{
    auto settings = engine->getVexoAGlobalSettings();
    const juce::uint8 reply[] = {0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x05,
                                 0x02, 0x00, 0x03, 0x04, 0x01, 0xF7};
    std::thread input ([&] { engine->handleIncomingMidiMessage (nullptr, juce::MidiMessage (reply, 13)); });
    input.join();
    EXPECT_EQ (settings->getTapAverage(), 2) << "applied on the MIDI input thread";

    ASSERT_TRUE (waitFor ([&] { return settings->getTempoLED() == 1; }));
    EXPECT_EQ (settings->getTapAverage(), 4);
}

TEST_F (SimulatedLink, GlobalSettingsTravelBothWays)
{
    const juce::uint8 deviceValues[] = {5, 40, 3, 1, 1, 0, 12, 4, 15, 9};
    for (int i = 0; i < 10; ++i)
        device->setGlobalSetting (i + 1, deviceValues[i]);

    auto settings = engine->getVexoAGlobalSettings();
    engine->requestGlobalSettings();
    ASSERT_TRUE (waitFor ([&] { return settings->getSettingValue (10) == 9; }));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ (settings->getSettingValue (i + 1), deviceValues[i]) << "index " << i + 1;
    EXPECT_EQ (engine->getGlobalSettings().get(), settings.get());

    // Sending: one set message then one request per setting, in index order.
    auto toSend = engine->createGlobalSettings();
    const juce::uint8 sentValues[] = {31, 99, 4, 0, 1, 1, 19, 5, 20, 10};
    for (int i = 0; i < 10; ++i)
        toSend->setSetting ({(juce::uint8) (i + 1), sentValues[i]}, juce::dontSendNotification);
    const int before = device->getNumMessagesReceived();
    engine->sendGlobalSettings (toSend);
    ASSERT_EQ (device->getNumMessagesReceived() - before, 20);

    const auto log = device->getRecentMessages();
    const Bytes request{0xF0, 0x7D, 0x00, 0x36, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7};
    for (int i = 0; i < 10; ++i)
    {
        const Bytes set{0xF0,          0x7D, 0x00, 0x36, 0x34, 0x00, 0x04, 0x01, 0x00, (juce::uint8) (i + 1),
                        sentValues[i], 0xF7};
        EXPECT_EQ (toVector (log[log.size() - 20 + 2 * i]), set);
        EXPECT_EQ (toVector (log[log.size() - 19 + 2 * i]), request);
    }
    ASSERT_TRUE (waitFor (
        [&] { return settings->getSettingValue (1) == 31 && settings->getSettingValue (10) == 10; }));
    EXPECT_EQ (device->getGlobalSetting (9), 20);
}

TEST_F (SimulatedLink, ReleasingTheEngineWithRepliesInFlightIsSafe)
{
    device->setReplyDelay (5);
    for (int slot = 0; slot < 5; ++slot)
    {
        engine->sendPreset (slot, newPreset());
        engine->requestPreset (slot, newPreset());
    }
    engine->removeListener (&results);
    engine = nullptr;
    pumpMessages (60);
    EXPECT_TRUE (results.sends.empty());
}

// The engine joins the MIDI manager while its model class is still being built and leaves it
// while being taken apart; input arriving all the while must reach only what is complete: its
// hand-over, never the engine object itself (a race that ThreadSanitizer shows, and that the
// count of calls into the engine shows without it).
TEST (VexoEditorEngine, MadeAndReleasedWhileInputKeepsArriving)
{
    static std::atomic<int> callsIntoTheEngine{0};
    struct WatchedEngine : VexoBEditorEngine
    {
        using VexoBEditorEngine::VexoBEditorEngine;
        void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override
        {
            ++callsIntoTheEngine;
            VexoBEditorEngine::handleIncomingMidiMessage (source, message);
        }
    };

    auto system = std::make_shared<VirtualMidiPortSystem>();
    const int input = system->addInputDevice ("In");
    MidiManager::Ptr manager = new MidiManager (system);
    manager->openInput ("In");

    std::atomic<bool> stop{false};
    std::thread device (
        [&]
        {
            while (!stop)
            {
                system->sendFromDevice (input, acknowledgement());
                std::this_thread::sleep_for (std::chrono::microseconds (50));
            }
        });
    for (int i = 0; i < 50; ++i)
    {
        VexoBEditorEngine::Ptr engine = new WatchedEngine (manager);
        engine_test::RecordingListener results;
        engine->addListener (&results);
        pumpMessages (1);
        engine->removeListener (&results);
    }
    stop = true;
    device.join();
    EXPECT_EQ (callsIntoTheEngine, 0);
}

TEST_F (SimulatedLink, EngineHearsTheDeviceGoAndComeBack)
{
    struct NoticingEngine : VexoBEditorEngine
    {
        using VexoBEditorEngine::VexoBEditorEngine;
        juce::StringArray notices;
        void inputDevicesDisconnected (const juce::StringArray& n) override
        {
            notices.add ("in lost " + n[0]);
        }
        void outputDevicesDisconnected (const juce::StringArray& n) override
        {
            notices.add ("out lost " + n[0]);
        }
        void inputDevicesReconnected (const juce::StringArray& n) override
        {
            notices.add ("in back " + n[0]);
        }
        void outputDevicesReconnected (const juce::StringArray& n) override
        {
            notices.add ("out back " + n[0]);
        }
    };
    juce::ReferenceCountedObjectPtr<NoticingEngine> noticing = new NoticingEngine (manager);

    device->unplug();
    ASSERT_TRUE (waitFor ([&] { return noticing->notices.size() == 2; }));
    device->replug();
    ASSERT_TRUE (waitFor ([&] { return noticing->notices.size() == 4; }));
    noticing->notices.sort (false);
    EXPECT_EQ (noticing->notices.joinIntoString (", "),
               "in back VexoB Remote, in lost VexoB Remote, out back VexoB Remote, out lost VexoB Remote");
}

TEST (VexoEditorEngine, CopyControlOnlyBetweenControlsOfOneKind)
{
    VexoBEditorEngine engine (nullptr);
    VexoBEditorPreset preset;
    auto pad0 = preset.getPad (0), pad1 = preset.getPad (1);
    pad0->setParameterValue (VexoPad::Param::midiNote, 64);
    pad0->setParameterValue (VexoPad::Param::colorOn, 9);
    engine.copyControl (pad0.get(), pad1.get());
    EXPECT_EQ (toVector (pad1->toBytes()), toVector (pad0->toBytes()));

    auto knob = preset.getKnob (0);
    const auto knobBefore = toVector (knob->toBytes());
    engine.copyControl (pad0.get(), knob.get());
    engine.copyControl (nullptr, knob.get());
    EXPECT_EQ (toVector (knob->toBytes()), knobBefore);
}

TEST (VexoEditorEngine, TheSimulatedPortSystemConnectsTheDeviceOnItsDefaultPorts)
{
    MidiManager::Ptr manager = new MidiManager (std::make_shared<SimulatedDevicePortSystem>());

    manager->openInput ("VexoB Remote");
    manager->openOutput ("VexoB Remote");
    ASSERT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 2);

    VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (manager);
    engine_test::RecordingListener results;
    engine->addListener (&results);
    auto preset = engine->createPreset();
    engine->requestPreset (15, preset);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return results.requests.size() == 1; }));
    EXPECT_EQ (results.requests[0], VexoEditorEngine::resultSuccess);
    EXPECT_EQ (nameOf (preset), "Generic ");
    engine->removeListener (&results);
}

// The device's log of what it was sent keeps the latest messages, in order, and lets go of the
// older ones whole (under LeakSanitizer, a message dropped without its data shows).
TEST (SimulatedVexoBDevice, KeepsTheLatestMessagesAndLetsTheOlderGo)
{
    VirtualMidiPortSystem bus;
    SimulatedVexoBDevice device (bus);
    device.setSilent (true);
    MidiManager::Ptr manager (new MidiManager (std::shared_ptr<VirtualMidiPortSystem> (&bus, [] (auto*) {})));
    manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());

    constexpr int sent = SimulatedVexoBDevice::maxRecentMessages + 40;
    for (int i = 0; i < sent; ++i)
    {
        const juce::uint8 request[] = {0xF0, 0x7D, 0x00, 0x36, 0x12, 0x00, 0x01, (juce::uint8) (i % 31),
                                       0xF7};
        manager->sendMessage (juce::MidiMessage (request, (int)sizeof (request)));
    }

    const auto log = device.getRecentMessages();
    ASSERT_EQ (log.size(), SimulatedVexoBDevice::maxRecentMessages);
    for (int i = 0; i < log.size(); ++i)
        EXPECT_EQ (log[i].getRawData()[7], (sent - log.size() + i) % 31);
    EXPECT_EQ (device.getNumMessagesReceived(), sent);
}
