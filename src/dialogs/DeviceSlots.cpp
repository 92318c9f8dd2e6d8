#include "dialogs/DeviceSlots.h"

#include "text/UiText.h"

juce::String DeviceSlots::getSlotText (int slot)
{
    return slot == ram ? UiText::ramSlot : "Preset Slot " + juce::String (slot);
}
