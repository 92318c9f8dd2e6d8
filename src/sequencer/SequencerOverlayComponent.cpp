#include "sequencer/SequencerOverlayComponent.h"

namespace
{
// The line between PAD and NOTE stops just below the table, above the velocity strip, whose
// height at the editor's size is 84.
constexpr int padLineGapAtBottom = 83;
} // namespace

const juce::Colour SequencerOverlayComponent::brightLineColour (68, 68, 68);
const juce::Colour SequencerOverlayComponent::dimLineColour (54, 54, 54);

SequencerOverlayComponent::SequencerOverlayComponent()
{
    setInterceptsMouseClicks (false, false);
}

SequencerOverlayComponent::~SequencerOverlayComponent() = default;

void SequencerOverlayComponent::valueChanged (juce::Value& lengthValue)
{
    length = juce::jlimit (0, StepColumnLayout::numSteps - 1, (int)lengthValue.getValue());
    repaint();
}

void SequencerOverlayComponent::setColumnLayout (const StepColumnLayout& newLayout)
{
    if (columns == newLayout)
        return;

    columns = newLayout;
    repaint();
}

void SequencerOverlayComponent::setUncoveredArea (juce::Rectangle<int> area)
{
    if (uncovered == area)
        return;

    uncovered = area;
    repaint();
}

void SequencerOverlayComponent::paint (juce::Graphics& g)
{
    g.excludeClipRegion (uncovered);

    const auto width = (float)getWidth();
    const auto height = (float)getHeight();
    const auto verticalLine = [&g, height] (int x, float bottom)
    { g.drawLine ((float)x, 0.0f, (float)x, juce::jmin (bottom, height), lineThickness); };

    g.setColour (brightLineColour);

    const auto pad = columns.getPadColumn();
    const auto note = columns.getNoteColumn();
    if (!pad.isEmpty() && !note.isEmpty() && pad.getEnd() == note.getStart())
        verticalLine (pad.getEnd(), height - (float)padLineGapAtBottom);

    verticalLine (columns.getStepsStart(), height);

    for (int step = 1; step <= StepColumnLayout::numSteps; ++step)
    {
        if (!columns.isStepShown (step))
            continue;

        g.setColour (step % 4 == 0 ? brightLineColour : dimLineColour);
        verticalLine (columns.getStepColumn (step).getEnd(), height);
    }

    const auto shadeStart = columns.getShadeStart (length);
    g.setColour (juce::Colours::black.withAlpha (shadeAlpha));
    g.fillRect (juce::Rectangle<float> ((float)shadeStart, 0.0f, width - (float)shadeStart, height));
}
