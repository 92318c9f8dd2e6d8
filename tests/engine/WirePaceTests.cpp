// The engine against a device at the pace of its MIDI cable, run twenty times faster than life
// with the time-out shortened alike, so that a pass of 31 slots takes under two seconds and a
// message that waits behind others times out as it would at the real pace.

#include "EngineTestSupport.h"

#include "simulation/SimulatedMidiWire.h"

using engine_test::dumpOf;
using engine_test::presetNamed;
using engine_test::toVector;

namespace
{
constexpr double timeScale = 0.05;
// The program's 3000 ms, at that scale twice over: 300 ms against the 58 ms a slot takes.
constexpr int scaledTimeoutMs = 300;
constexpr int noPort = VexoEditorEngine::resultNoPort, noReply = VexoEditorEngine::resultNoReply,
              ok = VexoEditorEngine::resultSuccess;

const auto now = juce::Time::getMillisecondCounterHiRes;

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
        engine->setLateReplyWait (scaledTimeoutMs / 3);
    }

    // From the last sent on. All made first: making them between the sends would hold them up.
    void sendToSlots (int count, const juce::String& name = "Slot")
    {
        const int first = (int)sent.size();
        for (int slot = first; slot < count; ++slot)
            sent.push_back (presetNamed (name + juce::String (slot)));
        for (int slot = first; slot < count; ++slot)
            engine->sendPreset (slot, sent[(size_t)slot]);
    }

    // Every send ended once, in the order sent: the first with its own result, the others with theirs.
    void expectSendsEnded (size_t count, int firstResult, int laterResult)
    {
        ASSERT_EQ (results.sends.size(), count);
        for (size_t i = 0; i < count; ++i)
        {
            EXPECT_EQ (results.sends[i].preset, sent[i]) << i;
            EXPECT_EQ (results.sends[i].result, i == 0 ? firstResult : laterResult) << i;
        }
    }

    std::vector<EditorPreset::Ptr> sent;
};
} // namespace

// A burst of dumps overflows the 4 KB buffer in front of the cable; the global settings fit
// behind a dump on its way, so they need no pacing.
TEST_F (WirePace, OnlyABurstOfDumpsOverflowsTheSendBuffer)
{
    const auto dump = dumpOf (presetNamed ("Burst"), 5);
    manager->sendMessage (juce::MidiMessage (dump.data(), (int)dump.size()));
    manager->sendMessage (juce::MidiMessage (dump.data(), (int)dump.size()));
    EXPECT_GT (device->getNumBytesDropped(), 2000) << "less what the cable took meanwhile";
    EXPECT_LE (device->getNumBytesDropped(), 2 * 3483 - 4096);
    EXPECT_EQ (device->getNumMessagesCut(), 1);
    ASSERT_TRUE (waitFor ([&] { return device->isIdle() && results.sends.size() == 1; }));
    EXPECT_EQ (device->getNumPresetsStored(), 1);

    device->setLink (SimulatedVexoBDevice::Link::wire, timeScale);
    auto settings = engine->createGlobalSettings();
    settings->setSetting ({9, 14}, juce::dontSendNotification);
    sendToSlots (1);
    engine->sendGlobalSettings (settings);
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 2 && device->isIdle(); }));
    EXPECT_EQ (results.sends[1].result, ok);
    EXPECT_EQ (device->getNumBytesDropped(), 0);
    EXPECT_EQ (device->getGlobalSetting (9), 14);
}

// Every slot is stored, at the cable's pace and no faster, each send ending once, in order.
TEST_F (WirePace, ThirtyOneQueuedSendsAreAllStoredWithNothingDropped)
{
    const auto start = now();
    sendToSlots (31);
    EXPECT_EQ (device->getNumMessagesReceived(), 1) << "one dump on its way, the others wait";
    ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 31; }));
    const auto elapsed = now() - start;

    expectSendsEnded (31, ok, ok);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ (toVector (device->getSlotDump (i)), dumpOf (sent[(size_t)i], i)) << i;
    EXPECT_EQ (device->getNumPresetsStored(), 31);
    EXPECT_EQ (device->getNumBytesDropped(), 0);
    EXPECT_GE (elapsed, 31 * (cableMs (3483 + 10) + SimulatedVexoBDevice::storingTimeMs * timeScale));
}

