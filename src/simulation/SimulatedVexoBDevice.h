#pragma once

#include "simulation/SimulatedMidiWire.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <atomic>
#include <deque>
#include <map>

// A stand-in for the device on a virtual MIDI bus, for running the program without hardware.
// It keeps 31 preset slots as raw dumps (slot 0 is the working preset, 1 to 30 the stored ones;
// each starts as the factory preset) and the ten global settings. It stores every preset dump it
// is sent and acknowledges it, answers a preset request with that slot's dump and a global-settings
// request with one message carrying all ten values, and stores every global-setting message.
// Replies leave from a thread of its own, as from a real MIDI input thread.
//
// It answers at once, or at the pace of a real device on its 5-pin cable (setLink): see Link.
class SimulatedVexoBDevice : private VirtualMidiPortSystem::Receiver, private juce::Thread
{
public:
    static constexpr int numSlots = 31;
    static constexpr int numSettings = 10;
    // On the wire, the time the device takes to store a preset before it acknowledges it.
    static constexpr int storingTimeMs = 40;

    // How messages travel between the program and the device.
    // - instant: every message is there at once; replies wait only for setReplyDelay.
    // - wire: the device's MIDI cable, both ways at 3,125 bytes a second; the device acts on a
    //   message only when its last byte has arrived, and storing a preset takes storingTimeMs.
    //   The program's messages pass a 4,096-byte output buffer on their way, as on Linux: a
    //   message that does not fit in what is left of it loses its overflowing part, never arrives
    //   whole, and the lost bytes are counted.
    enum class Link
    {
        instant,
        wire
    };

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

    // Takes both ports off the bus's lists, and puts them back. Messages on their way in either
    // direction when it is unplugged are lost, and so are replies due while it is away.
    void unplug();
    void replug();
    bool isPluggedIn() const { return pluggedIn; }

    // A slot's dump, F0 to F7; empty for a slot outside 0..30.
    juce::Array<juce::uint8> getSlotDump (int slot) const;
    void setSlotDump (int slot, const juce::Array<juce::uint8>& dump);

    // By index 1..10 (0 outside).
    juce::uint8 getGlobalSetting (int index) const;
    void setGlobalSetting (int index, juce::uint8 value);

    // Any time; counts start again from zero. A time scale below 1 runs the wire that much faster
    // (0.1: ten times), storing included, so that tests of whole passes stay short.
    void setLink (Link link, double timeScale = 1.0);
    Link getLink() const;
    double getTimeScale() const;

    // Everything the program handed to the device's port, ignored messages included, whether or
    // not it then arrived whole; the log keeps the latest messages only.
    int getNumMessagesReceived() const { return numReceived; }
    juce::Array<juce::MidiMessage> getRecentMessages() const;
    static constexpr int maxRecentMessages = 64;

    // What arrived whole and was acted on (a silent device acts on nothing).
    int getNumPresetsStored() const { return numStored; }
    int getNumPresetRequestsReceived() const { return numPresetRequests; }

    // What the output buffer in front of the wire dropped since setLink (never anything instantly).
    juce::int64 getNumBytesDropped() const;
    int getNumMessagesCut() const;

    // Nothing on its way in either direction and nothing being stored.
    bool isIdle() const;

private:
    void messageFromProgram (const juce::MidiMessage& message) override;
    void run() override;

    // What the device's thread does, at the time it is due: a message from the program has arrived
    // whole, a reply is ready to leave, or a reply's last byte has reached the program.
    enum class Step
    {
        arrive,
        leave,
        deliver
    };
    void schedule (double dueMs, Step step, juce::Array<juce::uint8> bytes);
    void perform (double dueMs, Step step, const juce::Array<juce::uint8>& bytes);

    // The reply to one message (empty for none), with the effect of the message on the device.
    juce::Array<juce::uint8> handle (const juce::Array<juce::uint8>& message);
    juce::Array<juce::uint8> settingsReply() const;

    VirtualMidiPortSystem& bus;
    const int inputId, outputId;

    std::atomic<bool> silent{false}, damageDumps{false}, pluggedIn{true};
    std::atomic<int> replyDelayMs{0}, numReceived{0}, numStored{0}, numPresetRequests{0};

    juce::CriticalSection stateLock;
    juce::Array<juce::uint8> slots[numSlots];
    juce::uint8 settings[numSettings];
    // A deque, not a juce::Array: dropping the oldest from an array moves the others down, and
    // JUCE's MidiMessage move assignment loses the heap data of the message it overwrites.
    std::deque<juce::MidiMessage> recent;

    // Guards the link, both wires and the schedule.
    juce::CriticalSection pendingLock;
    Link currentLink = Link::instant;
    double scale = 1.0;
    SimulatedMidiWire toDevice{0.0, 0}, toProgram{0.0, 0};
    // By due time; steps due at the same time keep the order they were scheduled in.
    std::multimap<double, std::pair<Step, juce::Array<juce::uint8>>> steps;
    juce::WaitableEvent stepScheduled;

    JUCE_DECLARE_NON_COPYABLE (SimulatedVexoBDevice)
};
