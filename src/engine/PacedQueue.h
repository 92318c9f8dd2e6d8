#pragma once

#include "model/EditorPreset.h"

#include <deque>
#include <optional>

// Presets waiting for the device, oldest first, of which at most one is on its way at a time: the
// engine keeps one for its sends and one for its requests. The output buffer in front of a MIDI
// cable drops what a burst overflows it with, so the next message goes to the port only once the
// one before it has ended. Each entry ends exactly once: on its way (answered or timed out), or
// withdrawn at its turn without ever being sent. Any thread; the engine drives it from the
// message thread.
class PacedQueue
{
public:
    struct Entry
    {
        EditorPreset::Ptr preset;
        int slot = 0;
        // Once withdrawn, the result it ends with at its turn.
        int withdrawnWith = -1;
    };

    void add (EditorPreset::Ptr preset, int slot);

    // While none is on its way: the withdrawn entry at the front, taken out to be reported.
    std::optional<Entry> takeWithdrawn();
    // While none is on its way: the oldest waiting entry, still in the queue.
    std::optional<Entry> peekNext() const;
    // The entry peekNext gave is on its way from now.
    void handOver (juce::uint32 nowMs);
    // Ends the entry on its way; null when none is.
    EditorPreset::Ptr takeOnItsWay();

    // Marks every waiting entry (or those of the given presets) to end with the result at its turn.
    void withdraw (int result, const juce::ReferenceCountedArray<EditorPreset>* only = nullptr);

    // What is left of a time-out that started at the hand-over; 0 when none is on its way.
    int remainingOf (int timeoutMs, juce::uint32 nowMs) const;

    // Not ended yet: the one on its way and those waiting.
    int size() const;
    EditorPreset::Ptr getOnItsWay() const;
    void clear();

private:
    mutable juce::CriticalSection lock;
    std::deque<Entry> entries;
    bool onItsWay = false;
    juce::uint32 handedOverMs = 0;
};
