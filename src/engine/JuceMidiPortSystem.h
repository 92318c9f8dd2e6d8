#pragma once

#include "engine/MidiPortSystem.h"

// The system's real MIDI ports, through juce::MidiInput and juce::MidiOutput.
class JuceMidiPortSystem : public MidiPortSystem
{
public:
    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<InputPort> openInput (const juce::MidiDeviceInfo& device,
                                          juce::MidiInputCallback& callback) override;
    std::unique_ptr<OutputPort> openOutput (const juce::MidiDeviceInfo& device) override;

    // False when the platform has no MIDI service to ask; the device lists are then empty.
    static bool isMidiServiceAvailable();

    // Whether this user may open the sequencer device at that path for reading and writing.
    static bool canOpenSequencer (const juce::File& device);
};
