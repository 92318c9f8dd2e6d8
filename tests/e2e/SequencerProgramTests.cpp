#include "ProgramTest.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoBEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <gtest/gtest.h>

// The step-sequencer editor in the running program: opened from the Tools menu, edited with the
// mouse and the keyboard, and saved with the preset.
namespace
{
using SequencerProgram = ProgramTest;

// Where the sequencer's bytes begin in a preset file: after the 8-byte message header.
constexpr int sequencerInFile = 8 + VexoBEditorPreset::sequencerOffset;

juce::uint8 byteOf (const juce::File& file, int offset)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return offset < (int)data.getSize() ? static_cast<const juce::uint8*> (data.getData())[offset] : 0xff;
}
} // namespace

TEST_F (SequencerProgram, StepsAndLengthSetInTheSequencerAreSavedWithThePreset)
{
    const auto file = savePreset ("Steps.vexob");
    const int stepByte = sequencerInFile + VexoBSequencer::headerSize + 32 * 2 + 4; // pad 3, step 5
    ASSERT_EQ (byteOf (file, stepByte), 0);
    ASSERT_NE (byteOf (file, sequencerInFile), 7);

    ASSERT_TRUE (program.start ({file.getFullPathName()}));
    const juce::String mainTitle ("VexoB Editor Steps.vexob");
    const juce::String sequencerTitle ("VexoB Editor Steps.vexob Sequence Edit");
    ASSERT_TRUE (screen::waitForWindow (mainTitle).isNotEmpty());

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, 1, 3, [&] { return screen::isShowing (sequencerTitle); }))
        << "Sequence Edit did not open from the Tools menu";

    // A double-click on pad 3's step 5: the header is 28 high, the rows 22, step 5 begins at 336.
    const juce::Point<int> step (350, 40 + 28 + 2 * 22 + 11);
    ASSERT_TRUE (screen::click (sequencerTitle, step, 1, 2));

    // "Steps", reached with Tab from the name field (whose place does not depend on the fonts):
    // open its list and close it again, each once it is seen to have happened, then step it.
    ASSERT_TRUE (screen::click (sequencerTitle, {100, 20}));
    ASSERT_TRUE (screen::pressKeys (sequencerTitle, "Tab Return"));
    const auto listShows = [] { return screen::isShowing ("menu"); };
    ASSERT_TRUE (screen::waitUntil (listShows, 15000)) << "the list of \"Steps\" did not open";
    const auto listGone = [&] { return !listShows(); };
    ASSERT_TRUE (screen::waitUntil (
        [&] { return screen::pressKeysInFocus ("Escape") && screen::waitUntil (listGone, 500); }, 15000))
        << "the list of \"Steps\" did not close";
    ASSERT_TRUE (screen::pressKeys (sequencerTitle, "Up Up Up Up Up Up Up Up"));

    // Save into the file the window belongs to, with the main window's shortcut.
    const auto saved = [&] { return byteOf (file, sequencerInFile) == 7 && byteOf (file, stepByte) == 127; };
    EXPECT_TRUE (screen::pressKeysUntil (mainTitle, "ctrl+s", saved))
        << "the file holds length " << (int)byteOf (file, sequencerInFile) << " and step "
        << (int)byteOf (file, stepByte);

    quitAnsweringNo (mainTitle);
}
