#include "FillTestHelpers.h"

#include "autopopulate/core/ScaleNotes.h"

#include <gtest/gtest.h>

using namespace fill_testing;

namespace
{
constexpr auto note = VexoPad::Param::midiNote;
constexpr auto program = VexoPad::Param::programNumber;
constexpr auto msb = VexoKnob::Param::nrpnMsb;
constexpr auto lsb = VexoKnob::Param::nrpnLsb;
constexpr int untouched = 99;
} // namespace

TEST (Sequences, CountUpOrDownWithoutCuttingToARange)
{
    EXPECT_EQ (makeAscendingSequence (126, 4), juce::Array<int> ({126, 127, 128, 129}));
    EXPECT_EQ (makeDescendingSequence (1, 4), juce::Array<int> ({1, 0, -1, -2}));
    EXPECT_TRUE (makeAscendingSequence (5, 0).isEmpty());
    EXPECT_TRUE (makeDescendingSequence (5, -3).isEmpty());
}

TEST (Sequences, StopAtTheLimitsOfIntInsteadOfWrappingBackIntoRange)
{
    const auto up = makeAscendingSequence (std::numeric_limits<int>::max() - 1, 4);
    EXPECT_EQ (up[3], std::numeric_limits<int>::max());
    const auto down = makeDescendingSequence (std::numeric_limits<int>::min() + 1, 4);
    EXPECT_EQ (down[3], std::numeric_limits<int>::min());
}

TEST (StaticFill, WritesTheOneValueIntoEveryTargetThatAcceptsIt)
{
    auto pads = makeControls<VexoPad> (5);
    StaticAutoPopulateFunction colour (&pads, VexoPad::Param::colorOn);

    colour.apply (16);
    EXPECT_EQ (valuesOf (pads, VexoPad::Param::colorOn), repeated (16, 5));

    // Above the parameter's range: every pad keeps its colour.
    colour.apply (18);
    EXPECT_EQ (valuesOf (pads, VexoPad::Param::colorOn), repeated (16, 5));
}

TEST (StaticFill, ReadsTheTargetListAfreshAtEveryApply)
{
    ControlList targets;
    auto pads = makeControls<VexoPad> (3);
    StaticAutoPopulateFunction channel (&targets, VexoPad::Param::midiChannel);

    channel.apply (7);
    EXPECT_EQ (valuesOf (pads, VexoPad::Param::midiChannel), repeated (0, 3));

    targets.add (pads[1]);
    channel.apply (7);
    EXPECT_EQ (valuesOf (pads, VexoPad::Param::midiChannel), std::vector<int> ({0, 7, 0}));
}

TEST (RunFill, AscendingNotesFrom120FillOnlyWhatFits)
{
    auto pads = makeControls<VexoPad> (16, note, untouched);
    AscendingOrDescendingAutoPopulateFunction run (&pads, note);
    run.start = 120;

    run.apply (AutoPopulateOrder::ascending);

    EXPECT_EQ (valuesOf (pads, note), joined (counting (120, 8), repeated (untouched, 8)));
}

TEST (RunFill, DescendingProgramsFrom2StopAtZero)
{
    auto pads = makeControls<VexoPad> (5, program, untouched);
    AscendingOrDescendingAutoPopulateFunction run (&pads, program);
    run.start = 2;

    run.apply (AutoPopulateOrder::descending);

    EXPECT_EQ (valuesOf (pads, program), std::vector<int> ({2, 1, 0, untouched, untouched}));
}

TEST (RunFill, AnOrderOutsideTheListWritesNothing)
{
    // 255 is what an ORDER box with nothing chosen hands over.
    for (int order : {2, 255, -1})
    {
        auto pads = makeControls<VexoPad> (4, program, untouched);
        AscendingOrDescendingAutoPopulateFunction run (&pads, program);
        run.start = 10;
        run.apply (order);
        EXPECT_EQ (valuesOf (pads, program), repeated (untouched, 4)) << "order " << order;
    }
}

