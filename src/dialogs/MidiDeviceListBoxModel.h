#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The rows of one port list of the MIDI Setup dialog: the port names in the order the system lists
// them, and the name of the row the user selected (empty while no row is).
class MidiDeviceListBoxModel : public juce::ListBoxModel
{
public:
    MidiDeviceListBoxModel();
    ~MidiDeviceListBoxModel() override;

    int getNumRows() override;

    // White on black, or on grey for the selected row; rows below the last name stay black.
    void paintListBoxItem (int rowNumber, juce::Graphics& g, int width, int height,
                           bool rowIsSelected) override;

    // Follows the list's selection: the selected row's name, or empty for no selection. A row
    // beyond the names changes nothing.
    void selectedRowsChanged (int lastRowSelected) override;

    // A click on the selected row deselects it, so that a direction can be left without a port.
    void listBoxItemClicked (int row, const juce::MouseEvent& event) override;

    // No names, nothing selected.
    void clear();
    void addName (const juce::String& name);

    const juce::StringArray& getNames() const noexcept { return names; }
    const juce::String& getSelectedName() const noexcept { return selectedName; }

private:
    juce::String selectedName;
    juce::StringArray names;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiDeviceListBoxModel)
};
