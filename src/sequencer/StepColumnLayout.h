#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// Where the sequencer table's columns lie, in the table's own coordinates: the PAD and NOTE
// columns and the 32 step columns. The overlay's grid and shade and the velocity strip's editors
// are placed from this, so they stay under the columns they belong to, whichever columns the user
// hides through the header's column menu.
class StepColumnLayout
{
public:
    static constexpr int padColumnId = 33;
    static constexpr int noteColumnId = 34;
    static constexpr int numSteps = 32;

    static constexpr int padColumnWidth = 110;
    static constexpr int noteColumnWidth = 110;
    static constexpr int stepColumnWidth = 29;

    // Every column shown, as the table starts: PAD 0..110, NOTE 110..220, step n from
    // 220 + 29 (n - 1), step 32 ending at 1148.
    StepColumnLayout();

    // The columns as the header shows them now.
    static StepColumnLayout fromHeader (const juce::TableHeaderComponent& header);

    // Empty when the column is hidden.
    juce::Range<int> getPadColumn() const { return pad; }
    juce::Range<int> getNoteColumn() const { return note; }
    juce::Range<int> getStepColumn (int stepNumber) const;
    bool isStepShown (int stepNumber) const { return !getStepColumn (stepNumber).isEmpty(); }

    // The left edge of the first step column shown: where the pad columns end.
    int getStepsStart() const;

    // The right edge of the last column shown.
    int getContentEnd() const;

    // Where the steps beyond the sequence's length begin: the left edge of the first step column
    // shown after the last active step, or the end of the columns when there is none. length is
    // the number of active steps minus one.
    int getShadeStart (int length) const;

    bool operator== (const StepColumnLayout& other) const;
    bool operator!= (const StepColumnLayout& other) const { return !operator== (other); }

private:
    juce::Range<int> pad;
    juce::Range<int> note;
    std::array<juce::Range<int>, numSteps> steps;
};
