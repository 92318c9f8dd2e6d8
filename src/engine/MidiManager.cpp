#include "engine/MidiManager.h"

#include "engine/JuceMidiPortSystem.h"

#include <exception>

// Collects the names of one kind of device change between two deliveries on the message thread.
class MidiManager::DeviceChangeUpdater : public juce::AsyncUpdater
{
public:
    using Callback = void (Listener::*) (const juce::StringArray&);

    DeviceChangeUpdater (MidiManager& m, Callback c)
        : manager (m)
        , callback (c)
    {
    }
    ~DeviceChangeUpdater() override { cancelPendingUpdate(); }

    void addName (const juce::String& name)
    {
        {
            const juce::ScopedLock sl (namesLock);
            names.addIfNotAlreadyThere (name);
        }
        triggerAsyncUpdate();
    }

    void handleAsyncUpdate() override
    {
        juce::StringArray delivered;
        {
            const juce::ScopedLock sl (namesLock);
            delivered.swapWith (names);
        }
        if (delivered.isEmpty())
            return;
        manager.callListeners ([&] (Listener& l) { (l.*callback) (delivered); });
    }

private:
    MidiManager& manager;
    const Callback callback;
    juce::CriticalSection namesLock;
    juce::StringArray names;
};

template <void (MidiManager::Listener::*notice) (const juce::StringArray&)>
class MidiManager::DeviceChangeUpdaterOf : public DeviceChangeUpdater
{
public:
    explicit DeviceChangeUpdaterOf (MidiManager& m)
        : DeviceChangeUpdater (m, notice)
    {
    }
};

namespace
{
bool containsName (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& name)
{
    for (const auto& device : devices)
        if (device.name == name)
            return true;
    return false;
}
} // namespace

MidiManager::MidiManager (std::shared_ptr<MidiPortSystem> system, int watchIntervalMs)
    : portSystem (std::move (system))
    , inputDisconnectUpdater (std::make_unique<MidiInputDeviceDisconnectUpdater> (*this))
    , outputDisconnectUpdater (std::make_unique<MidiOutputDeviceDisconnectUpdater> (*this))
    , inputReconnectUpdater (std::make_unique<MidiInputDeviceReconnectUpdater> (*this))
    , outputReconnectUpdater (std::make_unique<MidiOutputDeviceReconnectUpdater> (*this))
{
    jassert (portSystem != nullptr);
    startTimer (juce::jmax (1, watchIntervalMs));
}

MidiManager::~MidiManager()
{
    stopTimer();
    inputDisconnectUpdater.reset();
    outputDisconnectUpdater.reset();
    inputReconnectUpdater.reset();
    outputReconnectUpdater.reset();
    closeAllOutputs();
    closeAllInputs();
}

void MidiManager::openInput (const juce::String& name)
{
    const juce::ScopedLock sl (lock);
    if (isInputOpen (name))
        return;

    for (const auto& device : portSystem->getInputDevices())
    {
        if (device.name != name)
            continue;
        try
        {
            if (auto input = portSystem->openInput (device, *this))
            {
                auto* started = input.get();
                addInput (std::move (input));
                started->start();
            }
        }
        catch (const std::exception&)
        {
            // A device that cannot be opened is skipped; the others of that name are still tried.
        }
    }
}

void MidiManager::openOutput (const juce::String& name)
{
    const juce::ScopedLock sl (lock);
    if (isOutputOpen (name))
        return;

    for (const auto& device : portSystem->getOutputDevices())
    {
        if (device.name != name)
            continue;
        try
        {
            if (auto output = portSystem->openOutput (device))
                addOutput (name, std::move (output));
        }
        catch (const std::exception&)
        {
        }
    }
}

void MidiManager::addInput (std::unique_ptr<MidiPortSystem::InputPort> input)
{
    const juce::ScopedLock sl (lock);
    openInputs.add (input.release());
}

void MidiManager::addOutput (const juce::String& name, std::unique_ptr<MidiPortSystem::OutputPort> output)
{
    const juce::ScopedLock sl (lock);
    openOutputs.push_back ({name, std::move (output)});
}

void MidiManager::closeInput (const juce::String& name)
{
    const juce::ScopedLock sl (lock);
    for (int i = openInputs.size(); --i >= 0;)
    {
        if (openInputs[i]->getName() == name)
        {
            openInputs[i]->stop();
            openInputs.remove (i);
        }
    }
}

void MidiManager::closeOutput (const juce::String& name)
{
    const juce::ScopedLock sl (lock);
    openOutputs.erase (std::remove_if (openOutputs.begin(), openOutputs.end(),
                                       [&name] (const OpenOutput& o) { return o.name == name; }),
                       openOutputs.end());
}

void MidiManager::closeAllInputs()
{
    const juce::ScopedLock sl (lock);
    for (auto* input : openInputs)
        input->stop();
    openInputs.clear();
}

void MidiManager::closeAllOutputs()
{
    const juce::ScopedLock sl (lock);
    openOutputs.clear();
}

int MidiManager::getNumOpenInputs() const
{
    const juce::ScopedLock sl (lock);
    return openInputs.size();
}

