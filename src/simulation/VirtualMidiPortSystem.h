#pragma once

#include "engine/MidiPortSystem.h"

// An in-process MIDI bus. Devices are added to it by name; the program opens them like real
// ports. A device can be taken off the list (unplugged) and put back (replugged); ports opened on
// it stay bound to it, deaf and mute while it is away, as ports of a real vanished device are.
class VirtualMidiPortSystem : public MidiPortSystem
{
public:
    // What a device does with a message the program sent to its output port. Called on the
    // sender's thread with the bus locked: hand the message over, do not call back into the bus.
    class Receiver
    {
    public:
        virtual ~Receiver() = default;
        virtual void messageFromProgram (const juce::MidiMessage& message) = 0;
    };

    VirtualMidiPortSystem();
    ~VirtualMidiPortSystem() override;

    // Both return the device's id; devices start plugged in. The receiver must outlive the device's
    // presence on the bus (unplug or remove it before the receiver goes).
    int addInputDevice (const juce::String& name);
    int addOutputDevice (const juce::String& name, Receiver& receiver);
    void removeDevice (int deviceId);
    void setDevicePresent (int deviceId, bool present);

    // Delivers a message to every started input port opened on that input device, on the
    // calling thread, as a platform's MIDI input thread would.
    void sendFromDevice (int inputDeviceId, const juce::MidiMessage& message);

    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<InputPort> openInput (const juce::MidiDeviceInfo& device,
                                          juce::MidiInputCallback& callback) override;
    std::unique_ptr<OutputPort> openOutput (const juce::MidiDeviceInfo& device) override;

    struct Bus;

private:
    std::shared_ptr<Bus> bus;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiPortSystem)
};
