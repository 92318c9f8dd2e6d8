#include "EngineTestSupport.h"

using engine_test::DeviceChangeRecorder;
using engine_test::fastWatchMs;
using engine_test::SimulatedLink;
using testing_support::pumpMessages;
using testing_support::pumpUntil;

// What the global settings editor needs to know before it sends anything: whether the settings the
// engine holds are the device's or only the initial values.
TEST_F (SimulatedLink, GlobalSettingsCountAsTheDevicesOnlyOnceAReplySetOne)
{
    EXPECT_FALSE (engine->hasGlobalSettingsFromDevice());

    // Asking for the settings object, or sending settings, is not an answer.
    device->setSilent (true);
    engine->getGlobalSettings();
    engine->sendGlobalSettings (engine->createGlobalSettings());
    engine->requestGlobalSettings();
    pumpMessages (40);
    EXPECT_FALSE (engine->hasGlobalSettingsFromDevice());

    // A reply that names no setting (index 0) tells nothing either.
    const juce::uint8 aboutNothing[] = {0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00,
                                        0x04, 0x01, 0x00, 0x00, 0x05, 0xF7};
    engine->handleIncomingMidiMessage (nullptr, juce::MidiMessage (aboutNothing, (int)sizeof (aboutNothing)));
    pumpMessages (40);
    EXPECT_FALSE (engine->hasGlobalSettingsFromDevice());

    device->setSilent (false);
    engine->requestGlobalSettings();
    EXPECT_TRUE (waitFor ([&] { return engine->hasGlobalSettingsFromDevice(); }));
}

TEST (MidiManager, ForgottenLostPortsAreNotReopenedWhenTheirDevicesReturn)
{
    auto system = std::make_shared<VirtualMidiPortSystem>();
    SimulatedVexoBDevice device (*system);
    MidiManager::Ptr manager = new MidiManager (system, fastWatchMs);
    manager->openInput (SimulatedVexoBDevice::getDefaultPortName());
    manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());

    device.unplug();
    ASSERT_TRUE (pumpUntil (
        [&] { return manager->getLostInputNames().size() + manager->getLostOutputNames().size() == 2; }));

    manager->forgetLostPorts();
    EXPECT_TRUE (manager->getLostInputNames().isEmpty());
    EXPECT_TRUE (manager->getLostOutputNames().isEmpty());

    DeviceChangeRecorder changes;
    manager->addListener (&changes);
    device.replug();
    pumpMessages (fastWatchMs * 10);
    EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);
    EXPECT_TRUE (changes.inputsBack.empty());
    EXPECT_TRUE (changes.outputsBack.empty());
    manager->removeListener (&changes);
}
