#include "dialogs/PresetListBoxModel.h"

#include "dialogs/DeviceSlots.h"
#include "dialogs/DialogLists.h"
#include "dialogs/GetPresetWindow.h"
#include "widgets/ImageButtonFactories.h"

PresetListBoxModel::PresetListBoxModel (GetPresetWindow* ownerWindow)
    : owner (ownerWindow)
{
}

PresetListBoxModel::~PresetListBoxModel() = default;

GetPresetWindow* PresetListBoxModel::getOwner() const noexcept
{
    return owner.get();
}

void PresetListBoxModel::releaseOwner()
{
    owner = nullptr;
}

int PresetListBoxModel::getNumRows()
{
    return names.size();
}

void PresetListBoxModel::paintListBoxItem (int, juce::Graphics& g, int width, int height, bool selected)
{
    paintDialogListRow (g, width, height, selected);
}

juce::Component* PresetListBoxModel::refreshComponentForRow (int row, bool, juce::Component* existing)
{
    // The list asks for every row that fits on screen, also below the last one held.
    if (!DeviceSlots::isSlot (row) || row >= names.size())
    {
        delete existing;
        return nullptr;
    }

    // A row component is shown again rather than made anew, so that none is ever destroyed while
    // one of its own callbacks runs.
    auto* rowComponent = dynamic_cast<PresetListRowComponent*> (existing);
    if (rowComponent == nullptr)
    {
        delete existing;
        rowComponent = new PresetListRowComponent (*this);
    }

    rowComponent->show (row, DeviceSlots::getSlotText (row), names[row]);
    return rowComponent;
}

//==============================================================================
PresetListBoxModel::PresetListRowComponent::PresetListRowComponent (PresetListBoxModel& listModel)
    : model (&listModel)
    , getButton (createGetButton())
{
    getButton->setTopLeftPosition (475, 2);
    getButton->addListener (this);

    nameLabel.attachToComponent (getButton.get(), true);
    nameLabel.setColour (juce::Label::textColourId, juce::Colours::white);

    addAndMakeVisible (*getButton);
    addAndMakeVisible (nameLabel);
}

PresetListBoxModel::PresetListRowComponent::~PresetListRowComponent()
{
    getButton->removeListener (this);
}

void PresetListBoxModel::PresetListRowComponent::show (int newRowNumber, const juce::String& newSlotText,
                                                       const juce::String& name)
{
    rowNumber = newRowNumber;
    if (slotText != newSlotText)
    {
        slotText = newSlotText;
        repaint();
    }
    nameLabel.setText (name, juce::dontSendNotification);
}

void PresetListBoxModel::PresetListRowComponent::paint (juce::Graphics& g)
{
    drawDialogRowCaption (g, slotText);
}

void PresetListBoxModel::PresetListRowComponent::buttonClicked (juce::Button*)
{
    if (auto* window = model->getOwner())
        window->loadPresetIntoEditor (rowNumber);
}
