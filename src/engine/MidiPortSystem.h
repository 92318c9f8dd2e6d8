#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

// The MIDI manager reaches the system's ports only through this interface, so that the whole
// program can run against real ports or against an in-process bus with a simulated device.
class MidiPortSystem
{
public:
    // An opened input. Incoming messages go to the callback given at opening, on a thread of the
    // port system's own, between start and stop; once stop or the destructor has returned, the
    // callback is not called any more.
    class InputPort
    {
    public:
        virtual ~InputPort() = default;
        virtual juce::String getName() const = 0;
        virtual void start() = 0;
        virtual void stop() = 0;
    };

    // An opened output; sending is synchronous on the caller's thread.
    class OutputPort
    {
    public:
        virtual ~OutputPort() = default;
        virtual juce::String getName() const = 0;
        virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
    };

    virtual ~MidiPortSystem() = default;

    // The devices listed now, in the system's order. Names may repeat; identifiers do not.
    virtual juce::Array<juce::MidiDeviceInfo> getInputDevices() = 0;
    virtual juce::Array<juce::MidiDeviceInfo> getOutputDevices() = 0;

    // Null when the device cannot be opened (for instance it vanished since it was listed).
    virtual std::unique_ptr<InputPort> openInput (const juce::MidiDeviceInfo& device,
                                                  juce::MidiInputCallback& callback) = 0;
    virtual std::unique_ptr<OutputPort> openOutput (const juce::MidiDeviceInfo& device) = 0;

    static juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
    {
        juce::StringArray names;
        for (const auto& device : devices)
            names.add (device.name);
        return names;
    }
};
