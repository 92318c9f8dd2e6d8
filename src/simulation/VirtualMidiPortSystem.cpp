#include "simulation/VirtualMidiPortSystem.h"

#include <algorithm>

namespace
{
constexpr const char* identifierPrefix = "virtual-midi-";

juce::String identifierFor (int deviceId)
{
    return identifierPrefix + juce::String (deviceId);
}

int deviceIdFrom (const juce::String& identifier)
{
    if (!identifier.startsWith (identifierPrefix))
        return 0;
    return identifier.fromFirstOccurrenceOf (identifierPrefix, false, false).getIntValue();
}
} // namespace

// Ports keep the bus alive, so a port that outlives its port system does not dangle.
struct VirtualMidiPortSystem::Bus
{
    struct Device
    {
        int id = 0;
        juce::String name;
        bool isInput = false;
        bool present = true;
        Receiver* receiver = nullptr;
    };

    // Guards the device list and every hand-over to a device's receiver.
    juce::CriticalSection lock;
    std::vector<Device> devices;
    int nextId = 1;

    // Guards the input registrations and is held while a callback runs, so that stopping or
    // closing a port waits for a delivery in progress and none follows.
    struct Input
    {
        const void* port = nullptr;
        int deviceId = 0;
        juce::MidiInputCallback* callback = nullptr;
        bool started = false;
    };

    juce::CriticalSection deliveryLock;
    std::vector<Input> inputs;

    void setStarted (const void* port, bool started)
    {
        const juce::ScopedLock sl (deliveryLock);
        for (auto& input : inputs)
            if (input.port == port)
                input.started = started;
    }

    Device* findDevice (int id)
    {
        for (auto& device : devices)
            if (device.id == id)
                return &device;
        return nullptr;
    }

    bool isPresent (int id, bool wantInput)
    {
        const juce::ScopedLock sl (lock);
        auto* device = findDevice (id);
        return device != nullptr && device->present && device->isInput == wantInput;
    }

    juce::Array<juce::MidiDeviceInfo> list (bool wantInputs)
    {
        const juce::ScopedLock sl (lock);
        juce::Array<juce::MidiDeviceInfo> result;
        for (const auto& device : devices)
            if (device.present && device.isInput == wantInputs)
                result.add ({device.name, identifierFor (device.id)});
        return result;
    }
};

namespace
{
class VirtualInputPort : public MidiPortSystem::InputPort
{
public:
    VirtualInputPort (std::shared_ptr<VirtualMidiPortSystem::Bus> b, int deviceId, juce::String portName,
                      juce::MidiInputCallback& callback)
        : bus (std::move (b))
        , name (std::move (portName))
    {
        const juce::ScopedLock sl (bus->deliveryLock);
        bus->inputs.push_back ({this, deviceId, &callback, false});
    }

    ~VirtualInputPort() override
    {
        const juce::ScopedLock sl (bus->deliveryLock);
        auto& inputs = bus->inputs;
        inputs.erase (std::remove_if (inputs.begin(), inputs.end(),
                                      [this] (const VirtualMidiPortSystem::Bus::Input& i)
                                      { return i.port == this; }),
                      inputs.end());
    }

    juce::String getName() const override { return name; }
    void start() override { bus->setStarted (this, true); }
    void stop() override { bus->setStarted (this, false); }

private:
    std::shared_ptr<VirtualMidiPortSystem::Bus> bus;
    const juce::String name;
};

class VirtualOutputPort : public MidiPortSystem::OutputPort
{
public:
    VirtualOutputPort (std::shared_ptr<VirtualMidiPortSystem::Bus> b, int id, juce::String portName)
        : bus (std::move (b))
        , deviceId (id)
        , name (std::move (portName))
    {
    }

    juce::String getName() const override { return name; }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        const juce::ScopedLock sl (bus->lock);
        auto* device = bus->findDevice (deviceId);
        if (device != nullptr && device->present && device->receiver != nullptr)
            device->receiver->messageFromProgram (message);
    }

private:
    std::shared_ptr<VirtualMidiPortSystem::Bus> bus;
    const int deviceId;
    const juce::String name;
};
} // namespace

VirtualMidiPortSystem::VirtualMidiPortSystem()
    : bus (std::make_shared<Bus>())
{
}

VirtualMidiPortSystem::~VirtualMidiPortSystem() = default;

int VirtualMidiPortSystem::addInputDevice (const juce::String& name)
{
    const juce::ScopedLock sl (bus->lock);
    const int id = bus->nextId++;
    bus->devices.push_back ({id, name, true, true, nullptr});
    return id;
}

int VirtualMidiPortSystem::addOutputDevice (const juce::String& name, Receiver& receiver)
{
    const juce::ScopedLock sl (bus->lock);
    const int id = bus->nextId++;
    bus->devices.push_back ({id, name, false, true, &receiver});
    return id;
}

void VirtualMidiPortSystem::removeDevice (int deviceId)
{
    const juce::ScopedLock sl (bus->lock);
    auto& devices = bus->devices;
    devices.erase (std::remove_if (devices.begin(), devices.end(),
                                   [deviceId] (const Bus::Device& d) { return d.id == deviceId; }),
                   devices.end());
}

void VirtualMidiPortSystem::setDevicePresent (int deviceId, bool present)
{
    const juce::ScopedLock sl (bus->lock);
    if (auto* device = bus->findDevice (deviceId))
        device->present = present;
}

void VirtualMidiPortSystem::sendFromDevice (int inputDeviceId, const juce::MidiMessage& message)
{
    if (!bus->isPresent (inputDeviceId, true))
        return;

    const juce::ScopedLock sl (bus->deliveryLock);
    // By index and by copy: a callback may close a port of this bus on this thread.
    for (size_t i = 0; i < bus->inputs.size(); ++i)
    {
        const auto input = bus->inputs[i];
        if (input.started && input.deviceId == inputDeviceId)
            input.callback->handleIncomingMidiMessage (nullptr, message);
    }
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiPortSystem::getInputDevices()
{
    return bus->list (true);
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiPortSystem::getOutputDevices()
{
    return bus->list (false);
}

std::unique_ptr<MidiPortSystem::InputPort>
VirtualMidiPortSystem::openInput (const juce::MidiDeviceInfo& device, juce::MidiInputCallback& callback)
{
    const int id = deviceIdFrom (device.identifier);
    if (!bus->isPresent (id, true))
        return nullptr;
    return std::make_unique<VirtualInputPort> (bus, id, device.name, callback);
}

std::unique_ptr<MidiPortSystem::OutputPort>
VirtualMidiPortSystem::openOutput (const juce::MidiDeviceInfo& device)
{
    const int id = deviceIdFrom (device.identifier);
    if (!bus->isPresent (id, false))
        return nullptr;
    return std::make_unique<VirtualOutputPort> (bus, id, device.name);
}
