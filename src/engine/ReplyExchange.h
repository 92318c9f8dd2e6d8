#pragma once

#include "model/EditorPreset.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_events/juce_events.h>

#include <deque>
#include <functional>
#include <optional>

// One of the engine's two exchanges with the device, its sends or its requests: each message waits
// its turn here, goes to the port when the rules set out in VexoEditorEngine.h let it, and ends
// once, in order, with its reply, its time-out or the loss of its port.
//
// Message thread only: the engine hands every incoming message over to the message thread first,
// so nothing here is locked.
class ReplyExchange
{
public:
    // A 5-pin MIDI cable: 31,250 baud, ten bits a byte. Nothing slower carries MIDI.
    static constexpr double cableBytesPerSecond = 3125.0;

    struct Entry
    {
        EditorPreset::Ptr preset;
        int slot = 0;
    };

    // Why an entry ended without its reply.
    enum class Ending
    {
        portLost,
        timedOut
    };

    // What the exchange asks of the engine.
    struct Hooks
    {
        // The port the exchange needs is open; without it, nothing waiting can go.
        std::function<bool()> portOpen;
        // Hands the entry's message to the port.
        std::function<void (const Entry&)> send;
        // The entry's reply came.
        std::function<void (const Entry&, const juce::MidiMessage& reply)> answered;
        std::function<void (const Entry&, Ending)> ended;
    };

    // The timer's id is this exchange's own. The bytes are those a message and its reply take on
    // the cable together. What the link has shown of its speed is shared by the exchanges on it.
    ReplyExchange (Hooks hooks, juce::MultiTimer& timer, int timerId, int roundTripBytes,
                   bool& linkFasterThanCable);

    void setReplyTimeout (int milliseconds) { replyTimeoutMs = milliseconds; }
    void setLateReplyWait (int milliseconds) { lateReplyWaitMs = milliseconds; }

    void add (EditorPreset::Ptr preset, int slot);

    // A reply of this exchange's kind, received at the time given (millisecond counter). False
    // when nothing awaited it: nothing on its way when it came and no reply owed.
    bool replyReceived (const juce::MidiMessage& reply, double receivedMs);

    // Its timer's callback.
    void timerFired();

    // A port of the link has gone: the entry on its way and every one waiting end with 0, and
    // the one on its way is owed as if it had timed out while replies can still come.
    void portLost (bool repliesCanStillCome);

    // Not ended yet: the one on its way and those waiting.
    int size() const;

private:
    struct OnItsWay
    {
        Entry entry;
        double handedOverMs;
    };

    // Hands the next entry over if the rules let it, or sets the timer for when they will.
    void goOn (double nowMs);
    void answer (const juce::MidiMessage& reply);
    Entry takeOnItsWay();
    void endWaiting();
    void setTimerFor (double dueMs, double nowMs);

    Hooks hooks;
    juce::MultiTimer& timer;
    const int timerId;
    // How soon, after a message has been handed over, its reply can come back over a cable.
    const double cableRoundTripMs;
    // Set by the owner.
    int replyTimeoutMs = 0, lateReplyWaitMs = 0;

    std::deque<Entry> waiting;
    std::optional<OnItsWay> onItsWay;
    // When the timer is due: the time-out of the one on its way, or the end of the wait.
    double dueMs = 0.0;

    // Replies the device may still send for entries that ended without theirs.
    int owed = 0;
    double waitEndsMs = 0.0;
    // A reply that came sooner than a cable allows while one was owed: the owed one if another
    // follows, the one on its way's own if its time-out comes first.
    std::optional<juce::MidiMessage> held;
    // An own reply has come sooner than a cable could carry it, so time tells nothing here.
    bool& fasterThanCable;
};
