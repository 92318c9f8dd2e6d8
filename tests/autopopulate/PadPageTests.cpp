#include "AutoPopulateTestSupport.h"

#include "model/ControlBank.h"

namespace
{
using Param = VexoPad::Param;
using Pad = VexoPadAutoPopulateComponent;
constexpr int bankA = 0, bankB = 1, bankC = 2, bankD = 3;
} // namespace

class PadPage : public AutoPopulateTest
{
protected:
    Pad& page() const { return body->getPadPage(); }
    AutoPopulateParameterContainer* area() const { return page().getCurrentArea(); }
};

TEST_F (PadPage, OpensOnTheNoteAreaWithEveryToggleOff)
{
    EXPECT_EQ (page().getTypeComboBox().getSelectedId(), 1);
    EXPECT_EQ (page().getTypeComboBox().getText(), "NOTE");
    EXPECT_EQ (page().getTypeRow().getLabelText(), "TYPE");
    EXPECT_EQ (labelsOf (page().getFixedRows()),
               std::vector<juce::String> ({"PAD ON COLOR", "PAD OFF COLOR", "MIDI CHANNEL", "MIDI TO DIN"}));

    auto* note = dynamic_cast<Pad::NoteSubMode*> (area());
    ASSERT_NE (note, nullptr);
    EXPECT_EQ (labelsOf (*note), std::vector<juce::String> ({"AFT", "MODE", "SCALE"}));
    EXPECT_EQ (note->getStartBox().getValue(), 0);
    EXPECT_EQ (note->getNoteNameComboBox().getSelectedId(), 0);
    EXPECT_EQ (comboOf (row (note, "SCALE")).getNumItems(), 10);
    EXPECT_EQ (comboOf (row (note, "SCALE")).getText(), "CHROMATIC");

    for (int bank = 0; bank < 4; ++bank)
        EXPECT_FALSE (page().getApplyToBanks().getBankToggle (bank).getToggleState());
    for (auto* container : {&page().getFixedRows(), area()})
        for (int i = 0; i < container->getNumRows(); ++i)
            EXPECT_FALSE (container->getRow (i)->getEnabledToggle().getToggleState());
    EXPECT_TRUE (page().getTargets().isEmpty());
}

TEST_F (PadPage, MajorScaleFrom60OverBanksAAndCReachesThePresetAndTheSavedFile)
{
    chooseBanks (page(), {bankA, bankC});
    enable (row (area(), "SCALE"));
    choose (comboOf (row (area(), "SCALE")), 2); // MAJOR
    type (dynamic_cast<Pad::NoteSubMode*> (area())->getStartBox(), "60");
    const auto notesBefore = padValues (Param::midiNote);

    apply (page());

    const auto notes = padValues (Param::midiNote);
    EXPECT_EQ (slice (notes, 0, 16),
               std::vector<int> ({60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86}));
    EXPECT_EQ (slice (notes, 32, 16),
               std::vector<int> ({88, 89, 91, 93, 95, 96, 98, 100, 101, 103, 105, 107, 108, 110, 112, 113}));
    EXPECT_EQ (slice (notes, 16, 16), slice (notesBefore, 16, 16));
    EXPECT_EQ (slice (notes, 48, 16), slice (notesBefore, 48, 16));

    // Save writes what the pads now hold: the note is the third byte of each pad's record.
    const auto block = savedBlock();
    ASSERT_EQ (block.size(), VexoBEditorPreset::dataSize);
    for (int pad = 0; pad < ControlBank::numPads; ++pad)
        EXPECT_EQ (block[VexoAEditorPreset::padsOffset + pad * VexoPad::recordSize + 2], notes[(size_t)pad])
            << "pad " << pad;
}

TEST_F (PadPage, ChromaticFrom100OverEveryBankStopsAt127)
{
    chooseBanks (page(), {bankA, bankB, bankC, bankD});
    enable (row (area(), "SCALE"));
    type (dynamic_cast<Pad::NoteSubMode*> (area())->getStartBox(), "100");
    const auto notesBefore = padValues (Param::midiNote);

    apply (page());

    const auto notes = padValues (Param::midiNote);
    EXPECT_EQ (slice (notes, 0, 28), counting (100, 28));
    EXPECT_EQ (slice (notes, 28, 36), slice (notesBefore, 28, 36));
}