TEST (ScaleFill, MajorFrom60OverSixteenPads)
{
    auto pads = makeControls<VexoPad> (16);
    NoteScaleAutoPopulateFunction scale (&pads, note);
    scale.start = 60;

    scale.apply (AutoPopulateScale::major);

    EXPECT_EQ (valuesOf (pads, note),
               std::vector<int> ({60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86}));
}

TEST (ScaleFill, LocrianFromZero)
{
    auto pads = makeControls<VexoPad> (10);
    NoteScaleAutoPopulateFunction scale (&pads, note);

    scale.apply (AutoPopulateScale::locrian);

    EXPECT_EQ (valuesOf (pads, note), std::vector<int> ({0, 1, 3, 5, 6, 8, 10, 12, 13, 15}));
}

TEST (ScaleFill, ChromaticFrom100OverSixtyFourPadsChangesOnlyTheFirst28)
{
    auto pads = makeControls<VexoPad> (64, note, 5);
    NoteScaleAutoPopulateFunction scale (&pads, note);
    scale.start = 100;

    scale.apply (AutoPopulateScale::chromatic);

    EXPECT_EQ (valuesOf (pads, note), joined (counting (100, 28), repeated (5, 36)));
}

TEST (ScaleFill, EveryScaleStepsThroughItsOwnTableOctaveByOctave)
{
    const std::vector<std::pair<int, ScaleTable>> scales{
        {AutoPopulateScale::major, ScaleTables::major},
        {AutoPopulateScale::minor, ScaleTables::minor},
        {AutoPopulateScale::phrygian, ScaleTables::phrygian},
        {AutoPopulateScale::melodicMinor, ScaleTables::melodicMinor},
        {AutoPopulateScale::harmonicMinor, ScaleTables::harmonicMinor},
        {AutoPopulateScale::mixolydian, ScaleTables::mixolydian},
        {AutoPopulateScale::lydian, ScaleTables::lydian},
        {AutoPopulateScale::dorian, ScaleTables::dorian},
        {AutoPopulateScale::locrian, ScaleTables::locrian}};

    for (const auto& [choice, table] : scales)
    {
        auto pads = makeControls<VexoPad> (14);
        NoteScaleAutoPopulateFunction scale (&pads, note);
        scale.start = 24;
        scale.apply (choice);

        std::vector<int> expected;
        for (int octave = 0; octave < 2; ++octave)
            for (auto step : table)
                expected.push_back (24 + step + 12 * octave);
        EXPECT_EQ (valuesOf (pads, note), expected) << AutoPopulateScale::getNames()[choice];
    }
}

TEST (ScaleFill, TheTablesAreTheScalesTheNamesPromise)
{
    EXPECT_EQ (AutoPopulateScale::getNames().size(), AutoPopulateScale::numScales);
    EXPECT_EQ (AutoPopulateScale::getNames()[AutoPopulateScale::harmonicMinor], "HARMONIC MINOR");
    // Each seven-note scale spans less than an octave, rises step by step and no two are alike.
    const std::vector<ScaleTable> tables{
        ScaleTables::major,        ScaleTables::minor,         ScaleTables::phrygian,
        ScaleTables::melodicMinor, ScaleTables::harmonicMinor, ScaleTables::mixolydian,
        ScaleTables::lydian,       ScaleTables::dorian,        ScaleTables::locrian};
    for (size_t i = 0; i < tables.size(); ++i)
    {
        EXPECT_EQ (getScaleNoteFunction ((int)i + 1) (0, 6), tables[i][6]);
        for (size_t j = i + 1; j < tables.size(); ++j)
            EXPECT_NE (tables[i], tables[j]);
    }
    EXPECT_EQ (getScaleNoteFunction (AutoPopulateScale::chromatic), nullptr);
    EXPECT_EQ (getScaleNoteFunction (10), nullptr);
}

TEST (ScaleFill, NotesWrapAtAByteAndNotesAbove127AreRefused)
{
    EXPECT_EQ (majorScaleNote (250, 7), (250 + 12) & 255);
    EXPECT_EQ (majorScaleNote (60, 256), 60); // the degree counts by its low byte too
    EXPECT_EQ (majorScaleNote (316, 0), 60);  // and so does the root

    auto pads = makeControls<VexoPad> (8, note, untouched);
    NoteScaleAutoPopulateFunction scale (&pads, note);
    scale.start = 120;
    scale.apply (AutoPopulateScale::major);
    EXPECT_EQ (valuesOf (pads, note), joined ({120, 122, 124, 125, 127}, repeated (untouched, 3)));
}

