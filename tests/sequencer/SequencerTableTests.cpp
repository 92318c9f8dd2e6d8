#include "SequencerTestSupport.h"
#include "model/VexoPad.h"
#include "sequencer/NoteValueViewComponent.h"
#include "sequencer/SequencerListBoxStepComponent.h"

using namespace sequencer_test;

namespace
{
struct SequencerTable : ::testing::Test
{
    SequencerTable() { settle(); }

    juce::TableListBox& table() { return editor.getTable(); }

    juce::Colour cellColour (int row, int step)
    {
        auto* cell = cellAt<SequencerListBoxStepComponent> (table(), row, step);
        EXPECT_NE (cell, nullptr) << "row " << row << ", step " << step;
        return cell != nullptr ? cell->getColour() : juce::Colour();
    }

    VexoBEditorPreset::Ptr preset = makePreset();
    SequencerComponent editor{preset};
};
} // namespace

TEST_F (SequencerTable, RowsNameTheirPadsByNumberBankAndPlace)
{
    EXPECT_EQ (table().getHeader().getNumColumns (true), 34);
    EXPECT_EQ (table().getRowHeight(), 22);
    EXPECT_EQ (editor.getTableModel().getNumRows(), 64);

    const std::pair<int, const char*> expected[] = {{0, "1 / A1"},   {15, "16 / A16"}, {16, "17 / B1"},
                                                    {17, "18 / B2"}, {47, "48 / C16"}, {63, "64 / D16"}};
    for (const auto& [row, text] : expected)
    {
        table().scrollToEnsureRowIsOnscreen (row);
        auto* caption = cellAt<juce::Label> (table(), row, StepColumnLayout::padColumnId);
        ASSERT_NE (caption, nullptr) << row;
        EXPECT_EQ (caption->getText(), text);
        EXPECT_EQ (caption->findColour (juce::Label::textColourId), juce::Colour (217, 217, 217));
        EXPECT_EQ (caption->getJustificationType(), juce::Justification::centred);
    }

    // The caption and the step cells let a click through to their row, which selects it.
    auto* row = table().getComponentForRowNumber (63);
    const auto padCentre = columnArea (table(), StepColumnLayout::padColumnId).getCentre().withY (11);
    const auto stepCentre = columnArea (table(), 7).getCentre().withY (11);
    EXPECT_EQ (row->getComponentAt (padCentre), row);
    EXPECT_EQ (row->getComponentAt (stepCentre), row);
}

TEST_F (SequencerTable, RowsAlternateTheirColoursAndTheSelectedOneIsOutlined)
{
    auto& model = editor.getTableModel();
    const auto paintRow = [&model] (int row, bool selected)
    {
        juce::Image image (juce::Image::ARGB, 200, 22, true, juce::SoftwareImageType());
        juce::Graphics g (image);
        model.paintRowBackground (g, row, 200, 22, selected);
        return image;
    };

    EXPECT_EQ (paintRow (0, false).getPixelAt (100, 10), juce::Colour (34, 34, 34));
    EXPECT_EQ (paintRow (1, false).getPixelAt (100, 10), juce::Colour (34, 31, 31));
    EXPECT_EQ (paintRow (62, false).getPixelAt (0, 0), juce::Colour (34, 34, 34));
    EXPECT_EQ (paintRow (63, false).getPixelAt (199, 21), juce::Colour (34, 31, 31));

    const auto selected = paintRow (5, true);
    EXPECT_EQ (selected.getPixelAt (0, 10), juce::Colours::blue);
    EXPECT_EQ (selected.getPixelAt (100, 0), juce::Colours::blue);
    EXPECT_EQ (selected.getPixelAt (198, 10), juce::Colours::blue);
    EXPECT_EQ (selected.getPixelAt (199, 10), juce::Colour (34, 31, 31)) << "the outline is one short";
    EXPECT_EQ (selected.getPixelAt (100, 10), juce::Colour (34, 31, 31));
}

TEST_F (SequencerTable, NoteBoxShowsAndSetsThePadsNote)
{
    auto pad = preset->getPad (2);
    pad->setParameterValue (VexoPad::Param::midiNote, 36);
    settle();

    auto* note = cellAt<NoteValueViewComponent> (table(), 2, StepColumnLayout::noteColumnId);
    ASSERT_NE (note, nullptr);
    auto& box = note->getNoteBox();
    EXPECT_EQ (box.getText(), "C2 / 36");
    EXPECT_EQ (box.getNumItems(), 128);
    EXPECT_EQ (box.getItemText (0), "C-1 / 0");
    EXPECT_EQ (box.getItemText (60), "C4 / 60");
    EXPECT_EQ (box.getItemText (127), "G9 / 127");
    EXPECT_EQ (box.getName(), "Note");

    box.setSelectedId (39, juce::sendNotificationSync);
    EXPECT_EQ (box.getText(), "D2 / 38");
    EXPECT_EQ (pad->getParameterInt (VexoPad::Param::midiNote), 38);

    // A change made elsewhere shows at once.
    pad->setParameterValue (VexoPad::Param::midiNote, 127);
    settle();
    EXPECT_EQ (box.getText(), "G9 / 127");

    // A box with nothing chosen is no note: the pad keeps its own.
    box.setSelectedId (0, juce::sendNotificationSync);
    EXPECT_EQ (pad->getParameterInt (VexoPad::Param::midiNote), 127);
    EXPECT_TRUE (preset->validateBytes (preset->toBytes()));
}