TEST_F (PadPage, ApplyBeforeAnyBankIsChosenWritesNothing)
{
    for (auto* container : {&page().getFixedRows(), area()})
        for (int i = 0; i < container->getNumRows(); ++i)
            enable (*container->getRow (i));
    enable (page().getTypeRow());
    choose (comboOf (row (&page().getFixedRows(), "PAD ON COLOR")), 5);

    apply (page());
    EXPECT_EQ (preset->toBytes(), before);

    // A bank chosen and then given up again leaves nothing to write either.
    chooseBanks (page(), {bankB});
    EXPECT_EQ (page().getTargets().size(), 16);
    chooseBanks (page(), {bankB});
    EXPECT_TRUE (page().getTargets().isEmpty());
    apply (page());
    EXPECT_EQ (preset->toBytes(), before);
}

TEST_F (PadPage, OnlyEnabledRowsWrite)
{
    auto& fixed = page().getFixedRows();
    choose (comboOf (row (&fixed, "PAD ON COLOR")), 2);   // RED, not enabled
    choose (comboOf (row (&fixed, "PAD OFF COLOR")), 10); // BLUE, enabled
    choose (comboOf (row (&fixed, "MIDI CHANNEL")), 18);  // B1, enabled
    choose (comboOf (row (&fixed, "MIDI TO DIN")), 2);    // ON, not enabled
    enable (row (&fixed, "PAD OFF COLOR"));
    enable (row (&fixed, "MIDI CHANNEL"));
    chooseBanks (page(), {bankD});
    const auto onBefore = padValues (Param::colorOn);
    const auto dinBefore = padValues (Param::toMidiDin);
    const auto channelsBefore = padValues (Param::midiChannel);

    apply (page());

    EXPECT_EQ (padValues (Param::colorOn), onBefore);
    EXPECT_EQ (padValues (Param::toMidiDin), dinBefore);
    EXPECT_EQ (slice (padValues (Param::colorOff), 48, 16), std::vector<int> (16, 9));
    EXPECT_EQ (slice (padValues (Param::midiChannel), 48, 16), std::vector<int> (16, 17));
    EXPECT_EQ (slice (padValues (Param::midiChannel), 0, 48), slice (channelsBefore, 0, 48));
}

TEST_F (PadPage, ChangingTypeDiscardsTheOldAreaForGood)
{
    AutoPopulateParameterContainer::Ptr oldArea = area();
    enable (row (oldArea.get(), "SCALE"));
    type (dynamic_cast<Pad::NoteSubMode&> (*oldArea).getStartBox(), "60");
    chooseBanks (page(), {bankA});

    choose (page().getTypeComboBox(), 2); // PROGRAM

    auto* program = dynamic_cast<Pad::ProgramSubMode*> (area());
    ASSERT_NE (program, nullptr);
    EXPECT_NE (program, oldArea.get());
    EXPECT_EQ (labelsOf (*program), std::vector<juce::String> ({"ORDER"}));
    EXPECT_EQ (program->getStartBox().getValue(), 0);
    EXPECT_EQ (program->getStartBox().getName(), "PROGRAM");
    EXPECT_EQ (program->getBoxLabelText (0), "START");
    EXPECT_EQ (comboOf (row (program, "ORDER")).getText(), "ASCENDING");
    EXPECT_FALSE (row (program, "ORDER").getEnabledToggle().getToggleState());
    EXPECT_EQ (oldArea->getParentComponent(), nullptr);

    // The old area is still alive here, held by this test, and its SCALE row still enabled: it
    // must not write.
    const auto notesBefore = padValues (Param::midiNote);
    apply (page());
    EXPECT_EQ (padValues (Param::midiNote), notesBefore);

    // Once it is gone, "Apply" reaches nothing of it.
    oldArea = nullptr;
    apply (page());
    EXPECT_EQ (padValues (Param::midiNote), notesBefore);
}

