#pragma once

#include "model/VexoBEditorPreset.h"
#include "sequencer/VelocityViewComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The sequencer table's rows: one per pad and its track, 64 in all, with the pad's name, its note
// and its 32 steps. Every cell is bound to the preset's values; a double-click switches a step on
// or off, and the selected row's velocities show in the strip below the table.
class SequencerListBoxTableModel : public juce::TableListBoxModel
{
public:
    static constexpr int numRows = VexoBSequencer::numTracks;
    static const juce::Colour evenRowColour;
    static const juce::Colour oddRowColour;
    static const juce::Colour cellTextColour;

    SequencerListBoxTableModel (VexoBEditorPreset::Ptr preset, VelocityViewComponent::Ptr velocityView);
    ~SequencerListBoxTableModel() override;

    // "1 / A1" .. "64 / D16": the row's number and its pad's bank and place.
    static juce::String getPadCaption (int row);

    // The value a double-click gives a step: on at full velocity when off, otherwise off.
    static int toggledVelocity (int velocity) { return velocity < 1 ? 127 : 0; }

    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int rowNumber, int width, int height,
                             bool rowIsSelected) override;
    void paintCell (juce::Graphics& g, int rowNumber, int columnId, int width, int height,
                    bool rowIsSelected) override;
    juce::Component* refreshComponentForCell (int rowNumber, int columnId, bool isRowSelected,
                                              juce::Component* existingComponentToUpdate) override;
    void cellDoubleClicked (int rowNumber, int columnId, const juce::MouseEvent& event) override;
    void selectedRowsChanged (int lastRowSelected) override;

private:
    juce::Component* createCell (int rowNumber, int columnId) const;
    // The cell itself, now showing that row and column; null when it is of another kind.
    juce::Component* rebindCell (juce::Component* cell, int rowNumber, int columnId) const;

    VexoBEditorPreset::Ptr preset;
    VelocityViewComponent::Ptr velocityView;

    JUCE_DECLARE_WEAK_REFERENCEABLE (SequencerListBoxTableModel)
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerListBoxTableModel)
};
