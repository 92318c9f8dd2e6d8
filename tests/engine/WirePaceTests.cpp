// The engine against a device at the pace of its MIDI cable, run twenty times faster than life
// with the time-out shortened alike, so that a pass of 31 slots takes under two seconds and a
// message that waits behind others times out as it would at the real pace.

#include "EngineTestSupport.h"

#include "simulation/SimulatedMidiWire.h"

#include <string>

using engine_test::dumpOf;
using engine_test::presetNamed;
using engine_test::toVector;
using testing_support::pumpMessages;

namespace
{
constexpr double timeScale = 0.05;
// The program's 3000 ms, at that scale twice over: 300 ms against the 58 ms a slot takes.
constexpr int scaledTimeoutMs = 300;

double now()
{
    return juce::Time::getMillisecondCounterHiRes();
}

// What a message of that many bytes takes on the scaled cable.
double cableMs (int bytes)
{
    return bytes * 1000.0 / SimulatedMidiWire::midiBytesPerSecond * timeScale;
}

class WirePace : public engine_test::SimulatedLink
{
protected:
    WirePace()
    {
        device->setLink (SimulatedVexoBDevice::Link::wire, timeScale);
        engine->setReplyTimeout (scaledTimeoutMs);
        engine->setLateAcknowledgementGuard (0);
    }

    // All made first: making them between the sends would hold up the replies to the first.
    std::vector<EditorPreset::Ptr> sendToSlots (int count)
    {
        std::vector<EditorPreset::Ptr> sent;
        for (int slot = 0; slot < count; ++slot)
            sent.push_back (presetNamed ("Slot" + juce::String (slot)));
        for (int slot = 0; slot < count; ++slot)
            engine->sendPreset (slot, sent[(size_t)slot]);
        return sent;
    }
};
} // namespace

// A burst of dumps overflows the 4 KB buffer in front of the cable; one dump at a time does not,
// and the global settings fit behind a dump on its way, so they need no pacing.
TEST_F (WirePace, OnlyABurstOfDumpsOverflowsTheSendBuffer)
{
    const auto dump = dumpOf (presetNamed ("Burst"), 5);
    const juce::MidiMessage message (dump.data(), (int)dump.size());
    manager->sendMessage (message);
    manager->sendMessage (message);
    const auto dropped = device->getNumBytesDropped();
    // Less what the cable took in the meantime.
    EXPECT_GT (dropped, 2000) << "the second dump loses what does not fit";
    EXPECT_LE (dropped, 2 * 3483 - 4096);
    EXPECT_EQ (device->getNumMessagesCut(), 1);
    ASSERT_TRUE (waitFor ([&] { return device->isIdle(); }));
    EXPECT_EQ (device->getNumPresetsStored(), 1);
    pumpMessages (20);
    results.sends.clear();

    device->setLink (SimulatedVexoBDevice::Link::wire, timeScale);
    auto settings = engine->createGlobalSettings();
    settings->setSetting ({9, 14}, juce::dontSendNotification);
    engine->sendPreset (6, presetNamed ("Six"));
    engine->sendGlobalSettings (settings);
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1 && device->isIdle(); }));
    EXPECT_EQ (results.sends[0].result, VexoEditorEngine::resultSuccess);
    EXPECT_EQ (device->getNumBytesDropped(), 0);
    EXPECT_EQ (device->getGlobalSetting (9), 14);
}

// Every slot is stored, at the cable's pace and no faster, each send ending once, in order, and
// only after its dump is in the device.
TEST_F (WirePace, ThirtyOneQueuedSendsAreAllStoredWithNothingDropped)
{
    struct StoredCheck : engine_test::RecordingListener
    {
        SimulatedVexoBDevice* device = nullptr;
        int storedWhenReported = 0;
        void sendEnded (EditorPreset::Ptr preset, int result, bool withdrawn) override
        {
            const int slot = (int)sends.size();
            storedWhenReported += toVector (device->getSlotDump (slot)) == dumpOf (preset, slot) ? 1 : 0;
            RecordingListener::sendEnded (preset, result, withdrawn);
        }
    } check;
    check.device = device.get();
    engine->addListener (&check);

    const auto start = now();
    const auto sent = sendToSlots (31);
    EXPECT_EQ (device->getNumMessagesReceived(), 1) << "one dump on its way, the others wait";
    ASSERT_TRUE (waitFor ([&] { return check.sends.size() == 31; }));
    const auto elapsed = now() - start;

    for (size_t i = 0; i < 31; ++i)
    {
        EXPECT_EQ (check.sends[i].preset, sent[i]) << i;
        EXPECT_EQ (check.sends[i].result, VexoEditorEngine::resultSuccess) << i;
    }
    EXPECT_EQ (check.storedWhenReported, 31);
    EXPECT_EQ (device->getNumPresetsStored(), 31);
    EXPECT_EQ (device->getNumBytesDropped(), 0);
    EXPECT_GE (elapsed, 31 * (cableMs (3483 + 10) + SimulatedVexoBDevice::storingTimeMs * timeScale));
    engine->removeListener (&check);
}

