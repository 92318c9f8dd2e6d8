#include "sequencer/SequencerListBoxTableModel.h"

#include "model/VexoPad.h"
#include "sequencer/NoteValueViewComponent.h"
#include "sequencer/SequencerListBoxStepComponent.h"
#include "sequencer/StepColumnLayout.h"

#include <memory>

const juce::Colour SequencerListBoxTableModel::evenRowColour (34, 34, 34);
const juce::Colour SequencerListBoxTableModel::oddRowColour (34, 31, 31);
const juce::Colour SequencerListBoxTableModel::cellTextColour (217, 217, 217);

namespace
{
constexpr int padsPerBank = 16;
} // namespace

SequencerListBoxTableModel::SequencerListBoxTableModel (VexoBEditorPreset::Ptr presetToShow,
                                                        VelocityViewComponent::Ptr strip)
    : preset (std::move (presetToShow))
    , velocityView (std::move (strip))
{
}

SequencerListBoxTableModel::~SequencerListBoxTableModel() = default;

juce::String SequencerListBoxTableModel::getPadCaption (int row)
{
    const auto bank = juce::String::charToString ((juce::juce_wchar) ('A' + row / padsPerBank));
    return juce::String (row + 1) + " / " + bank + juce::String (row % padsPerBank + 1);
}

int SequencerListBoxTableModel::getNumRows()
{
    return numRows;
}

void SequencerListBoxTableModel::paintRowBackground (juce::Graphics& g, int rowNumber, int width, int height,
                                                     bool rowIsSelected)
{
    g.fillAll (rowNumber % 2 != 0 ? oddRowColour : evenRowColour);

    if (rowIsSelected)
    {
        g.setColour (juce::Colours::blue);
        g.drawRect (0, 0, width - 1, height - 1, 1);
    }
}

void SequencerListBoxTableModel::paintCell (juce::Graphics&, int, int, int, int, bool) {}

juce::Component*
SequencerListBoxTableModel::refreshComponentForCell (int rowNumber, int columnId, bool,
                                                     juce::Component* existingComponentToUpdate)
{
    // The table asks for every visible cell whenever it scrolls or a row is selected. Building
    // hundreds of cells each time, a note box of 128 choices among them, takes several frames;
    // a cell of the right kind is bound to what the row shows now instead, which shows the same.
    if (auto* reused = rebindCell (existingComponentToUpdate, rowNumber, columnId))
        return reused;

    delete existingComponentToUpdate;
    return createCell (rowNumber, columnId);
}

juce::Component* SequencerListBoxTableModel::rebindCell (juce::Component* cell, int rowNumber,
                                                         int columnId) const
{
    if (cell == nullptr || preset == nullptr || !juce::isPositiveAndBelow (rowNumber, numRows))
        return nullptr;

    if (columnId == StepColumnLayout::padColumnId)
    {
        auto* caption = dynamic_cast<juce::Label*> (cell);
        if (caption != nullptr)
            caption->setText (getPadCaption (rowNumber), juce::dontSendNotification);
        return caption;
    }

    if (columnId == StepColumnLayout::noteColumnId)
    {
        auto* note = dynamic_cast<NoteValueViewComponent*> (cell);
        auto pad = preset->getPad (rowNumber);
        if (note == nullptr || pad == nullptr)
            return nullptr;
        note->showNote (pad->getParameterValue (VexoPad::Param::midiNote));
        return note;
    }

    auto* step = dynamic_cast<SequencerListBoxStepComponent*> (cell);
    auto track = preset->getSequencer()->getTrack (rowNumber);
    if (step == nullptr || track == nullptr || columnId < 1 || columnId > StepColumnLayout::numSteps)
        return nullptr;
    step->showStep (track->getParameterValue (VexoBSequencerTrack::getStepParameterName (columnId)));
    return step;
}

juce::Component* SequencerListBoxTableModel::createCell (int rowNumber, int columnId) const
{
    if (preset == nullptr || !juce::isPositiveAndBelow (rowNumber, numRows))
        return nullptr;

    if (columnId == StepColumnLayout::padColumnId)
    {
        auto caption = std::make_unique<juce::Label>();
        caption->setSize (20, 100);
        caption->setText (getPadCaption (rowNumber), juce::dontSendNotification);
        caption->setColour (juce::Label::textColourId, cellTextColour);
        caption->setJustificationType (juce::Justification::centred);
        // A click on the caption selects its row.
        caption->setInterceptsMouseClicks (false, false);
        return caption.release();
    }

    if (columnId == StepColumnLayout::noteColumnId)
    {
        auto pad = preset->getPad (rowNumber);
        if (pad == nullptr)
            return nullptr;
        return new NoteValueViewComponent (pad->getParameterValue (VexoPad::Param::midiNote));
    }

    if (columnId >= 1 && columnId <= StepColumnLayout::numSteps)
    {
        auto track = preset->getSequencer()->getTrack (rowNumber);
        if (track == nullptr)
            return nullptr;
        return new SequencerListBoxStepComponent (
            track->getParameterValue (VexoBSequencerTrack::getStepParameterName (columnId)));
    }

    return nullptr;
}

void SequencerListBoxTableModel::cellDoubleClicked (int rowNumber, int columnId, const juce::MouseEvent&)
{
    if (preset == nullptr)
        return;

    auto track = preset->getSequencer()->getTrack (rowNumber);
    if (track == nullptr)
        return;

    // The PAD and NOTE columns name no step of the track, which then changes nothing.
    const auto name = VexoBSequencerTrack::getStepParameterName (columnId);
    if (track->getParameterData (name) == nullptr)
        return;

    track->setParameterValue (name, toggledVelocity (track->getParameterInt (name)));
}

void SequencerListBoxTableModel::selectedRowsChanged (int lastRowSelected)
{
    if (velocityView == nullptr || preset == nullptr)
        return;

    // With no row selected (-1) there is no track, and the strip shows none.
    velocityView->setTrack (preset->getSequencer()->getTrack (lastRowSelected));
}
