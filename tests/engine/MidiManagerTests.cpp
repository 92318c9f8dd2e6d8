#include "EngineTestSupport.h"

#include "engine/JuceMidiPortSystem.h"

#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

using engine_test::DeviceChangeRecorder;
using engine_test::fastWatchMs;
using testing_support::pumpMessages;
using testing_support::pumpUntil;

namespace
{
struct RecordingReceiver : VirtualMidiPortSystem::Receiver
{
    std::atomic<int> received{0};
    void messageFromProgram (const juce::MidiMessage&) override { ++received; }
};

// Opening the first device of a name throws, as some platform layers do for a busy device.
struct ThrowingOnFirstOpen : VirtualMidiPortSystem
{
    int opens = 0;
    std::unique_ptr<InputPort> openInput (const juce::MidiDeviceInfo& device,
                                          juce::MidiInputCallback& cb) override
    {
        if (opens++ == 0)
            throw std::runtime_error ("busy");
        return VirtualMidiPortSystem::openInput (device, cb);
    }
};

const juce::String remote = SimulatedVexoBDevice::getDefaultPortName();
} // namespace

TEST (MidiManager, OpensEveryDeviceOfTheExactNameOnce)
{
    auto system = std::make_shared<VirtualMidiPortSystem>();
    const int first = system->addInputDevice ("Pads");
    system->addInputDevice ("Pads");
    system->addInputDevice ("pads");
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);

    manager->openInput ("Pads");
    EXPECT_EQ (manager->getNumOpenInputs(), 2);
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ({"Pads", "Pads"}));

    // Already open: a third device of that name is not picked up.
    system->addInputDevice ("Pads");
    manager->openInput ("Pads");
    EXPECT_EQ (manager->getNumOpenInputs(), 2);

    manager->closeInput ("Pads");
    EXPECT_EQ (manager->getNumOpenInputs(), 0);
    EXPECT_FALSE (manager->isInputOpen ("Pads"));

    // A name no device has opens nothing and is not retried when such a device appears.
    manager->openInput ("Later");
    system->addInputDevice ("Later");
    pumpMessages (fastWatchMs * 6);
    EXPECT_FALSE (manager->isInputOpen ("Later"));
    EXPECT_TRUE (manager->isInputDeviceAvailable ("Later"));
    system->removeDevice (first);
}

TEST (MidiManager, DeviceThatThrowsIsSkipped)
{
    auto system = std::make_shared<ThrowingOnFirstOpen>();
    system->addInputDevice ("Pads");
    system->addInputDevice ("Pads");
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);
    manager->openInput ("Pads");
    EXPECT_EQ (manager->getNumOpenInputs(), 1);
}

TEST (MidiManager, SendsToEveryOpenOutputAndDeliversInputToListeners)
{
    auto system = std::make_shared<VirtualMidiPortSystem>();
    RecordingReceiver a, b;
    system->addOutputDevice ("A", a);
    system->addOutputDevice ("B", b);
    const int in = system->addInputDevice ("In");
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);

    const auto message = juce::MidiMessage::controllerEvent (1, 7, 100);
    manager->sendMessage (message); // nothing open: nowhere to go
    manager->openOutput ("A");
    manager->openOutput ("B");
    manager->sendMessage (message);
    EXPECT_EQ (a.received.load(), 1);
    EXPECT_EQ (b.received.load(), 1);

    DeviceChangeRecorder first, second;
    manager->addListener (&first);
    manager->addListener (&second);
    manager->addListener (&second);
    manager->addListener (nullptr);
    manager->openInput ("In");
    system->sendFromDevice (in, message);
    manager->removeListener (&first);
    system->sendFromDevice (in, message);
    EXPECT_EQ (first.messages.load(), 1);
    EXPECT_EQ (second.messages.load(), 2);

    // A closed input hears nothing more.
    manager->closeAllInputs();
    system->sendFromDevice (in, message);
    EXPECT_EQ (second.messages.load(), 2);
    manager->removeListener (&second);
}

