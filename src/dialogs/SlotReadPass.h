#pragma once

#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"

#include <deque>
#include <vector>

// One reading pass over the device's 31 slots, without a window: which slot to ask for next and
// which slot a reply fills. The Load From Hardware dialog runs one per "Refresh".
//
// The engine matches replies to requests in order only, so a dump nobody asked for (the device
// sending one by itself, or a late reply to a request that timed out) takes the turn of the request
// the pass waits for, and the reply that request was due then comes with no request left to take
// it. Asking the same slot again would make the device answer twice, and every later request of
// the pass would be taken by the answer before it. So each dump fills the slot written in it, if
// the pass asked for that slot, and the pass keeps exactly one request of its own waiting in the
// engine: after a stray dump the next request is simply made one reply early. A whole pass costs
// 31 requests, one more after a stray dump, and one more for each reply that was really lost.
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

    // Requests asked for and not answered while other replies come in, beyond which the pass
    // gives up: the device does not answer what it is asked.
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
    int getNumRequests() const noexcept { return numRequests; }

private:
    void requestNext();

    VexoEditorEngine::Ptr engine;
    std::vector<EditorPreset::Ptr> presets;
    int numRead = 0;
    int numRequests = 0;

    // The slots asked for whose dumps have not come yet, in the order asked.
    std::deque<int> owed;
    // The preset of the one request of this pass that waits in the engine.
    EditorPreset::Ptr awaited;
    // The engine's result that ended the pass, or the success of a reply for another slot when
    // the device kept answering for those; -1 while it has not failed.
    int failure = -1;
};
