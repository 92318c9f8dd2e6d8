#include "dialogs/MidiDeviceListBoxModel.h"

namespace
{
const juce::Colour selectedRowColour (128, 128, 128);
} // namespace

MidiDeviceListBoxModel::MidiDeviceListBoxModel() = default;
MidiDeviceListBoxModel::~MidiDeviceListBoxModel() = default;

int MidiDeviceListBoxModel::getNumRows()
{
    return names.size();
}

void MidiDeviceListBoxModel::paintListBoxItem (int rowNumber, juce::Graphics& g, int width, int height,
                                               bool rowIsSelected)
{
    g.fillAll (rowIsSelected ? selectedRowColour : juce::Colours::black);

    // The list asks for rows that fill its height, also past the last name.
    if (!juce::isPositiveAndBelow (rowNumber, names.size()))
        return;

    g.setColour (juce::Colours::white);
    g.setFont (juce::Font ((float)height * 0.7f));
    g.drawText (names[rowNumber], 5, 0, width, height, juce::Justification::centredLeft, true);
}

void MidiDeviceListBoxModel::selectedRowsChanged (int lastRowSelected)
{
    if (lastRowSelected >= names.size())
        return;

    selectedName = lastRowSelected >= 0 ? names[lastRowSelected] : juce::String();
}

void MidiDeviceListBoxModel::listBoxItemClicked (int row, const juce::MouseEvent& event)
{
    // The list selects a row that was not selected as the button goes down, but leaves a click on
    // the selected row to the button's release: a click seen on release was one on the selected
    // row. The second click of a double click only confirms the row it selected, and shift and the
    // right button keep the selection, as they do in any list.
    if (event.source.isDragging() || event.getNumberOfClicks() > 1 || event.mods.isShiftDown() ||
        event.mods.isPopupMenu())
        return;

    if (auto* list = event.eventComponent->findParentComponentOfClass<juce::ListBox>())
        list->deselectRow (row);
}

void MidiDeviceListBoxModel::clear()
{
    selectedName.clear();
    names.clear();
}

void MidiDeviceListBoxModel::addName (const juce::String& name)
{
    names.add (name);
}