TEST (MidiManager, UnpluggedDeviceIsClosedRememberedAndReopened)
{
    auto system = std::make_shared<VirtualMidiPortSystem>();
    SimulatedVexoBDevice device (*system);
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);
    DeviceChangeRecorder changes;
    manager->addListener (&changes);
    manager->openInput (remote);
    manager->openOutput (remote);

    device.unplug();
    ASSERT_TRUE (pumpUntil ([&] { return !changes.inputsLost.empty() && !changes.outputsLost.empty(); }));
    EXPECT_EQ (manager->getNumOpenInputs(), 0);
    EXPECT_EQ (manager->getNumOpenOutputs(), 0);
    EXPECT_EQ (manager->getLostInputNames(), juce::StringArray (remote));

    // Closing by hand meanwhile does not make the manager forget the port.
    manager->closeAllOutputs();
    pumpMessages (fastWatchMs * 6);

    device.replug();
    ASSERT_TRUE (pumpUntil ([&] { return !changes.inputsBack.empty() && !changes.outputsBack.empty(); }));
    EXPECT_TRUE (manager->isInputOpen (remote));
    EXPECT_TRUE (manager->isOutputOpen (remote));
    EXPECT_TRUE (manager->getLostOutputNames().isEmpty());

    pumpMessages (fastWatchMs * 6);
    const std::vector<juce::StringArray> once{juce::StringArray (remote)};
    EXPECT_EQ (changes.inputsLost, once);
    EXPECT_EQ (changes.outputsLost, once);
    EXPECT_EQ (changes.inputsBack, once);
    EXPECT_EQ (changes.outputsBack, once);
    manager->removeListener (&changes);
}

TEST (MidiManager, ListenerMayLeaveFromItsDeviceChangeCallback)
{
    auto system = std::make_shared<VirtualMidiPortSystem>();
    SimulatedVexoBDevice device (*system);
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);

    struct Leaving : DeviceChangeRecorder
    {
        MidiManager* manager = nullptr;
        void inputDevicesDisconnected (const juce::StringArray& names) override
        {
            DeviceChangeRecorder::inputDevicesDisconnected (names);
            manager->removeListener (this);
        }
    } first, second;
    first.manager = second.manager = manager.get();
    manager->addListener (&first);
    manager->addListener (&second);
    manager->openInput (remote);

    device.unplug();
    ASSERT_TRUE (pumpUntil ([&] { return !first.inputsLost.empty(); }));
    EXPECT_EQ (second.inputsLost.size(), 1u);
}

// Without any MIDI service the watch runs twenty times a second for the whole session; it must
// not leave a trace on the console each time.
TEST (MidiManager, WatchIsSilentWithoutAnyMidiService)
{
    if (juce::File ("/dev/snd/seq").exists())
        GTEST_SKIP() << "this machine has a MIDI sequencer";

    fflush (stderr);
    const int saved = dup (STDERR_FILENO);
    FILE* capture = tmpfile();
    ASSERT_NE (capture, nullptr);
    dup2 (fileno (capture), STDERR_FILENO);
    {
        MidiManager::Ptr manager = new MidiManager (std::make_shared<JuceMidiPortSystem>(), 1);
        manager->openInput (remote);
        manager->openOutput (remote);
        pumpMessages (100);
        EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);
    }
    fflush (stderr);
    dup2 (saved, STDERR_FILENO);
    close (saved);
    EXPECT_EQ (ftell (capture), 0L);
    fclose (capture);
}

// A sequencer device that exists but that this user may not open counts as no MIDI service, so
// that the watch does not make the sound library complain twenty times a second.
TEST (MidiManager, SequencerThisUserMayNotOpenCountsAsAbsent)
{
    const juce::TemporaryFile temporary;
    const auto device = temporary.getFile();
    EXPECT_FALSE (JuceMidiPortSystem::canOpenSequencer (device));
    ASSERT_TRUE (device.create().wasOk());
    EXPECT_TRUE (JuceMidiPortSystem::canOpenSequencer (device));

    ::chmod (device.getFullPathName().toRawUTF8(), 0);
    if (juce::FileInputStream (device).openedOk())
        GTEST_SKIP() << "permissions do not stop this user from opening the device";
    EXPECT_FALSE (JuceMidiPortSystem::canOpenSequencer (device));
}
