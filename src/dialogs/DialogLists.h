#pragma once

#include "widgets/CustomLookForAuxiliaryWindows.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The slot lists of the Load From Hardware and Send Multiple Presets dialogs look alike: rows 24
// high on black, a flat grey vertical scroll bar 10 wide, no horizontal one unless needed.
void styleDialogList (juce::ListBox& list, CustomLookForAuxiliaryWindows& look);

// A row of such a list, black, or dark grey while selected.
void paintDialogListRow (juce::Graphics& g, int width, int height, bool selected);

// The slot's caption at the left of a row: white, from (10, 0), cut short with an ellipsis.
void drawDialogRowCaption (juce::Graphics& g, const juce::String& text);

constexpr int dialogListRowHeight = 24;

// The line beside such a list's button that tells how a pass over the device's slots goes: small,
// dark on the light panel whatever the default look's labels are.
void styleStatusLine (juce::Label& label);
