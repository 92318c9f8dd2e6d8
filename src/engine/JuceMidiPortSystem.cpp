#include "engine/JuceMidiPortSystem.h"

#if JUCE_LINUX || JUCE_BSD
#include <unistd.h>
#endif

namespace
{
class JuceInputPort : public MidiPortSystem::InputPort
{
public:
    explicit JuceInputPort (std::unique_ptr<juce::MidiInput> in)
        : input (std::move (in))
    {
    }
    ~JuceInputPort() override { input->stop(); }

    juce::String getName() const override { return input->getName(); }
    void start() override { input->start(); }
    void stop() override { input->stop(); }

private:
    std::unique_ptr<juce::MidiInput> input;
};

class JuceOutputPort : public MidiPortSystem::OutputPort
{
public:
    explicit JuceOutputPort (std::unique_ptr<juce::MidiOutput> out)
        : output (std::move (out))
    {
    }
    ~JuceOutputPort() override { output->stopBackgroundThread(); }

    juce::String getName() const override { return output->getName(); }
    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};
} // namespace

bool JuceMidiPortSystem::isMidiServiceAvailable()
{
#if JUCE_LINUX || JUCE_BSD
    // Without a sequencer device this user may open, every device query opens a fresh sequencer
    // client that fails and prints a line of its own; the port watch asks twenty times a second.
    return canOpenSequencer (juce::File ("/dev/snd/seq"));
#else
    return true;
#endif
}

bool JuceMidiPortSystem::canOpenSequencer (const juce::File& device)
{
#if JUCE_LINUX || JUCE_BSD
    // A device node that is there but belongs to a group this user is not in counts as absent.
    return device.exists() && ::access (device.getFullPathName().toRawUTF8(), R_OK | W_OK) == 0;
#else
    return device.exists();
#endif
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPortSystem::getInputDevices()
{
    if (!isMidiServiceAvailable())
        return {};
    return juce::MidiInput::getAvailableDevices();
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPortSystem::getOutputDevices()
{
    if (!isMidiServiceAvailable())
        return {};
    return juce::MidiOutput::getAvailableDevices();
}

std::unique_ptr<MidiPortSystem::InputPort> JuceMidiPortSystem::openInput (const juce::MidiDeviceInfo& device,
                                                                          juce::MidiInputCallback& callback)
{
    if (auto input = juce::MidiInput::openDevice (device.identifier, &callback))
        return std::make_unique<JuceInputPort> (std::move (input));
    return nullptr;
}

std::unique_ptr<MidiPortSystem::OutputPort>
JuceMidiPortSystem::openOutput (const juce::MidiDeviceInfo& device)
{
    if (auto output = juce::MidiOutput::openDevice (device.identifier))
        return std::make_unique<JuceOutputPort> (std::move (output));
    return nullptr;
}
