#pragma once

#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"

#include <map>
#include <utility>
#include <vector>

// One "Send" of the Send Multiple Presets window, without a window: the slots go to the device one
// after the other, each once the one before it has been acknowledged, and the first failure ends
// the batch.
//
// A real device takes a dump in about 1.1 s over its 3,125-byte/s wire, and the port in front of
// the wire holds about 4 KB and drops what overflows: a burst of dumps reaches it cut to pieces.
// Sending one at a time also means a window that goes away leaves nothing queued behind it, and a
// silent or unplugged device fails one send, so the user hears of it once, not once per slot.
class PresetSendBatch
{
public:
    enum class Outcome
    {
        notOurs,  // the result of another send: nothing changed
        sending,  // the next slot has gone out
        complete, // every slot was acknowledged
        failed    // a send failed; nothing more goes out
    };

    // Each preset of the table is copied as it is now: later edits do not reach the batch.
    PresetSendBatch (VexoEditorEngine::Ptr engine, const std::map<int, EditorPreset::Ptr>& table);

    // Sends the first slot. A batch that goes away sends nothing more; the send on its way then
    // ends in the engine as it will.
    void start();

    // One of the engine's send results, as the engine's listeners hear it.
    Outcome handleResult (const EditorPreset::Ptr& preset, int result);

    bool isRunning() const noexcept { return awaited != nullptr; }
    int getNumSlots() const noexcept { return static_cast<int> (sends.size()); }
    int getNumSent() const noexcept { return numSent; }

    // What the batch is doing, or how it ended, for the window's status line.
    juce::String getStatusText() const;

private:
    void sendNext();

    VexoEditorEngine::Ptr engine;
    // Slot and the copy sent there, in ascending slot order.
    std::vector<std::pair<int, EditorPreset::Ptr>> sends;
    int numSent = 0;
    int failure = -1;
    EditorPreset::Ptr awaited;
};
