#include "dialogs/DeviceSlots.h"

#include "text/UiText.h"

juce::String DeviceSlots::getSlotText (int slot)
{
    return slot == ram ? UiText::ramSlot : "Preset Slot " + juce::String (slot);
}

juce::String DeviceSlots::getProgressText (const juce::String& state, int done, int total,
                                           const juce::String& doneWord)
{
    const auto progress = juce::String (done) + " of " + juce::String (total) + " " + doneWord;
    return state.isEmpty() ? progress : state + ": " + progress;
}
