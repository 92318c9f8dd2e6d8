#pragma once

#include "engine/MidiPortSystem.h"

#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_events/juce_events.h>

#include <memory>

// Owns the program's MIDI ports: opens inputs and outputs by exact device name, sends every
// outgoing message to every open output, hands every incoming message to its listeners, and keeps
// watch over the ports. A port whose device vanishes is closed and remembered, and opened again as
// soon as a device of that name is listed again; listeners hear of both on the message thread.
class MidiManager : public juce::MidiInputCallback, public juce::ReferenceCountedObject, public juce::Timer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiManager>;

    static constexpr int defaultWatchIntervalMs = 50;

    class Listener
    {
    public:
        virtual ~Listener() = default;

        // Called on the thread that delivers MIDI input. The source is null for ports that have
        // no juce::MidiInput behind them (the simulated device).
        virtual void handleIncomingMidiMessage (juce::MidiInput* source,
                                                const juce::MidiMessage& message) = 0;

        // Called on the message thread with the names of the devices concerned.
        virtual void inputDevicesDisconnected (const juce::StringArray& /*names*/) {}
        virtual void outputDevicesDisconnected (const juce::StringArray& /*names*/) {}
        virtual void inputDevicesReconnected (const juce::StringArray& /*names*/) {}
        virtual void outputDevicesReconnected (const juce::StringArray& /*names*/) {}
    };

    // The ports of the given system: the platform's (JuceMidiPortSystem) or a simulated one.
    explicit MidiManager (std::shared_ptr<MidiPortSystem> portSystem,
                          int watchIntervalMs = defaultWatchIntervalMs);
    ~MidiManager() override;

    void openInput (const juce::String& name);
    void openOutput (const juce::String& name);
    void closeInput (const juce::String& name);
    void closeOutput (const juce::String& name);
    void closeAllInputs();
    void closeAllOutputs();

    int getNumOpenInputs() const;
    int getNumOpenOutputs() const;
    juce::StringArray getOpenInputNames() const;
    juce::StringArray getOpenOutputNames() const;
    bool isInputOpen (const juce::String& name) const;
    bool isOutputOpen (const juce::String& name) const;

    bool isInputDeviceAvailable (const juce::String& name) const;
    bool isOutputDeviceAvailable (const juce::String& name) const;

    // The names the system lists now, for choosing ports.
    juce::StringArray getAvailableInputNames() const;
    juce::StringArray getAvailableOutputNames() const;

    // Synchronous, on the caller's thread, to every open output in opening order.
    void sendMessage (const juce::MidiMessage& message);

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    void timerCallback() override;

    MidiPortSystem& getPortSystem() const { return *portSystem; }

    // Names of ports whose devices vanished and that wait to be reopened.
    juce::StringArray getLostInputNames() const;
    juce::StringArray getLostOutputNames() const;

    // Stops waiting for the vanished ports: a new choice of ports replaces them, and they must not
    // come back beside it when their devices return. A port of the new choice that is itself away
    // is still waited for.
    void forgetLostPorts (const juce::String& keptInput = {}, const juce::String& keptOutput = {});

    // Each collects the names of one kind of device change and delivers them on the message thread.
    class DeviceChangeUpdater;
    template <void (Listener::*notice) (const juce::StringArray&)>
    class DeviceChangeUpdaterOf;
    using MidiInputDeviceDisconnectUpdater = DeviceChangeUpdaterOf<&Listener::inputDevicesDisconnected>;
    using MidiOutputDeviceDisconnectUpdater = DeviceChangeUpdaterOf<&Listener::outputDevicesDisconnected>;
    using MidiInputDeviceReconnectUpdater = DeviceChangeUpdaterOf<&Listener::inputDevicesReconnected>;
    using MidiOutputDeviceReconnectUpdater = DeviceChangeUpdaterOf<&Listener::outputDevicesReconnected>;

private:
    struct OpenOutput
    {
        juce::String name;
        std::unique_ptr<MidiPortSystem::OutputPort> output;
    };

    void addInput (std::unique_ptr<MidiPortSystem::InputPort> input);
    void addOutput (const juce::String& name, std::unique_ptr<MidiPortSystem::OutputPort> output);

    // Walks the listeners on the message thread, last added first; a listener may leave the list
    // from within its callback without the walk skipping or repeating another.
    template <typename Callback>
    void callListeners (Callback&& callback);

    std::shared_ptr<MidiPortSystem> portSystem;

    std::unique_ptr<DeviceChangeUpdater> inputDisconnectUpdater, outputDisconnectUpdater;
    std::unique_ptr<DeviceChangeUpdater> inputReconnectUpdater, outputReconnectUpdater;

    juce::StringArray lostInputNames, lostOutputNames;
    juce::OwnedArray<MidiPortSystem::InputPort> openInputs;
    std::vector<OpenOutput> openOutputs;
    juce::Array<Listener*> listeners;

    juce::CriticalSection lock;
    juce::CriticalSection listenerLock;

    JUCE_DECLARE_NON_COPYABLE (MidiManager)
};
