#include "AutoPopulateTestSupport.h"

namespace
{
using Switch = VexoSwitchAutoPopulateComponent;
using Fader = VexoFaderAutoPopulateComponent;
} // namespace

class SwitchPage : public AutoPopulateTest
{
protected:
    Switch& page() const { return body->getSwitchPage(); }
    AutoPopulateParameterContainer* area() const { return page().getCurrentArea(); }
};

TEST_F (SwitchPage, OpensOnTheControllerAreaAndNeverOffersKeyStrokes)
{
    auto& type = page().getTypeComboBox();
    EXPECT_EQ (type.getText(), "CC");
    ASSERT_EQ (type.getNumItems(), 4);
    EXPECT_EQ (type.getItemText (3), "PROGRAM BANK");
    for (int i = 0; i < type.getNumItems(); ++i)
        EXPECT_NE (type.getItemText (i), "KEY STROKE");

    auto* cc = dynamic_cast<Switch::CCSubMode*> (area());
    ASSERT_NE (cc, nullptr);
    EXPECT_EQ (labelsOf (*cc), std::vector<juce::String> ({"ORDER"}));
    EXPECT_EQ (comboOf (row (&page().getFixedRows(), "MIDI CHANNEL")).getText(), "COMMON");
    EXPECT_EQ (comboOf (row (&page().getFixedRows(), "MIDI TO DIN")).getText(), "OFF");
}

TEST_F (SwitchPage, NotesCountUpFromStartChosenByName)
{
    choose (page().getTypeComboBox(), 2);
    auto* note = dynamic_cast<Switch::NoteSubMode*> (area());
    ASSERT_NE (note, nullptr);
    EXPECT_EQ (labelsOf (*note), std::vector<juce::String> ({"MODE", "SCALE"}));
    EXPECT_EQ (comboOf (row (note, "SCALE")).getNumItems(), 1);
    EXPECT_EQ (note->getNoteNameComboBox().getSelectedId(), 0);

    type (note->getStartBox(), "60");
    EXPECT_EQ (note->getNoteNameComboBox().getText(), "C4");
    choose (note->getNoteNameComboBox(), 70); // A4
    EXPECT_EQ (note->getStartBox().getValue(), 69);

    enable (row (note, "SCALE"));
    enable (row (note, "MODE"));
    choose (comboOf (row (note, "MODE")), 2);
    chooseBanks (page(), {2});
    apply (page());

    EXPECT_EQ (slice (switchValues (VexoSwitch::Param::midiNote), 16, 8), counting (69, 8));
    EXPECT_EQ (slice (switchValues (VexoSwitch::Param::switchMode), 16, 8), std::vector<int> (8, 1));
}

TEST_F (SwitchPage, ProgramsDescendingFromZeroWriteTheFirstSwitchOnly)
{
    choose (page().getTypeComboBox(), 3);
    auto* program = dynamic_cast<Switch::ProgramSubMode*> (area());
    ASSERT_NE (program, nullptr);
    EXPECT_EQ (program->getStartBox().getName(), "Program Number NumberBox");
    EXPECT_EQ (program->getBoxLabelText (0), "START");
    choose (comboOf (row (program, "ORDER")), 2);
    enable (row (program, "ORDER"));
    chooseBanks (page(), {0});
    const auto untouched = switchValues (VexoSwitch::Param::programNumber);

    apply (page());

    const auto after = switchValues (VexoSwitch::Param::programNumber);
    EXPECT_EQ (after[0], 0);
    EXPECT_EQ (slice (after, 1, 23), slice (untouched, 1, 23));
}

