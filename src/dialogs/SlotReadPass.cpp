#include "dialogs/SlotReadPass.h"

#include "dialogs/DeviceSlots.h"

#include <algorithm>

SlotReadPass::SlotReadPass (VexoEditorEngine::Ptr engineToAsk)
    : engine (std::move (engineToAsk))
    , presets (DeviceSlots::count)
{
}

void SlotReadPass::start()
{
    if (engine != nullptr && awaited == nullptr && numRequests == 0)
        requestNext();
}

SlotReadPass::Outcome SlotReadPass::handleResult (const EditorPreset::Ptr& preset, int slotInReply,
                                                  int result)
{
    if (awaited == nullptr || preset != awaited)
        return Outcome::notOurs;
    awaited = nullptr;

    if (result != VexoEditorEngine::resultSuccess)
    {
        failure = result;
        return Outcome::failed;
    }

    const auto answered = std::find (owed.begin(), owed.end(), slotInReply);
    if (answered != owed.end())
    {
        // The device answers in the order it was asked: a slot asked before this one whose dump
        // has not come never will. It is asked again below.
        owed.erase (owed.begin(), answered + 1);
        if (presets[static_cast<size_t> (slotInReply)] == nullptr)
        {
            presets[static_cast<size_t> (slotInReply)] = preset;
            ++numRead;
        }
    }

    if (isComplete())
        return Outcome::complete;
    if (static_cast<int> (owed.size()) > maxUnanswered)
    {
        failure = result;
        return Outcome::failed;
    }

    requestNext();
    return Outcome::reading;
}

juce::String SlotReadPass::getStatusText() const
{
    juce::String state;
    if (failure == VexoEditorEngine::resultNoPort)
        state = "No MIDI input";
    else if (!owed.empty())
        // The device answers in the order it is asked: the oldest slot owed is the one it failed.
        state = failure >= 0 ? DeviceSlots::getSlotText (owed.front()) + " not read"
                             : "Reading " + DeviceSlots::getSlotText (owed.back());
    return DeviceSlots::getProgressText (state, numRead, static_cast<int> (presets.size()), "read");
}

void SlotReadPass::requestNext()
{
    int slot = -1;
    for (int candidate = DeviceSlots::ram; candidate <= DeviceSlots::last && slot < 0; ++candidate)
        if (presets[static_cast<size_t> (candidate)] == nullptr &&
            std::find (owed.begin(), owed.end(), candidate) == owed.end())
            slot = candidate;

    // Every missing slot has been asked for, yet a dump is still due with no request of ours left
    // in the engine to take it: only a further request gives it one.
    if (slot < 0)
        slot = owed.front();

    owed.push_back (slot);
    ++numRequests;

    // A blank preset: a received dump replaces every byte of it.
    awaited = engine->createPreset();
    engine->requestPreset (slot, awaited);
}