TEST_F (SequencerTable, DoubleClickSwitchesAStepOnAndOff)
{
    doubleClickCell (table(), 4, 9);
    EXPECT_EQ (stepOf (preset, 4, 9), 127);
    settle();
    EXPECT_EQ (cellColour (4, 9), juce::Colour (255, 0, 0));

    doubleClickCell (table(), 4, 9);
    EXPECT_EQ (stepOf (preset, 4, 9), 0);
    settle();
    EXPECT_EQ (cellColour (4, 9), juce::Colours::transparentBlack);

    setStep (preset, 40, 32, 50);
    doubleClickCell (table(), 40, 32);
    EXPECT_EQ (stepOf (preset, 40, 32), 0) << "a step that is on goes off, whatever its velocity";

    // The pad's own columns name no step.
    const auto before = preset->toBytes();
    doubleClickCell (table(), 40, StepColumnLayout::padColumnId);
    const auto click = mouseEventOn (table(), {}, 2);
    editor.getTableModel().cellDoubleClicked (40, StepColumnLayout::noteColumnId, click);
    editor.getTableModel().cellDoubleClicked (-1, 3, click);
    editor.getTableModel().cellDoubleClicked (64, 3, click);
    EXPECT_EQ (preset->toBytes(), before);
}

TEST_F (SequencerTable, StepCellsAreColouredByVelocity)
{
    using Step = SequencerListBoxStepComponent;
    EXPECT_EQ (Step::getVelocityColour (0), juce::Colours::transparentBlack);
    EXPECT_EQ (Step::getVelocityColour (1), juce::Colour (255, 252, 0));
    EXPECT_EQ (Step::getVelocityColour (64), juce::Colour (255, 126, 0));
    EXPECT_EQ (Step::getVelocityColour (100), juce::Colour (255, 54, 0));
    EXPECT_EQ (Step::getVelocityColour (127), juce::Colour (255, 0, 0));

    // A value whose number the bar left with a fraction colours by its whole part.
    track (preset, 0)->getParameterValue (stepName (3)) = 63.9;
    settle();
    EXPECT_EQ (cellColour (0, 3), Step::getVelocityColour (63));

    // The cell paints its colour over the whole of it.
    setStep (preset, 0, 4, 1);
    settle();
    auto* cell = cellAt<Step> (table(), 0, 4);
    ASSERT_NE (cell, nullptr);
    const auto image = snapshotOf (*cell);
    EXPECT_EQ (image.getPixelAt (0, 0), juce::Colour (255, 252, 0));
    EXPECT_EQ (image.getPixelAt (image.getWidth() - 1, image.getHeight() - 1), juce::Colour (255, 252, 0));
}

TEST_F (SequencerTable, CellsRebuiltByScrollingShowTheCurrentValues)
{
    setStep (preset, 60, 3, 127);
    preset->getPad (60)->setParameterValue (VexoPad::Param::midiNote, 60);
    settle();

    table().scrollToEnsureRowIsOnscreen (63);
    settle();
    EXPECT_EQ (cellColour (60, 3), juce::Colour (255, 0, 0));
    auto* note = cellAt<NoteValueViewComponent> (table(), 60, StepColumnLayout::noteColumnId);
    ASSERT_NE (note, nullptr);
    EXPECT_EQ (note->getNoteBox().getText(), "C4 / 60");

    setStep (preset, 0, 1, 64);
    table().scrollToEnsureRowIsOnscreen (0);
    settle();
    EXPECT_EQ (cellColour (0, 1), juce::Colour (255, 126, 0));
    EXPECT_EQ (cellAt<juce::Label> (table(), 0, StepColumnLayout::padColumnId)->getText(), "1 / A1");

    // Cells are kept and bound again rather than built anew, which would take several frames for
    // every click on a row. A step changed afterwards still shows.
    juce::Component::SafePointer<juce::Component> before (
        cellAt<SequencerListBoxStepComponent> (table(), 5, 9));
    table().selectRow (5);
    ASSERT_NE (before, nullptr) << "built anew";
    EXPECT_EQ (cellAt<SequencerListBoxStepComponent> (table(), 5, 9), before.getComponent());
    doubleClickCell (table(), 5, 9);
    settle();
    EXPECT_EQ (cellColour (5, 9), juce::Colour (255, 0, 0));
}

// When no row is selected the table reports row -1, which has no track.
TEST_F (SequencerTable, WithNoRowSelectedTheStripShowsNoTrackAndNothingFails)
{
    ASSERT_EQ (editor.getVelocityView().getNumStepEditors(), 32);

    table().deselectAllRows();
    EXPECT_EQ (table().getLastRowSelected(), -1);
    EXPECT_EQ (editor.getVelocityView().getTrack(), nullptr);
    EXPECT_EQ (editor.getVelocityView().getNumStepEditors(), 0);
    settle();
    snapshotOf (editor);

    // The table still edits, and the next selection shows its row again.
    doubleClickCell (table(), 6, 2);
    EXPECT_EQ (stepOf (preset, 6, 2), 127);
    table().selectRow (6);
    EXPECT_EQ (editor.getVelocityView().getTrack(), track (preset, 6));
    EXPECT_EQ (editor.getVelocityView().getNumStepEditors(), 32);
}
