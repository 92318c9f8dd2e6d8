#include "text/UiText.h"

#include <gtest/gtest.h>

TEST (UiText, NoteLabelsNameSharpsWithMiddleCInOctaveFour)
{
    EXPECT_EQ (UiText::formatNoteLabel (60), "NOTE:60 (C4)");
    EXPECT_EQ (UiText::formatNoteLabel (36), "NOTE:36 (C2)");
    EXPECT_EQ (UiText::formatNoteLabel (0), "NOTE:0 (C-1)");
    EXPECT_EQ (UiText::formatNoteLabel (61), "NOTE:61 (C#4)");
    EXPECT_EQ (UiText::formatNoteLabel (127), "NOTE:127 (G9)");
}

TEST (UiText, MessagesKeepTheirExactCharacters)
{
    EXPECT_EQ (UiText::midiDeviceNotFound, "MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
    EXPECT_EQ (UiText::presetSentSuccessfully, "Preset Sucessfully Sent to device.");
    EXPECT_EQ (UiText::versionLine(), "Version: 1.0.8");
}
