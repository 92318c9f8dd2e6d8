#include "FillTestHelpers.h"

#include "autopopulate/core/ControlSorter.h"

#include <gtest/gtest.h>

using namespace fill_testing;

namespace
{
using Sorter = GenericSorted<ControlList>;

std::vector<int> positionsIn (const ControlList& all, const ControlList& targets)
{
    std::vector<int> positions;
    for (auto* control : targets)
        positions.push_back (all.indexOf (control));
    return positions;
}
} // namespace

TEST (ControlSorter, ChosenBanksInBankOrderThenPosition)
{
    auto pads = makeControls<VexoPad> (64);
    ControlList targets;
    Sorter sorter (&pads, &targets, 16, 4);

    sorter.sort ({true, false, true, false});

    EXPECT_EQ (positionsIn (pads, targets), joined (counting (0, 16), counting (32, 16)));
}

TEST (ControlSorter, EveryNewChoiceReplacesTheLastAndNoChoiceEmptiesTheList)
{
    auto knobs = makeControls<VexoKnob> (24);
    ControlList targets;
    Sorter sorter (&knobs, &targets, 8, 3);

    sorter.sort ({false, true, false});
    EXPECT_EQ (positionsIn (knobs, targets), counting (8, 8));

    sorter.sort ({false, true, true});
    EXPECT_EQ (positionsIn (knobs, targets), counting (8, 16));

    sorter.sort ({false, false, false});
    EXPECT_TRUE (targets.isEmpty());
}

TEST (ControlSorter, FlagsBeyondTheLastBankAddNoControl)
{
    auto knobs = makeControls<VexoKnob> (24);
    ControlList targets;
    Sorter sorter (&knobs, &targets, 8, 3);

    sorter.sort ({false, false, true, true, true});

    EXPECT_EQ (positionsIn (knobs, targets), counting (16, 8));
}

TEST (ControlSorter, ABankCutShortByTheListGivesWhatThereIs)
{
    auto pads = makeControls<VexoPad> (20);
    ControlList targets;
    Sorter sorter (&pads, &targets, 16, 4);

    sorter.sort ({false, true});

    EXPECT_EQ (positionsIn (pads, targets), counting (16, 4));
}

TEST (ControlSorter, TheTargetsHoldTheControlsThemselves)
{
    auto pads = makeControls<VexoPad> (32);
    ControlList targets;
    Sorter sorter (&pads, &targets, 16, 2);
    sorter.sort ({false, true});

    StaticAutoPopulateFunction (&targets, VexoPad::Param::midiNote).apply (64);

    EXPECT_EQ (valuesOf (pads, VexoPad::Param::midiNote), joined (repeated (0, 16), repeated (64, 16)));
}
