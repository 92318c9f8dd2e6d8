#include "simulation/SimulatedVexoBDevice.h"

#include "engine/FactoryPreset.h"

namespace
{
// The device's side of the protocol, written out here rather than borrowed from the editor's
// builders, so that the two check each other.
constexpr juce::uint8 product = 0x36;
constexpr int dumpSize = 3483;
constexpr int slotOffset = 7;
constexpr juce::uint8 initialSettings[SimulatedVexoBDevice::numSettings] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0};

bool isOurs (const juce::Array<juce::uint8>& m)
{
    return m.size() >= 6 && m[0] == 0xF0 && m[1] == 0x7D && m[2] == 0x00 && m[3] == product &&
           m.getLast() == 0xF7;
}
} // namespace

SimulatedVexoBDevice::SimulatedVexoBDevice (VirtualMidiPortSystem& b, const juce::String& portName)
    : juce::Thread ("Simulated device")
    , bus (b)
    , inputId (b.addInputDevice (portName))
    , outputId (b.addOutputDevice (portName, *this))
{
    const auto factory = FactoryPreset::getDump();
    for (auto& slot : slots)
        slot = factory;
    std::copy (std::begin (initialSettings), std::end (initialSettings), settings);
    startThread();
}

SimulatedVexoBDevice::~SimulatedVexoBDevice()
{
    // Off the bus first: once removeDevice returns, nothing will hand us a message again.
    bus.removeDevice (outputId);
    bus.removeDevice (inputId);
    signalThreadShouldExit();
    notify();
    messageArrived.signal();
    stopThread (5000);
}

void SimulatedVexoBDevice::unplug()
{
    pluggedIn = false;
    bus.setDevicePresent (inputId, false);
    bus.setDevicePresent (outputId, false);
}

void SimulatedVexoBDevice::replug()
{
    bus.setDevicePresent (inputId, true);
    bus.setDevicePresent (outputId, true);
    pluggedIn = true;
}

juce::Array<juce::uint8> SimulatedVexoBDevice::getSlotDump (int slot) const
{
    const juce::ScopedLock sl (stateLock);
    return juce::isPositiveAndBelow (slot, numSlots) ? slots[slot] : juce::Array<juce::uint8>();
}

void SimulatedVexoBDevice::setSlotDump (int slot, const juce::Array<juce::uint8>& dump)
{
    const juce::ScopedLock sl (stateLock);
    if (juce::isPositiveAndBelow (slot, numSlots))
        slots[slot] = dump;
}

juce::uint8 SimulatedVexoBDevice::getGlobalSetting (int index) const
{
    const juce::ScopedLock sl (stateLock);
    return juce::isPositiveAndBelow (index - 1, numSettings) ? settings[index - 1] : 0;
}

void SimulatedVexoBDevice::setGlobalSetting (int index, juce::uint8 value)
{
    const juce::ScopedLock sl (stateLock);
    if (juce::isPositiveAndBelow (index - 1, numSettings))
        settings[index - 1] = value;
}

juce::Array<juce::MidiMessage> SimulatedVexoBDevice::getRecentMessages() const
{
    const juce::ScopedLock sl (stateLock);
    juce::Array<juce::MidiMessage> messages;
    for (const auto& message : recent)
        messages.add (message);
    return messages;
}

void SimulatedVexoBDevice::messageFromProgram (const juce::MidiMessage& message)
{
    ++numReceived;
    {
        const juce::ScopedLock sl (stateLock);
        recent.push_back (message);
        while ((int)recent.size() > maxRecentMessages)
            recent.pop_front();
    }

    if (silent)
        return;

    {
        const juce::ScopedLock sl (pendingLock);
        pending.add (message);
    }
    messageArrived.signal();
}

void SimulatedVexoBDevice::run()
{
    while (!threadShouldExit())
    {
        juce::Array<juce::MidiMessage> batch;
        {
            const juce::ScopedLock sl (pendingLock);
            batch.swapWith (pending);
        }
        if (batch.isEmpty())
        {
            messageArrived.wait (-1);
            continue;
        }

        for (const auto& message : batch)
        {
            if (threadShouldExit())
                return;
            const auto* raw = message.getRawData();
            const auto reply = handle (juce::Array<juce::uint8> (raw, message.getRawDataSize()));
            if (reply.isEmpty())
                continue;
            if (const int delay = replyDelayMs; delay > 0)
            {
                wait (delay);
                if (threadShouldExit())
                    return;
            }
            bus.sendFromDevice (inputId, juce::MidiMessage (reply.getRawDataPointer(), reply.size()));
        }
    }
}

juce::Array<juce::uint8> SimulatedVexoBDevice::handle (const juce::Array<juce::uint8>& m)
{
    if (!isOurs (m))
        return {};

    const juce::ScopedLock sl (stateLock);
    const juce::uint8 kind = m[4];

    if (kind == 0x10 && m.size() == dumpSize)
    {
        const int slot = m[slotOffset];
        if (slot >= numSlots)
            return {};
        slots[slot] = m;
        return {0xF0, 0x7D, 0x00, product, 0x11, 0x00, 0x02, (juce::uint8)slot, 0x00, 0xF7};
    }

    if (kind == 0x12 && m.size() == 9)
    {
        const int slot = m[slotOffset];
        if (slot >= numSlots)
            return {};
        auto reply = slots[slot];
        reply.set (slotOffset, (juce::uint8)slot);
        if (damageDumps)
            reply.set (16, 0x01); // the byte after the name must be 0
        return reply;
    }

    if (kind == 0x24 && m.size() == 11 && m[7] == 0x0B)
        return settingsReply();

    if (kind == 0x34 && m.size() >= 11)
    {
        const int count = m[7];
        const int first = (m[8] & 1) << 7 | m[9];
        for (int i = 0; i < count && 10 + i < m.size() - 1; ++i)
            if (juce::isPositiveAndBelow (first + i - 1, numSettings))
                settings[first + i - 1] = m[10 + i];
    }
    return {};
}

juce::Array<juce::uint8> SimulatedVexoBDevice::settingsReply() const
{
    juce::Array<juce::uint8> reply{
        0xF0, 0x7D, 0x00, product, 0x34, 0x00, (juce::uint8) (3 + numSettings), (juce::uint8)numSettings,
        0x00, 0x01};
    for (auto value : settings)
        reply.add (value);
    reply.add (0xF7);
    return reply;
}
