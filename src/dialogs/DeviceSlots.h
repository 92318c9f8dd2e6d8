#pragma once

#include <juce_core/juce_core.h>

// The device's preset slots as the dialogs show them: the working slot "RAM" (0) and the stored
// slots 1 to 30.
namespace DeviceSlots
{
constexpr int ram = 0;
constexpr int last = 30;
constexpr int count = last + 1;

constexpr bool isSlot (int slot) noexcept
{
    return slot >= ram && slot <= last;
}

// "RAM" for slot 0, "Preset Slot " and the number for the others.
juce::String getSlotText (int slot);

// How far a pass over slots has got, for a status line: "Sending Preset Slot 8: 8 of 31 sent",
// or "8 of 31 sent" without a state.
juce::String getProgressText (const juce::String& state, int done, int total, const juce::String& doneWord);
} // namespace DeviceSlots
