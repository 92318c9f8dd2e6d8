#pragma once

#include "engine/MidiManager.h"
#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"
#include "model/VexoBEditorPreset.h"
#include "simulation/SimulatedDevicePortSystem.h"
#include "simulation/SimulatedVexoBDevice.h"
#include "simulation/VirtualMidiPortSystem.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace engine_test
{
// Tests about time-outs make them short. Every other test gives the device all the time a loaded
// machine may need, so that a slow reply is never mistaken for a missing one.
constexpr int shortTimeoutMs = 150;
constexpr int patientTimeoutMs = 10000;
constexpr int fastWatchMs = 5;

inline std::vector<juce::uint8> toVector (const juce::Array<juce::uint8>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

inline std::vector<juce::uint8> toVector (const juce::MidiMessage& message)
{
    return {message.getRawData(), message.getRawData() + message.getRawDataSize()};
}

inline EditorPreset::Ptr presetNamed (const juce::String& name)
{
    auto* preset = new VexoBEditorPreset();
    preset->setName (name);
    return preset;
}

// The dump of a preset for a slot, F0 to F7, as the device stores it.
inline std::vector<juce::uint8> dumpOf (const EditorPreset::Ptr& preset, int slot)
{
    VexoBEditorEngine engine (nullptr);
    return toVector (VexoSysEx::wrap (VexoSysEx::buildDump (engine.getMessageModel(), *preset, slot)));
}

// Every result the engine reports, in delivery order.
struct RecordingListener : VexoEditorEngine::Listener
{
    struct SendResult
    {
        EditorPreset::Ptr preset;
        int result;
    };

    std::vector<SendResult> sends;
    std::vector<int> requests, opens, saves;

    void sendPresetResult (EditorPreset::Ptr preset, int result) override
    {
        sends.push_back ({preset, result});
    }
    void requestPresetResult (int result) override { requests.push_back (result); }
    void openPresetFileResult (int result) override { opens.push_back (result); }
    void savePresetFileResult (int result) override { saves.push_back (result); }
};

// Device-change notices of a MIDI manager.
struct DeviceChangeRecorder : MidiManager::Listener
{
    std::vector<juce::StringArray> inputsLost, outputsLost, inputsBack, outputsBack;
    std::atomic<int> messages{0};

    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override { ++messages; }
    void inputDevicesDisconnected (const juce::StringArray& n) override { inputsLost.push_back (n); }
    void outputDevicesDisconnected (const juce::StringArray& n) override { outputsLost.push_back (n); }
    void inputDevicesReconnected (const juce::StringArray& n) override { inputsBack.push_back (n); }
    void outputDevicesReconnected (const juce::StringArray& n) override { outputsBack.push_back (n); }
};

// The whole link as the program runs it with the simulated device: the virtual bus, the device,
// the real MIDI manager (with a fast watch) and the engine (with a short time-out).
class SimulatedLink : public ::testing::Test
{
protected:
    SimulatedLink()
    {
        system = std::make_shared<VirtualMidiPortSystem>();
        device = std::make_unique<SimulatedVexoBDevice> (*system);
        manager = new MidiManager (system, fastWatchMs);
        manager->openInput (SimulatedVexoBDevice::getDefaultPortName());
        manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
        engine = new VexoBEditorEngine (manager);
        engine->setReplyTimeout (patientTimeoutMs);
        engine->addListener (&results);
    }

    ~SimulatedLink() override
    {
        if (engine != nullptr)
            engine->removeListener (&results);
        engine = nullptr;
        manager = nullptr;
        device.reset();
    }

    EditorPreset::Ptr newPreset() { return engine->createPreset(); }

    bool waitFor (const std::function<bool()>& condition, int ms = 2 * patientTimeoutMs)
    {
        return testing_support::pumpUntil (condition, ms);
    }

    std::shared_ptr<VirtualMidiPortSystem> system;
    std::unique_ptr<SimulatedVexoBDevice> device;
    MidiManager::Ptr manager;
    VexoBEditorEngine::Ptr engine;
    RecordingListener results;
};
} // namespace engine_test
