#include "dialogs/SlotReadPass.h"

#include "dialogs/DeviceSlots.h"

SlotReadPass::SlotReadPass (VexoEditorEngine::Ptr engineToAsk)
    : engine (std::move (engineToAsk))
    , presets (DeviceSlots::count)
{
}

void SlotReadPass::start()
{
    if (engine != nullptr && numRequests == 0)
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

    if (juce::isPositiveAndBelow (slotInReply, numAsked) &&
        presets[static_cast<size_t> (slotInReply)] == nullptr)
    {
        presets[static_cast<size_t> (slotInReply)] = preset;
        ++numRead;
    }

    if (isComplete())
        return Outcome::complete;
    if (numRequests - numRead > maxUnanswered)
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
    else if (failure >= 0)
        // The device answers in the order it is asked: the first slot still empty is the one it failed.
        state = DeviceSlots::getSlotText (firstEmptySlot()) + " not read";
    else if (!isComplete())
        state = "Reading " + DeviceSlots::getSlotText (lastAsked);
    return DeviceSlots::getProgressText (state, numRead, static_cast<int> (presets.size()), "read");
}

int SlotReadPass::firstEmptySlot() const
{
    int slot = DeviceSlots::ram;
    while (slot < DeviceSlots::last && presets[static_cast<size_t> (slot)] != nullptr)
        ++slot;
    return slot;
}

void SlotReadPass::requestNext()
{
    // Once every slot has been asked for, a dump is still due for each one empty, with no request
    // of ours left in the engine to take it: only a further request gives it one.
    lastAsked = numAsked < DeviceSlots::count ? numAsked++ : firstEmptySlot();
    ++numRequests;

    // A blank preset: a received dump replaces every byte of it.
    awaited = engine->createPreset();
    engine->requestPreset (lastAsked, awaited);
}