TEST_F (PadPage, ProgramsDescendingFrom10OverBankD)
{
    choose (page().getTypeComboBox(), 2);
    chooseBanks (page(), {bankD});
    enable (row (area(), "ORDER"));
    choose (comboOf (row (area(), "ORDER")), 2);
    type (dynamic_cast<Pad::ProgramSubMode*> (area())->getStartBox(), "10");
    enable (page().getTypeRow());
    const auto programsBefore = padValues (Param::programNumber);

    apply (page());

    const auto programs = padValues (Param::programNumber);
    EXPECT_EQ (slice (programs, 48, 11), counting (10, 11, -1));
    EXPECT_EQ (slice (programs, 59, 5), slice (programsBefore, 59, 5));
    EXPECT_EQ (slice (programs, 0, 48), slice (programsBefore, 0, 48));
    // The TYPE row wrote the pad type PROGRAM with it.
    EXPECT_EQ (slice (padValues (Param::parameterType), 48, 16), std::vector<int> (16, 1));
}

TEST_F (PadPage, ProgramBankWritesOnlyTheEnabledHalfOfTheBank)
{
    choose (page().getTypeComboBox(), 3);
    auto* bank = dynamic_cast<Pad::ProgramSubMode*> (area());
    ASSERT_NE (bank, nullptr);
    EXPECT_EQ (labelsOf (*bank), std::vector<juce::String> ({"MSB", "LSB", "ORDER"}));
    EXPECT_EQ (bank->getStartBox().getY(), 66);

    type (boxOf (row (bank, "MSB")), "5");
    type (boxOf (row (bank, "LSB")), "7");
    enable (row (bank, "MSB"));
    chooseBanks (page(), {bankB});
    const auto lsbBefore = padValues (Param::programLsb);

    apply (page());

    EXPECT_EQ (slice (padValues (Param::programMsb), 16, 16), std::vector<int> (16, 5));
    EXPECT_EQ (padValues (Param::programLsb), lsbBefore);
}

TEST_F (PadPage, StartAndNoteNameFollowEachOther)
{
    auto* note = dynamic_cast<Pad::NoteSubMode*> (area());
    ASSERT_NE (note, nullptr);

    type (note->getStartBox(), "61");
    EXPECT_EQ (note->getNoteNameComboBox().getSelectedId(), 62);
    EXPECT_EQ (note->getNoteNameComboBox().getText(), "C#4");
    EXPECT_EQ (note->getFunction().start, 61);

    choose (note->getNoteNameComboBox(), 58);
    EXPECT_EQ (note->getStartBox().getValue(), 57);
    EXPECT_EQ (note->getFunction().start, 57);
    EXPECT_EQ (note->getNoteNameComboBox().getItemText (0), "C-1");
    EXPECT_EQ (note->getNoteNameComboBox().getItemText (127), "G9");
}

TEST_F (PadPage, AftertouchAndModeRowsWriteTheirChoice)
{
    choose (comboOf (row (area(), "AFT")), 3);  // POLY
    choose (comboOf (row (area(), "MODE")), 2); // TOGGLE
    enable (row (area(), "AFT"));
    enable (row (area(), "MODE"));
    chooseBanks (page(), {bankC});

    apply (page());

    EXPECT_EQ (slice (padValues (Param::aftertouchType), 32, 16), std::vector<int> (16, 2));
    EXPECT_EQ (slice (padValues (Param::noteToggleMode), 32, 16), std::vector<int> (16, 1));
}

TEST_F (PadPage, ChangingTypeWhileStartIsBeingTypedLeavesNothingBehind)
{
    auto& start = dynamic_cast<Pad::NoteSubMode*> (area())->getStartBox();
    const testing_support::OnScreen shown (start);
    start.showEditor();
    ASSERT_NE (start.getCurrentTextEditor(), nullptr);
    start.getCurrentTextEditor()->insertTextAtCaret ("7");

    choose (page().getTypeComboBox(), 3);
    choose (page().getTypeComboBox(), 1);

    auto* note = dynamic_cast<Pad::NoteSubMode*> (area());
    ASSERT_NE (note, nullptr);
    EXPECT_EQ (note->getStartBox().getValue(), 0);
    EXPECT_EQ (note->getFunction().start, 0);
}