// A pass of requests reads every slot with one request each, none timing out behind the others.
TEST_F (WirePace, ThirtyOneQueuedRequestsReadEverySlotOnce)
{
    for (int slot = 0; slot < 31; ++slot)
        device->setSlotDump (
            slot, juce::Array<juce::uint8> (dumpOf (presetNamed ("Read" + juce::String (slot)), slot).data(),
                                            3483));

    std::vector<EditorPreset::Ptr> read;
    for (int slot = 0; slot < 31; ++slot)
        read.push_back (newPreset());
    const auto start = now();
    for (int slot = 0; slot < 31; ++slot)
        engine->requestPreset (slot, read[(size_t)slot]);
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 31; }));
    const auto elapsed = now() - start;

    EXPECT_EQ (results.requests, std::vector<int> (31, VexoEditorEngine::resultSuccess));
    for (size_t i = 0; i < 31; ++i)
        EXPECT_EQ (dynamic_cast<VexoEditorPreset&> (*read[i]).getName(),
                   ("Read" + juce::String (i)).paddedRight (' ', 8));
    EXPECT_EQ (device->getNumPresetRequestsReceived(), 31);
    EXPECT_GE (elapsed, 31 * cableMs (9 + 3483));
}

// An acknowledgement that comes after its send timed out, while the next dump is on its way, is
// not taken for that dump's: otherwise the next send is reported stored before it is, and the one
// after it goes out onto a busy cable and is cut.
TEST_F (WirePace, LateAcknowledgementIsNotCountedForTheNextSend)
{
    // Slower, for room between the moments that matter: a dump and its acknowledgement take
    // 463 ms. The first one's is held back to come 113 ms after its time-out, while the next
    // dump's own comes 463 ms after it; the guard lies between the two.
    device->setLink (SimulatedVexoBDevice::Link::wire, 0.4);
    engine->setReplyTimeout (800);
    engine->setLateAcknowledgementGuard (300);
    device->setReplyDelay (450);

    struct StoredCheck : engine_test::RecordingListener
    {
        SimulatedVexoBDevice* device = nullptr;
        int reportedBeforeStored = 0;
        void sendEnded (EditorPreset::Ptr preset, int result, bool withdrawn) override
        {
            const int slot = (int)sends.size() + 1;
            if (result == VexoEditorEngine::resultSuccess &&
                (preset == nullptr || toVector (device->getSlotDump (slot)) != dumpOf (preset, slot)))
                ++reportedBeforeStored;
            device->setReplyDelay (0);
            RecordingListener::sendEnded (preset, result, withdrawn);
        }
    } check;
    check.device = device.get();
    engine->addListener (&check);

    EditorPreset::Ptr sent[] = {presetNamed ("Late"), presetNamed ("Next"), presetNamed ("After")};
    for (int i = 0; i < 3; ++i)
        engine->sendPreset (i + 1, sent[i]);
    ASSERT_TRUE (waitFor ([&] { return check.sends.size() == 3; }));
    pumpMessages (200);

    ASSERT_EQ (check.sends.size(), 3u);
    const int expected[] = {VexoEditorEngine::resultNoReply, VexoEditorEngine::resultSuccess,
                            VexoEditorEngine::resultSuccess};
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ (check.sends[i].preset, sent[i]) << i;
        EXPECT_EQ (check.sends[i].result, expected[i]) << i;
    }
    EXPECT_EQ (check.reportedBeforeStored, 0);
    EXPECT_EQ (device->getNumBytesDropped(), 0);
    engine->removeListener (&check);
}

// Sends waiting behind the one on its way each end once, in order, after it, and none is sent:
// whether the device is unplugged (even if it comes back), the port is closed or the sender
// withdraws them.
TEST_F (WirePace, WaitingSendsEndOnceAndAreNeverSent)
{
    struct Case
    {
        std::string name;
        std::function<void (const std::vector<EditorPreset::Ptr>&)> stop;
        int firstResult, waitingResult;
    };
    const std::vector<Case> cases{
        {"unplugged",
         [this] (auto&)
         {
             // Back before the send on its way has timed out: what waited stays unsent.
             device->unplug();
             ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenOutputs() == 0; }));
             device->replug();
             ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenOutputs() == 1; }));
         },
         VexoEditorEngine::resultNoReply, VexoEditorEngine::resultNoPort},
        {"port closed", [this] (auto&) { manager->closeAllOutputs(); }, VexoEditorEngine::resultSuccess,
         VexoEditorEngine::resultNoPort},
        {"withdrawn",
         [this] (auto& sent)
         {
             juce::ReferenceCountedArray<EditorPreset> waiting;
             for (size_t i = 1; i < sent.size(); ++i)
                 waiting.add (sent[i]);
             engine->withdrawWaitingSends (waiting);
         },
         VexoEditorEngine::resultSuccess, VexoEditorEngine::resultNoReply},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        results.sends.clear();
        const int before = device->getNumMessagesReceived();
        const auto sent = sendToSlots (5);
        c.stop (sent);

        ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 5; }));
        manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
        pumpMessages (scaledTimeoutMs);
        ASSERT_EQ (results.sends.size(), 5u);
        for (size_t i = 0; i < 5; ++i)
        {
            EXPECT_EQ (results.sends[i].preset, sent[i]) << i;
            EXPECT_EQ (results.sends[i].result, i == 0 ? c.firstResult : c.waitingResult) << i;
            EXPECT_EQ (results.sends[i].withdrawn, i > 0) << i;
        }
        EXPECT_EQ (device->getNumMessagesReceived() - before, 1);
        ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenInputs() == 1; }));
    }
}
