#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A preset's name is at most 8 characters, each with a code from 1 to 127, and the device shows
// nothing else. Every editor of the name lets only such names be typed or pasted in.
void restrictToPresetNames (juce::TextEditor& editor);

// Widens the editor, where it is narrower, to show every name whole in its font: eight of the
// widest character included.
void widenForPresetNames (juce::TextEditor& editor);