TEST_F (SwitchPage, ProgramBankWritesOneBankAndARunOfPrograms)
{
    choose (page().getTypeComboBox(), 4);
    auto* bank = dynamic_cast<Switch::ProgramSubMode*> (area());
    ASSERT_NE (bank, nullptr);
    EXPECT_EQ (labelsOf (*bank), std::vector<juce::String> ({"MSB", "LSB", "ORDER"}));
    type (boxOf (row (bank, "MSB")), "3");
    type (boxOf (row (bank, "LSB")), "4");
    type (bank->getStartBox(), "20");
    for (auto label : {"MSB", "LSB", "ORDER"})
        enable (row (bank, label));
    enable (page().getTypeRow());
    chooseBanks (page(), {1});

    apply (page());

    using Param = VexoSwitch::Param;
    EXPECT_EQ (slice (switchValues (Param::programMsb), 8, 8), std::vector<int> (8, 3));
    EXPECT_EQ (slice (switchValues (Param::programLsb), 8, 8), std::vector<int> (8, 4));
    EXPECT_EQ (slice (switchValues (Param::programNumber), 8, 8), counting (20, 8));
    EXPECT_EQ (slice (switchValues (Param::parameterType), 8, 8), std::vector<int> (8, 3));
}

TEST_F (SwitchPage, ControllerRunWritesTheSwitchesOwnParameter)
{
    enable (row (area(), "ORDER"));
    type (dynamic_cast<Switch::CCSubMode*> (area())->getStartBox(), "10");
    choose (comboOf (row (&page().getFixedRows(), "MIDI TO DIN")), 2);
    enable (row (&page().getFixedRows(), "MIDI TO DIN"));
    chooseBanks (page(), {0, 2});

    apply (page());

    EXPECT_EQ (slice (switchValues (VexoSwitch::Param::midiCc), 0, 8), counting (10, 8));
    EXPECT_EQ (slice (switchValues (VexoSwitch::Param::midiCc), 16, 8), counting (18, 8));
    EXPECT_EQ (slice (switchValues (VexoSwitch::Param::toMidiDin), 16, 8), std::vector<int> (8, 1));
}

class FaderPage : public AutoPopulateTest
{
protected:
    Fader& page() const { return body->getFaderPage(); }
    AutoPopulateParameterContainer* area() const { return page().getCurrentArea(); }
};

TEST_F (FaderPage, OpensOnTheControllerAreaAndWritesTheToDinFlag)
{
    auto* cc = dynamic_cast<Fader::CCSubMode*> (area());
    ASSERT_NE (cc, nullptr);
    EXPECT_EQ (labelsOf (*cc), std::vector<juce::String> ({"MIN", "MAX", "ORDER"}));
    EXPECT_EQ (page().getTypeComboBox().getNumItems(), 2);

    choose (comboOf (row (&page().getFixedRows(), "MIDI TO DIN")), 2);
    enable (row (&page().getFixedRows(), "MIDI TO DIN"));
    chooseBanks (page(), {0, 1, 2});
    apply (page());

    EXPECT_EQ (faderValues (VexoFader::Param::toMidiDin), std::vector<int> (24, 1));
}

TEST_F (FaderPage, ControllersFrom126FillTwoFaders)
{
    enable (row (area(), "ORDER"));
    type (dynamic_cast<Fader::CCSubMode*> (area())->getStartBox(), "126");
    chooseBanks (page(), {0});
    const auto untouched = faderValues (VexoFader::Param::ccNumber);

    apply (page());

    const auto after = faderValues (VexoFader::Param::ccNumber);
    EXPECT_EQ (slice (after, 0, 2), std::vector<int> ({126, 127}));
    EXPECT_EQ (slice (after, 2, 22), slice (untouched, 2, 22));
}

TEST_F (FaderPage, AftertouchOffersTheRangeOnly)
{
    choose (page().getTypeComboBox(), 2);
    ASSERT_EQ (labelsOf (*area()), std::vector<juce::String> ({"MIN", "MAX"}));
    type (boxOf (row (area(), "MIN")), "12");
    enable (row (area(), "MIN"));
    enable (row (area(), "MAX"));
    chooseBanks (page(), {2});

    apply (page());

    EXPECT_EQ (slice (faderValues (VexoFader::Param::minValue), 16, 8), std::vector<int> (8, 12));
    EXPECT_EQ (slice (faderValues (VexoFader::Param::maxValue), 16, 8), std::vector<int> (8, 127));
}
