#pragma once

#include "simulation/VirtualMidiPortSystem.h"

#include <atomic>
#include <deque>

// A stand-in for the device on a virtual MIDI bus, for running the program without hardware.
// It keeps 31 preset slots as raw dumps (slot 0 is the working preset, 1 to 30 the stored ones;
// each starts as the factory preset) and the ten global settings. It stores every preset dump it
// is sent and acknowledges it, answers a preset request with that slot's dump and a global-settings
// request with one message carrying all ten values, and stores every global-setting message.
// Replies leave from a thread of its own, as from a real MIDI input thread.
class SimulatedVexoBDevice : private VirtualMidiPortSystem::Receiver, private juce::Thread
{
public:
    static constexpr int numSlots = 31;
    static constexpr int numSettings = 10;

    static juce::String getDefaultPortName() { return "VexoB Remote"; }

    // Appears on the bus at once, as an input and an output of that name.
    explicit SimulatedVexoBDevice (VirtualMidiPortSystem& bus,
                                   const juce::String& portName = getDefaultPortName());
    ~SimulatedVexoBDevice() override;

    // A silent device is listed but ignores everything it is sent.
    void setSilent (bool shouldBeSilent) { silent = shouldBeSilent; }
    // Each reply waits this long before it leaves.
    void setReplyDelay (int milliseconds) { replyDelayMs = juce::jmax (0, milliseconds); }
    // Preset dumps are answered with a data block that no preset accepts.
    void setAnswersWithDamagedDump (bool shouldDamage) { damageDumps = shouldDamage; }

    // Takes both ports off the bus's lists, and puts them back. Replies due while unplugged are lost.
    void unplug();
    void replug();
    bool isPluggedIn() const { return pluggedIn; }

    // A slot's dump, F0 to F7; empty for a slot outside 0..30.
    juce::Array<juce::uint8> getSlotDump (int slot) const;
    void setSlotDump (int slot, const juce::Array<juce::uint8>& dump);

    // By index 1..10 (0 outside).
    juce::uint8 getGlobalSetting (int index) const;
    void setGlobalSetting (int index, juce::uint8 value);

    // Everything received, ignored messages included; the log keeps the latest messages only.
    int getNumMessagesReceived() const { return numReceived; }
    juce::Array<juce::MidiMessage> getRecentMessages() const;
    static constexpr int maxRecentMessages = 64;

private:
    void messageFromProgram (const juce::MidiMessage& message) override;
    void run() override;

    // The reply to one message (empty for none), with the effect of the message on the device.
    juce::Array<juce::uint8> handle (const juce::Array<juce::uint8>& message);
    juce::Array<juce::uint8> settingsReply() const;

    VirtualMidiPortSystem& bus;
    const int inputId, outputId;

    std::atomic<bool> silent{false}, damageDumps{false}, pluggedIn{true};
    std::atomic<int> replyDelayMs{0}, numReceived{0};

    juce::CriticalSection stateLock;
    juce::Array<juce::uint8> slots[numSlots];
    juce::uint8 settings[numSettings];
    // A deque, not a juce::Array: dropping the oldest from an array moves the others down, and
    // JUCE's MidiMessage move assignment loses the heap data of the message it overwrites.
    std::deque<juce::MidiMessage> recent;

    juce::CriticalSection pendingLock;
    juce::Array<juce::MidiMessage> pending;
    juce::WaitableEvent messageArrived;

    JUCE_DECLARE_NON_COPYABLE (SimulatedVexoBDevice)
};
