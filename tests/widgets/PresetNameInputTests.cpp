#include "widgets/PresetNameInput.h"

#include <gtest/gtest.h>

// Typing and pasting go through the same filter; the ninth character and any character beyond
// the 7-bit set are refused, whatever else the text holds.
TEST (PresetNameInput, OnlyEightCharactersBelow128CanBeTypedOrPasted)
{
    juce::TextEditor editor;
    restrictToPresetNames (editor);

    editor.insertTextAtCaret ("ABCDEFGHIJ");
    EXPECT_EQ (editor.getText(), "ABCDEFGH");

    editor.clear();
    editor.insertTextAtCaret (juce::CharPointer_UTF8 ("Caf\xc3\xa9 Bar"));
    EXPECT_EQ (editor.getText(), "Caf Bar");

    editor.clear();
    editor.insertTextAtCaret ("~!\x7f 1");
    EXPECT_EQ (editor.getText(), "~!\x7f 1");
}
