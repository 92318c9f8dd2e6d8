#include "sequencer/StepColumnLayout.h"

StepColumnLayout::StepColumnLayout()
    : pad (0, padColumnWidth)
    , note (padColumnWidth, padColumnWidth + noteColumnWidth)
{
    for (int n = 1; n <= numSteps; ++n)
    {
        const auto left = note.getEnd() + stepColumnWidth * (n - 1);
        steps[(size_t)(n - 1)] = {left, left + stepColumnWidth};
    }
}

StepColumnLayout StepColumnLayout::fromHeader (const juce::TableHeaderComponent& header)
{
    const auto columnOf = [&header] (int columnId) -> juce::Range<int>
    {
        const auto index = header.getIndexOfColumnId (columnId, true);
        if (index < 0)
            return {};
        const auto area = header.getColumnPosition (index);
        return {area.getX(), area.getRight()};
    };

    StepColumnLayout layout;
    layout.pad = columnOf (padColumnId);
    layout.note = columnOf (noteColumnId);
    for (int n = 1; n <= numSteps; ++n)
        layout.steps[(size_t)(n - 1)] = columnOf (n);
    return layout;
}

juce::Range<int> StepColumnLayout::getStepColumn (int stepNumber) const
{
    if (stepNumber < 1 || stepNumber > numSteps)
        return {};
    return steps[(size_t)(stepNumber - 1)];
}

int StepColumnLayout::getStepsStart() const
{
    for (const auto& step : steps)
        if (!step.isEmpty())
            return step.getStart();

    return juce::jmax (pad.getEnd(), note.getEnd());
}

int StepColumnLayout::getContentEnd() const
{
    auto end = juce::jmax (pad.getEnd(), note.getEnd());
    for (const auto& step : steps)
        end = juce::jmax (end, step.getEnd());
    return end;
}

int StepColumnLayout::getShadeStart (int length) const
{
    for (int n = length + 2; n <= numSteps; ++n)
        if (isStepShown (n))
            return getStepColumn (n).getStart();

    return getContentEnd();
}

bool StepColumnLayout::operator== (const StepColumnLayout& other) const
{
    return pad == other.pad && note == other.note && steps == other.steps;
}