// A pass of requests reads every slot with one request each, none timing out behind the others.
TEST_F (WirePace, ThirtyOneQueuedRequestsReadEverySlotOnce)
{
    std::vector<EditorPreset::Ptr> read;
    for (int slot = 0; slot < 31; ++slot)
    {
        const auto named = dumpOf (presetNamed ("Read" + juce::String (slot)), slot);
        device->setSlotDump (slot, juce::Array<juce::uint8> (named.data(), (int)named.size()));
        read.push_back (newPreset());
    }
    const auto start = now();
    for (int slot = 0; slot < 31; ++slot)
        engine->requestPreset (slot, read[(size_t)slot]);
    ASSERT_TRUE (waitFor ([&] { return results.requests.size() == 31; }));

    EXPECT_GE (now() - start, 31 * cableMs (9 + 3483));
    EXPECT_EQ (results.requests, std::vector<int> (31, ok));
    for (size_t i = 0; i < 31; ++i)
        EXPECT_EQ (dynamic_cast<VexoEditorPreset&> (*read[i]).getName(),
                   ("Read" + juce::String (i)).paddedRight (' ', 8));
    EXPECT_EQ (device->getNumPresetRequestsReceived(), 31);
}

// An acknowledgement that comes after its send timed out is counted for no other send, whether the
// next one waited at the time-out or is sent right after it: else that one is reported before the
// device has it, the next goes onto a busy cable and is cut, and results fall out of step.
// One late even for the wait comes while the next dump is on the cable, too soon to be its own.
TEST_F (WirePace, LateAcknowledgementIsCountedForNoOtherSend)
{
    // A dump and its acknowledgement take 1,158 ms at the real pace, 463 ms at 0.4 of it (room between
    // the moments that matter). The late one comes 600 ms after the wait, 0.52 s before the next dump's
    // own could, or after the time-out. Real pace first: once the link beat a cable, time tells nothing.
    for (const auto& [name, pace, timeout, wait, sentFirst, replyDelay] :
         std::initializer_list<std::tuple<const char*, double, int, int, int, int>>{
             {"Late", 1.0, 1700, 1000, 3, 1700 + 1000 + 600 - 1158},
             {"Again", 0.4, 1000, 1200, 1, 1000 - 463 + 600},
             {"Wait", 0.4, 1000, 1200, 3, 1000 - 463 + 600}})
    {
        SCOPED_TRACE (name);
        device->setLink (SimulatedVexoBDevice::Link::wire, pace);
        engine->setReplyTimeout (timeout);
        engine->setLateReplyWait (wait);
        results.sends.clear();
        sent.clear();
        device->setReplyDelay (replyDelay);
        sendToSlots (sentFirst, name);
        ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 1; }));
        device->setReplyDelay (0);
        sendToSlots (3, name);
        ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 3 && device->isIdle(); }));
        testing_support::pumpMessages (200);

        expectSendsEnded (3, noReply, ok);
        EXPECT_EQ (device->getNumBytesDropped(), 0);
        for (int i = 1; i < 3; ++i)
            EXPECT_EQ (toVector (device->getSlotDump (i)), dumpOf (sent[(size_t)i], i)) << i;
    }
}

// Sends waiting behind the one on its way each end once, in order, after it, and none is sent:
// whether the device is unplugged (even if it comes back at once) or the port is closed.
TEST_F (WirePace, WaitingSendsEndOnceAndAreNeverSent)
{
    const auto unplugAndReplug = [this]
    {
        // Back before the send on its way has timed out.
        device->unplug();
        ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenOutputs() == 0; }));
        device->replug();
        ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenOutputs() == 1; }));
    };
    const struct
    {
        const char* name;
        std::function<void()> stop;
        int firstResult, waitingResult;
    } cases[] = {
        {"unplugged", unplugAndReplug, noPort, noPort},
        {"port closed", [this] { manager->closeAllOutputs(); }, ok, noPort},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        results.sends.clear();
        sent.clear();
        const int before = device->getNumMessagesReceived();
        sendToSlots (5);
        c.stop();
        ASSERT_TRUE (waitFor ([&] { return results.sends.size() == 5; }));
        manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
        testing_support::pumpMessages (scaledTimeoutMs);

        expectSendsEnded (5, c.firstResult, c.waitingResult);
        EXPECT_EQ (device->getNumMessagesReceived() - before, 1);
        ASSERT_TRUE (waitFor ([&] { return manager->getNumOpenInputs() == 1; }));
    }
}
