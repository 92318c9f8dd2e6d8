#pragma once

#include "model/EditorPreset.h"

#include <deque>
#include <optional>
#include <vector>

// Presets waiting for the device, oldest first, of which at most one is on its way at a time: the
// engine keeps one for its sends and one for its requests. The output buffer in front of a MIDI
// cable drops what a burst overflows it with, so the next message goes to the port only once the
// one before it has ended.
//
// Message thread only: the engine hands every incoming message over to the message thread before
// it answers an entry, so nothing here is locked.
class PacedQueue
{
public:
    struct Entry
    {
        EditorPreset::Ptr preset;
        int slot = 0;
    };

    void add (EditorPreset::Ptr preset, int slot);

    // While none is on its way: the oldest waiting entry, still in the queue.
    std::optional<Entry> peekNext() const;
    // The entry peekNext gave is on its way from now.
    void handOver();
    // Ends the entry on its way; null when none is.
    EditorPreset::Ptr takeOnItsWay();
    // Ends every entry still waiting for its turn, oldest first; the one on its way stays.
    std::vector<EditorPreset::Ptr> takeWaiting();

    // Not ended yet: the one on its way and those waiting.
    int size() const;
    EditorPreset::Ptr getOnItsWay() const;

private:
    std::deque<Entry> entries;
    bool onItsWay = false;
};
