#include "dialogs/PresetSendBatch.h"

#include "dialogs/DeviceSlots.h"
#include "dialogs/PresetSnapshot.h"

PresetSendBatch::PresetSendBatch (VexoEditorEngine::Ptr engineToUse,
                                  const std::map<int, EditorPreset::Ptr>& table)
    : engine (std::move (engineToUse))
{
    // A copy of its own for each send: the engine's result for it tells this batch's sends from
    // any other's.
    for (const auto& [slot, preset] : table)
        if (preset != nullptr)
            sends.emplace_back (slot, new PresetSnapshot (*preset));
}

void PresetSendBatch::start()
{
    if (engine != nullptr && numSent == 0 && failure < 0 && awaited == nullptr && !sends.empty())
        sendNext();
}

PresetSendBatch::Outcome PresetSendBatch::handleResult (const EditorPreset::Ptr& preset, int result)
{
    if (awaited == nullptr || preset != awaited)
        return Outcome::notOurs;
    awaited = nullptr;

    if (result != VexoEditorEngine::resultSuccess)
    {
        failure = result;
        return Outcome::failed;
    }

    if (++numSent == getNumSlots())
        return Outcome::complete;

    sendNext();
    return Outcome::sending;
}

void PresetSendBatch::sendNext()
{
    const auto& [slot, preset] = sends[static_cast<size_t> (numSent)];
    awaited = preset;
    engine->sendPreset (slot, preset);
}

juce::String PresetSendBatch::getStatusText() const
{
    juce::String state;
    if (numSent < getNumSlots())
    {
        const auto slotText = DeviceSlots::getSlotText (sends[static_cast<size_t> (numSent)].first);
        state = failure == VexoEditorEngine::resultNoPort    ? "No MIDI output"
                : failure == VexoEditorEngine::resultNoReply ? slotText + " not acknowledged"
                                                             : "Sending " + slotText;
    }
    return DeviceSlots::getProgressText (state, numSent, getNumSlots(), "sent");
}
