#pragma once

#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"

#include <vector>

// One reading pass over the device's 31 slots, without a window: which slot to ask for next and
// which slot a reply fills. The Load From Hardware dialog runs one per "Refresh".
//
// The engine never takes a late reply to a request that failed for another request, so the one
// reply a pass cannot foresee is a dump the device sends by itself: it takes the turn of the request
// the pass waits for, and from then on each reply comes one request late. So a dump fills the slot
// written in it, if the pass has asked for that slot and it is still empty, and the pass keeps
// asking for the next slot it has not asked for, then for the first one still empty. A whole pass
// costs 31 requests, one more after a stray dump.
class SlotReadPass
{
public:
    enum class Outcome
    {
        notOurs,  // the result of another request: nothing changed
        reading,  // a further request is waiting
        complete, // every slot has been read
        failed    // the device failed a request, or keeps answering for other slots
    };

    // Requests more than slots read, beyond which the pass gives up: the device does not answer
    // what it is asked.
    static constexpr int maxUnanswered = 3;

    explicit SlotReadPass (VexoEditorEngine::Ptr engine);

    // Asks for slot 0.
    void start();

    // One of the engine's request results, as the engine's listeners hear it.
    Outcome handleResult (const EditorPreset::Ptr& preset, int slotInReply, int result);

    bool isComplete() const noexcept { return numRead == static_cast<int> (presets.size()); }
    // What the pass is doing, or how it ended, for the window's status line.
    juce::String getStatusText() const;
    // By slot; all set once complete.
    const std::vector<EditorPreset::Ptr>& getPresets() const noexcept { return presets; }

private:
    void requestNext();
    int firstEmptySlot() const;

    VexoEditorEngine::Ptr engine;
    std::vector<EditorPreset::Ptr> presets;
    int numRead = 0;
    int numRequests = 0;
    // Slots are first asked for in order: those below this one have been.
    int numAsked = 0;
    int lastAsked = -1;
    // The preset of the one request of this pass that waits in the engine.
    EditorPreset::Ptr awaited;
    // The engine's result that ended the pass, or the success of a reply for another slot when
    // the device kept answering for those; -1 while it has not failed.
    int failure = -1;
};
