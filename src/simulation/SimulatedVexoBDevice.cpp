#include "simulation/SimulatedVexoBDevice.h"

#include "engine/FactoryPreset.h"

#include <cmath>

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
    stepScheduled.signal();
    stopThread (5000);
}

void SimulatedVexoBDevice::unplug()
{
    pluggedIn = false;
    bus.setDevicePresent (inputId, false);
    bus.setDevicePresent (outputId, false);

    // Whatever was on its way in either direction is lost with the cable.
    const juce::ScopedLock sl (pendingLock);
    steps.clear();
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

void SimulatedVexoBDevice::setLink (Link link, double timeScale)
{
    const juce::ScopedLock sl (pendingLock);
    currentLink = link;
    scale = timeScale > 0.0 ? timeScale : 1.0;
    const double rate = link == Link::wire ? SimulatedMidiWire::midiBytesPerSecond / scale : 0.0;
    toDevice = SimulatedMidiWire (rate, link == Link::wire ? SimulatedMidiWire::kernelBufferBytes : 0);
    toProgram = SimulatedMidiWire (rate, 0);
    numStored = 0;
    numPresetRequests = 0;
}

SimulatedVexoBDevice::Link SimulatedVexoBDevice::getLink() const
{
    const juce::ScopedLock sl (pendingLock);
    return currentLink;
}

double SimulatedVexoBDevice::getTimeScale() const
{
    const juce::ScopedLock sl (pendingLock);
    return scale;
}

juce::int64 SimulatedVexoBDevice::getNumBytesDropped() const
{
    const juce::ScopedLock sl (pendingLock);
    return toDevice.getNumBytesDropped();
}

int SimulatedVexoBDevice::getNumMessagesCut() const
{
    const juce::ScopedLock sl (pendingLock);
    return toDevice.getNumMessagesCut();
}

bool SimulatedVexoBDevice::isIdle() const
{
    const juce::ScopedLock sl (pendingLock);
    return steps.empty() && toDevice.getBusyUntil() <= juce::Time::getMillisecondCounterHiRes();
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

    const juce::ScopedLock sl (pendingLock);
    // The bytes take their place in the buffer and on the cable even when nobody will act on them.
    const auto passage = toDevice.write (message.getRawDataSize(), juce::Time::getMillisecondCounterHiRes());
    if (passage.whole && !silent)
        schedule (passage.arrivalMs, Step::arrive,
                  juce::Array<juce::uint8> (message.getRawData(), message.getRawDataSize()));
}

void SimulatedVexoBDevice::schedule (double dueMs, Step step, juce::Array<juce::uint8> bytes)
{
    const juce::ScopedLock sl (pendingLock);
    steps.emplace (dueMs, std::make_pair (step, std::move (bytes)));
    stepScheduled.signal();
}

void SimulatedVexoBDevice::run()
{
    while (!threadShouldExit())
    {
        double due = 0.0;
        Step step = Step::arrive;
        juce::Array<juce::uint8> bytes;
        int waitMs = -1;
        {
            const juce::ScopedLock sl (pendingLock);
            if (!steps.empty())
            {
                const auto next = steps.begin();
                const double now = juce::Time::getMillisecondCounterHiRes();
                if (next->first <= now)
                {
                    due = next->first;
                    step = next->second.first;
                    bytes = std::move (next->second.second);
                    steps.erase (next);
                    waitMs = 0;
                }
                else
                {
                    waitMs = juce::jmax (1, (int)std::ceil (next->first - now));
                }
            }
        }

        if (waitMs != 0)
        {
            stepScheduled.wait (waitMs);
            continue;
        }
        perform (due, step, bytes);
    }
}

// Times follow from when each step was due, not from when the thread got to it, so that the
// thread's own lateness does not add up over a long pass.
void SimulatedVexoBDevice::perform (double dueMs, Step step, const juce::Array<juce::uint8>& bytes)
{
    switch (step)
    {
        case Step::arrive:
        {
            const auto reply = handle (bytes);
            if (reply.isEmpty())
                return;
            const juce::ScopedLock sl (pendingLock);
            const bool storing = bytes.size() == dumpSize && currentLink == Link::wire;
            schedule (dueMs + (storing ? storingTimeMs * scale : 0.0), Step::leave, reply);
            return;
        }
        case Step::leave:
        {
            const juce::ScopedLock sl (pendingLock);
            const auto passage = toProgram.write (bytes.size(), dueMs, replyDelayMs.load());
            schedule (passage.arrivalMs, Step::deliver, bytes);
            return;
        }
        case Step::deliver:
            bus.sendFromDevice (inputId, juce::MidiMessage (bytes.getRawDataPointer(), bytes.size()));
            return;
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
        ++numStored;
        return {0xF0, 0x7D, 0x00, product, 0x11, 0x00, 0x02, (juce::uint8)slot, 0x00, 0xF7};
    }

    if (kind == 0x12 && m.size() == 9)
    {
        ++numPresetRequests;
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
