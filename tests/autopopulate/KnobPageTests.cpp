#include "AutoPopulateTestSupport.h"

namespace
{
using Param = VexoKnob::Param;
using Knob = VexoKnobAutoPopulateComponent;
} // namespace

class KnobPage : public AutoPopulateTest
{
protected:
    Knob& page() const { return body->getKnobPage(); }
    AutoPopulateParameterContainer* area() const { return page().getCurrentArea(); }
};

TEST_F (KnobPage, OpensOnTheControllerArea)
{
    EXPECT_EQ (page().getTypeComboBox().getText(), "CC");
    auto* cc = dynamic_cast<Knob::CCSubMode*> (area());
    ASSERT_NE (cc, nullptr);
    EXPECT_EQ (labelsOf (*cc), std::vector<juce::String> ({"MIN", "MAX", "ORDER"}));
    EXPECT_EQ (boxOf (row (cc, "MAX")).getValue(), 127);
    EXPECT_EQ (cc->getStartBox().getY(), 66);
    EXPECT_EQ (comboOf (row (&page().getFixedRows(), "MIDI CHANNEL")).getText(), "COMMON");
    EXPECT_EQ (comboOf (row (&page().getFixedRows(), "MIDI TO DIN")).getText(), "OFF");
}

TEST_F (KnobPage, OnlyTheEnabledFixedRowsWrite)
{
    choose (comboOf (row (&page().getFixedRows(), "MIDI CHANNEL")), 3); // A2
    choose (comboOf (row (&page().getFixedRows(), "MIDI TO DIN")), 2);  // ON
    enable (row (&page().getFixedRows(), "MIDI CHANNEL"));
    enable (row (&page().getFixedRows(), "MIDI TO DIN"));
    chooseBanks (page(), {1});
    const auto ccBefore = knobValues (Param::ccNumber);
    const auto typeBefore = knobValues (Param::parameterType);

    apply (page());

    EXPECT_EQ (slice (knobValues (Param::midiChannel), 8, 8), std::vector<int> (8, 2));
    EXPECT_EQ (slice (knobValues (Param::toMidiDin), 8, 8), std::vector<int> (8, 1));
    EXPECT_EQ (knobValues (Param::ccNumber), ccBefore);
    EXPECT_EQ (knobValues (Param::parameterType), typeBefore);
}

TEST_F (KnobPage, ControllersFrom120OverEveryBankStopAt127)
{
    chooseBanks (page(), {0, 1, 2});
    enable (row (area(), "ORDER"));
    type (dynamic_cast<Knob::CCSubMode*> (area())->getStartBox(), "120");
    const auto ccBefore = knobValues (Param::ccNumber);

    apply (page());

    const auto cc = knobValues (Param::ccNumber);
    EXPECT_EQ (slice (cc, 0, 8), counting (120, 8));
    EXPECT_EQ (slice (cc, 8, 16), slice (ccBefore, 8, 16));
}

TEST_F (KnobPage, RangeRowsAreIndependentEvenWhenMinExceedsMax)
{
    choose (page().getTypeComboBox(), 2); // AFTERTOUCH
    ASSERT_EQ (labelsOf (*area()), std::vector<juce::String> ({"MIN", "MAX"}));
    EXPECT_EQ (dynamic_cast<AutoPopulateSubMode*> (area()), nullptr);

    type (boxOf (row (area(), "MIN")), "100");
    type (boxOf (row (area(), "MAX")), "20");
    enable (row (area(), "MIN"));
    enable (row (area(), "MAX"));
    enable (page().getTypeRow());
    chooseBanks (page(), {2});

    apply (page());

    EXPECT_EQ (slice (knobValues (Param::minValue), 16, 8), std::vector<int> (8, 100));
    EXPECT_EQ (slice (knobValues (Param::maxValue), 16, 8), std::vector<int> (8, 20));
    EXPECT_EQ (slice (knobValues (Param::parameterType), 16, 8), std::vector<int> (8, 1));
}

TEST_F (KnobPage, NrpnStartAndItsHalvesKeepInStep)
{
    choose (page().getTypeComboBox(), 3); // INC/DEC 1
    auto* nrpn = dynamic_cast<Knob::INCDEC1SubMode*> (area());
    ASSERT_NE (nrpn, nullptr);
    EXPECT_EQ (labelsOf (*nrpn), std::vector<juce::String> ({"VALUE", "ORDER"}));
    EXPECT_TRUE (row (nrpn, "VALUE").isIndented());
    EXPECT_EQ (nrpn->getBoxLabelText (1), "MSB");
    EXPECT_EQ (nrpn->getStartBox().getY(), 44);
    EXPECT_EQ (nrpn->getLsbBox().getY(), 88);

    type (nrpn->getStartBox(), "300");
    EXPECT_EQ (nrpn->getMsbBox().getValue(), 2);
    EXPECT_EQ (nrpn->getLsbBox().getValue(), 44);

    type (nrpn->getMsbBox(), "127");
    type (nrpn->getLsbBox(), "127");
    EXPECT_EQ (nrpn->getStartBox().getValue(), 16383);
    EXPECT_EQ (nrpn->getFunction().start, 16383);
}

TEST_F (KnobPage, NrpnPairsRunDownFromTheTop)
{
    choose (page().getTypeComboBox(), 3);
    auto* nrpn = dynamic_cast<Knob::INCDEC1SubMode*> (area());
    ASSERT_NE (nrpn, nullptr);
    type (nrpn->getStartBox(), "16383");
    choose (comboOf (row (nrpn, "ORDER")), 2);
    enable (row (nrpn, "ORDER"));
    type (boxOf (row (nrpn, "VALUE")), "64");
    enable (row (nrpn, "VALUE"));
    chooseBanks (page(), {0});
    const auto msbBefore = knobValues (Param::nrpnMsb);

    apply (page());

    EXPECT_EQ (slice (knobValues (Param::nrpnMsb), 0, 8), std::vector<int> (8, 127));
    EXPECT_EQ (slice (knobValues (Param::nrpnLsb), 0, 8), counting (127, 8, -1));
    EXPECT_EQ (slice (knobValues (Param::nrpnValue), 0, 8), std::vector<int> (8, 64));
    EXPECT_EQ (slice (knobValues (Param::nrpnMsb), 8, 16), slice (msbBefore, 8, 16));

    // Ascending from the top leaves room for the first knob only.
    choose (comboOf (row (nrpn, "ORDER")), 1);
    type (nrpn->getStartBox(), "16382");
    apply (page());
    EXPECT_EQ (slice (knobValues (Param::nrpnLsb), 0, 3), std::vector<int> ({126, 127, 125}));
}

TEST_F (KnobPage, SecondIncDecOffersOnlyTheControllerRun)
{
    choose (page().getTypeComboBox(), 4);
    auto* cc = dynamic_cast<Knob::CCSubMode*> (area());
    ASSERT_NE (cc, nullptr);
    EXPECT_EQ (labelsOf (*cc), std::vector<juce::String> ({"ORDER"}));
    EXPECT_EQ (cc->getStartBox().getY(), 22);
    EXPECT_EQ (cc->getStartBox().getValue(), 0);
}