int MidiManager::getNumOpenOutputs() const
{
    const juce::ScopedLock sl (lock);
    return (int)openOutputs.size();
}

juce::StringArray MidiManager::getOpenInputNames() const
{
    const juce::ScopedLock sl (lock);
    juce::StringArray names;
    for (auto* input : openInputs)
        names.add (input->getName());
    return names;
}

juce::StringArray MidiManager::getOpenOutputNames() const
{
    const juce::ScopedLock sl (lock);
    juce::StringArray names;
    for (const auto& output : openOutputs)
        names.add (output.name);
    return names;
}

bool MidiManager::isInputOpen (const juce::String& name) const
{
    return getOpenInputNames().contains (name);
}

bool MidiManager::isOutputOpen (const juce::String& name) const
{
    return getOpenOutputNames().contains (name);
}

bool MidiManager::isInputDeviceAvailable (const juce::String& name) const
{
    return containsName (portSystem->getInputDevices(), name);
}

bool MidiManager::isOutputDeviceAvailable (const juce::String& name) const
{
    return containsName (portSystem->getOutputDevices(), name);
}

juce::StringArray MidiManager::getAvailableInputNames() const
{
    return MidiPortSystem::namesOf (portSystem->getInputDevices());
}

juce::StringArray MidiManager::getAvailableOutputNames() const
{
    return MidiPortSystem::namesOf (portSystem->getOutputDevices());
}

juce::StringArray MidiManager::getLostInputNames() const
{
    const juce::ScopedLock sl (lock);
    return lostInputNames;
}

juce::StringArray MidiManager::getLostOutputNames() const
{
    const juce::ScopedLock sl (lock);
    return lostOutputNames;
}

void MidiManager::forgetLostPorts (const juce::String& keptInput, const juce::String& keptOutput)
{
    const juce::ScopedLock sl (lock);
    lostInputNames.strings.removeIf ([&] (const juce::String& name) { return name != keptInput; });
    lostOutputNames.strings.removeIf ([&] (const juce::String& name) { return name != keptOutput; });
}

void MidiManager::sendMessage (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (lock);
    for (auto& output : openOutputs)
        output.output->sendMessageNow (message);
}

void MidiManager::addListener (Listener* listener)
{
    if (listener == nullptr)
        return;
    const juce::ScopedLock sl (listenerLock);
    listeners.addIfNotAlreadyThere (listener);
}

void MidiManager::removeListener (Listener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeFirstMatchingValue (listener);
}

template <typename Callback>
void MidiManager::callListeners (Callback&& callback)
{
    // The lock is taken only to pick each listener, not across the call: a device-change
    // listener may open or close ports, and an input delivery holding the port system's lock may
    // be waiting for listenerLock meanwhile.
    int position;
    {
        const juce::ScopedLock sl (listenerLock);
        position = listeners.size();
    }
    for (;;)
    {
        Listener* listener = nullptr;
        {
            const juce::ScopedLock sl (listenerLock);
            position = juce::jmin (position, listeners.size());
            if (position <= 0)
                return;
            listener = listeners.getUnchecked (--position);
        }
        callback (*listener);
    }
}

void MidiManager::handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message)
{
    // Held for the whole delivery, so that a listener that has left the list (the engine, as it
    // goes) is sure no delivery to it is still running.
    const juce::ScopedLock sl (listenerLock);
    for (int i = listeners.size(); --i >= 0;)
    {
        i = juce::jmin (i, listeners.size() - 1);
        if (i < 0)
            break;
        listeners.getUnchecked (i)->handleIncomingMidiMessage (source, message);
    }
}

void MidiManager::timerCallback()
{
    const juce::ScopedLock sl (lock);

    // Returned devices are reopened before vanished ones are closed.
    const auto inputDevices = portSystem->getInputDevices();
    for (const auto& name : juce::StringArray (lostInputNames))
    {
        if (containsName (inputDevices, name))
        {
            openInput (name);
            lostInputNames.removeString (name);
            inputReconnectUpdater->addName (name);
        }
    }

    const auto outputDevices = portSystem->getOutputDevices();
    for (const auto& name : juce::StringArray (lostOutputNames))
    {
        if (containsName (outputDevices, name))
        {
            openOutput (name);
            lostOutputNames.removeString (name);
            outputReconnectUpdater->addName (name);
        }
    }

    // Collected first and closed after the scan, so that closing does not disturb it.
    juce::StringArray vanishedInputs, vanishedOutputs;
    for (auto* input : openInputs)
        if (!containsName (inputDevices, input->getName()))
            vanishedInputs.addIfNotAlreadyThere (input->getName());
    for (const auto& output : openOutputs)
        if (!containsName (outputDevices, output.name))
            vanishedOutputs.addIfNotAlreadyThere (output.name);

    for (const auto& name : vanishedInputs)
    {
        lostInputNames.addIfNotAlreadyThere (name);
        inputDisconnectUpdater->addName (name);
        closeInput (name);
    }
    for (const auto& name : vanishedOutputs)
    {
        lostOutputNames.addIfNotAlreadyThere (name);
        outputDisconnectUpdater->addName (name);
        closeOutput (name);
    }
}
