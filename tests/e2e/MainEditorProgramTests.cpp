#include "ProgramTest.h"

// The main editor in the built program, used as a new user would: controls clicked on the device
// picture, their panels edited with mouse and keys, banks switched, a knob dragged onto another,
// the preset renamed; then saved, and the file's bytes checked for exactly those edits.
namespace
{
// Where things are on the device picture (editor coordinates).
const juce::Point<int> pad1 (99, 625);         // bank position 1, bottom left
const juce::Point<int> lcdTypeBox (265, 126);  // first row of the LCD panel's left column
const juce::Point<int> lcdThirdRow (265, 162); // MIDI NOTE of a pad, MIDI CC of a knob
const juce::Point<int> controlBankB (630, 232);
const juce::Point<int> presetNameField (690, 105);

juce::Point<int> knob (int position)
{
    return {505 + 77 * position + 28, 298};
}

class MainEditorProgram : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;

        file = savePreset ("Edits.vexob");
        before = presetIn (file);
        ASSERT_NE (before, nullptr);

        ASSERT_TRUE (program.start ({file.getFullPathName()}));
        ASSERT_TRUE (screen::waitForWindow (title).isNotEmpty()) << "the main window did not appear";
        // The editor fills the window below its menu bar.
        const auto bounds = screen::getBounds (title);
        editorTop = bounds.getHeight() - 721;
        ASSERT_GE (editorTop, 0);
    }

    // A point of the device picture, for the window.
    juce::Point<int> at (juce::Point<int> onPicture) const
    {
        return onPicture + juce::Point<int> (0, editorTop);
    }

    void clickOn (juce::Point<int> onPicture)
    {
        ASSERT_TRUE (screen::click (title, at (onPicture)));
        juce::Thread::sleep (200);
    }

    // Types a number into a number box of the panel: a click makes it an editor, Return commits.
    void typeNumber (juce::Point<int> box, int number)
    {
        clickOn (box);
        ASSERT_TRUE (screen::pressKeys (title, "ctrl+a"));
        ASSERT_TRUE (screen::typeText (title, juce::String (number)));
        ASSERT_TRUE (screen::pressKeys (title, "Return"));
        juce::Thread::sleep (200);
    }

    // Saves with Ctrl+S (the window has a file, so no chooser) and returns what the file holds.
    VexoBEditorPreset::Ptr saveAndRead()
    {
        const auto written = file.getLastModificationTime();
        juce::Thread::sleep (1100); // a modification time the save can visibly change
        EXPECT_TRUE (screen::pressKeysUntil (title, "ctrl+s",
                                             [&] { return file.getLastModificationTime() != written; }))
            << "Ctrl+S did not save";
        juce::Thread::sleep (200);
        return presetIn (file);
    }

    const juce::String title{"VexoB Editor Edits.vexob"};
    juce::File file;
    VexoBEditorPreset::Ptr before;
    int editorTop = 0;
};
} // namespace

TEST_F (MainEditorProgram, APadsNoteAndTypeSetOnItsPanelAreSavedAndNothingElse)
{
    clickOn (pad1);
    typeNumber (lcdThirdRow, 72);

    // TYPE: the list opens on a click; one step down is PROGRAM.
    clickOn (lcdTypeBox);
    ASSERT_TRUE (screen::pressKeys (title, "Down Return"));
    juce::Thread::sleep (300);

    auto saved = saveAndRead();
    ASSERT_NE (saved, nullptr);
    auto expected = before->toBytes();
    const int pad = VexoAEditorPreset::padsOffset;
    expected.set (pad + 0, 1);  // PROGRAM
    expected.set (pad + 2, 72); // the note
    EXPECT_EQ (saved->toBytes(), expected);

    quitAnsweringNo (title);
}

TEST_F (MainEditorProgram, BankBShowsKnobsNineToSixteenAndAKnobDraggedOntoAnotherIsCopied)
{
    // The second knob of bank B is knob 10 (index 9).
    clickOn (controlBankB);
    clickOn (knob (1));
    typeNumber (lcdThirdRow, 99);

    // Knob 11 (third of bank B) dragged onto knob 14 (sixth).
    ASSERT_TRUE (screen::drag (title, at (knob (2)), at (knob (5))));

    // The drag's picture is gone from where it was dropped: the corner of knob 14's place shows
    // the dark panel again, not the picture's white ground.
    juce::Thread::sleep (1000);
    const auto picture = screen::takePicture (title);
    ASSERT_TRUE (picture.isValid());
    const auto corner = picture.getPixelAt (at ({890 + 2, 270 + 2}).x, at ({890 + 2, 270 + 2}).y);
    EXPECT_LT (corner.getPerceivedBrightness(), 0.5f) << corner.toDisplayString (true);

    // A name longer than the device keeps: its first eight characters stay.
    clickOn (presetNameField);
    ASSERT_TRUE (screen::pressKeys (title, "ctrl+a"));
    ASSERT_TRUE (screen::typeText (title, "BASSLINE2024"));
    juce::Thread::sleep (200);

    auto saved = saveAndRead();
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getName(), "BASSLINE");
    EXPECT_EQ (saved->getKnob (9)->getParameterInt (VexoKnob::Param::ccNumber), 99);
    EXPECT_EQ (saved->getKnob (13)->toBytes(), before->getKnob (10)->toBytes());

    auto expected = before->toBytes();
    const juce::String name ("BASSLINE");
    for (int i = 0; i < 8; ++i)
        expected.set (i, (juce::uint8)name[i]);
    const int knob10 = VexoAEditorPreset::knobsOffset + 9 * VexoKnob::recordSize;
    expected.set (knob10 + 2, 99);
    const auto knob11 = before->getKnob (10)->toBytes();
    for (int i = 0; i < knob11.size(); ++i)
        expected.set (VexoAEditorPreset::knobsOffset + 13 * VexoKnob::recordSize + i, knob11[i]);
    EXPECT_EQ (saved->toBytes(), expected);

    quitAnsweringNo (title);
}
