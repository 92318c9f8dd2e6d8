#include "ProgramTest.h"

#include <gtest/gtest.h>

// The Auto Populate tool in the built program: opened from the Tools menu of a main window, used
// with the mouse and keyboard, its result saved by the main window.
namespace
{
// A click at a point of the window, given time to take effect.
void clickAt (const juce::String& title, int x, int y)
{
    screen::click (title, {x, y});
    juce::Thread::sleep (250);
}

class AutoPopulateProgram : public ProgramTest
{
protected:
    static std::vector<int> notesOf (const VexoBEditorPreset& preset)
    {
        std::vector<int> notes;
        for (int pad = 0; pad < ControlBank::numPads; ++pad)
            notes.push_back (preset.getPad (pad)->getParameterInt (VexoPad::Param::midiNote));
        return notes;
    }
};
} // namespace

TEST_F (AutoPopulateProgram, FillsPadNotesInAScaleOverTwoBanksAndSavesThem)
{
    const auto file = savePreset ("Fill.vexob");
    const auto factory = presetIn (file);
    ASSERT_NE (factory, nullptr);

    ASSERT_TRUE (program.start ({file.getFullPathName()}));
    const juce::String mainTitle ("VexoB Editor Fill.vexob");
    const juce::String tool ("Auto Populate: Generic ");
    ASSERT_TRUE (screen::waitForWindow (mainTitle).isNotEmpty()) << "the main window did not appear";

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, 1, 0, [&] { return screen::isShowing (tool); }))
        << "the Auto Populate window did not open from the Tools menu";

    // Pad banks A and B, the SCALE row on with MAJOR, START 48, Apply.
    clickAt (tool, 525, 92);
    clickAt (tool, 548, 92);
    clickAt (tool, 29, 133);
    clickAt (tool, 145, 133);
    screen::pressKeysInFocus ("Down Return");
    clickAt (tool, 110, 155);
    screen::pressKeysInFocus ("4 8 Return");
    clickAt (tool, 560, 126);

    // Save, in the main window, writes to its file without asking.
    const auto before = file.getLastModificationTime();
    ASSERT_TRUE (screen::pressKeysUntil (mainTitle, "ctrl+s",
                                         [&] { return file.getLastModificationTime() != before; }))
        << "Save did not write the file";
    juce::Thread::sleep (300);

    const auto saved = presetIn (file);
    ASSERT_NE (saved, nullptr);
    const auto notes = notesOf (*saved);
    const std::vector<int> major{48, 50, 52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71, 72,  74,
                                 76, 77, 79, 81, 83, 84, 86, 88, 89, 91, 93, 95, 96, 98, 100, 101};
    EXPECT_EQ (std::vector<int> (notes.begin(), notes.begin() + 32), major);
    const auto factoryNotes = notesOf (*factory);
    EXPECT_EQ (std::vector<int> (notes.begin() + 32, notes.end()),
               std::vector<int> (factoryNotes.begin() + 32, factoryNotes.end()));

    // Quit, answering No: the file keeps the filled notes.
    quitAnsweringNo (mainTitle);
}