TEST (ScaleFill, AScaleOutsideTheListWritesNothing)
{
    for (int choice : {10, 11, 255, -1})
    {
        auto pads = makeControls<VexoPad> (4, note, untouched);
        NoteScaleAutoPopulateFunction scale (&pads, note);
        scale.start = 10;
        scale.apply (choice);
        EXPECT_EQ (valuesOf (pads, note), repeated (untouched, 4)) << "scale " << choice;
    }
}

TEST (NrpnFill, AscendingFrom16380WritesFourPairsAndLeavesTheRestWhole)
{
    auto knobs = makeControls<VexoKnob> (8);
    for (auto* knob : knobs)
    {
        knob->setParameterValue (msb, 3);
        knob->setParameterValue (lsb, 4);
    }
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction run (&knobs);
    run.start = 16380;

    run.apply (AutoPopulateOrder::ascending);

    EXPECT_EQ (valuesOf (knobs, msb), joined (repeated (127, 4), repeated (3, 4)));
    EXPECT_EQ (valuesOf (knobs, lsb), joined ({124, 125, 126, 127}, repeated (4, 4)));
}

TEST (NrpnFill, DescendingFromZeroWritesTheFirstPairOnly)
{
    auto knobs = makeControls<VexoKnob> (3, msb, 9);
    for (auto* knob : knobs)
        knob->setParameterValue (lsb, 9);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction run (&knobs);

    run.apply (AutoPopulateOrder::descending);

    EXPECT_EQ (valuesOf (knobs, msb), std::vector<int> ({0, 9, 9}));
    EXPECT_EQ (valuesOf (knobs, lsb), std::vector<int> ({0, 9, 9}));
}

TEST (NrpnFill, SplitsEachValueIntoItsHighAndLowSevenBits)
{
    auto knobs = makeControls<VexoKnob> (3);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction run (&knobs);
    run.start = 300;

    run.apply (AutoPopulateOrder::descending);

    EXPECT_EQ (valuesOf (knobs, msb), repeated (2, 3));
    EXPECT_EQ (valuesOf (knobs, lsb), std::vector<int> ({44, 43, 42}));
    EXPECT_EQ (run.getParameterName(), " ");
}

TEST (NrpnFill, AnOrderOutsideTheListWritesNothing)
{
    auto knobs = makeControls<VexoKnob> (2, msb, untouched);
    for (auto* knob : knobs)
        knob->setParameterValue (lsb, untouched);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction run (&knobs);
    run.start = 5;

    run.apply (255);

    EXPECT_EQ (valuesOf (knobs, msb), repeated (untouched, 2));
    EXPECT_EQ (valuesOf (knobs, lsb), repeated (untouched, 2));
}

TEST (EveryFill, WritesNothingToAnEmptyTargetList)
{
    ControlList none;
    auto bystander = makeControls<VexoPad> (1, note, untouched);

    StaticAutoPopulateFunction (&none, note).apply (5);
    AscendingOrDescendingAutoPopulateFunction (&none, note).apply (AutoPopulateOrder::ascending);
    NoteScaleAutoPopulateFunction (&none, note).apply (AutoPopulateScale::major);
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&none).apply (AutoPopulateOrder::descending);
    EXPECT_TRUE (none.isEmpty());
    EXPECT_EQ (valuesOf (bystander, note), repeated (untouched, 1));
}

TEST (EveryFill, AParameterTheControlLacksChangesNothingAndTheOthersAreStillWritten)
{
    ControlList mixed;
    mixed.add (new VexoKnob());
    mixed.add (new VexoPad());
    AscendingOrDescendingAutoPopulateFunction run (&mixed, note);
    run.start = 40;

    run.apply (AutoPopulateOrder::ascending);

    EXPECT_EQ (mixed[1]->getParameterInt (note), 41);
    EXPECT_TRUE (mixed[0]->getParameterValue (note).getValue().isVoid());
}
