#include "sequencer/VelocityViewComponent.h"

namespace
{
const juce::Colour captionText (217, 217, 217);
const juce::String caption ("VELOCITY");
} // namespace

VelocityViewComponent::VelocityViewComponent() = default;

VelocityViewComponent::~VelocityViewComponent() = default;

void VelocityViewComponent::paint (juce::Graphics& g)
{
    g.setColour (captionText);
    g.setFont (juce::Font (18.0f, juce::Font::plain));
    g.drawText (caption, juce::Rectangle<int> (20, 30, 220, 20), juce::Justification::left, true);
}

void VelocityViewComponent::setTrack (VexoBSequencerTrack::Ptr newTrack)
{
    track = std::move (newTrack);

    // An old editor that goes leaves the strip on its way.
    editors.clear();

    if (track == nullptr)
        return;

    editors.ensureStorageAllocated (StepColumnLayout::numSteps);
    for (int step = 1; step <= StepColumnLayout::numSteps; ++step)
    {
        VelocityStepComponent::Ptr editor (new VelocityStepComponent (
            track->getParameterValue (VexoBSequencerTrack::getStepParameterName (step))));
        addChildComponent (*editor);
        editors.add (editor);
    }
    placeEditors();
}

void VelocityViewComponent::setColumnLayout (const StepColumnLayout& newLayout)
{
    if (columns == newLayout)
        return;

    columns = newLayout;
    placeEditors();
}

void VelocityViewComponent::placeEditors()
{
    for (int i = 0; i < editors.size(); ++i)
    {
        auto* editor = editors.getObjectPointerUnchecked (i);
        const auto column = columns.getStepColumn (i + 1);
        editor->setBounds (column.getStart(), 0, VelocityStepComponent::editorWidth,
                           VelocityStepComponent::editorHeight);
        editor->setVisible (!column.isEmpty());
    }
}

VelocityStepComponent* VelocityViewComponent::getStepEditor (int stepNumber) const
{
    return editors[stepNumber - 1].get();
}
