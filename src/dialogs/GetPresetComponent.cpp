#include "dialogs/GetPresetComponent.h"

#include "dialogs/DialogLists.h"
#include "widgets/SkinImages.h"

GetPresetComponent::GetPresetComponent (std::unique_ptr<juce::ListBox> listToShow,
                                        ReferenceCountedImageButton::Ptr button)
    : list (std::move (listToShow))
    , refreshButton (std::move (button))
{
    jassert (list != nullptr && refreshButton != nullptr);

    addAndMakeVisible (*list);
    addAndMakeVisible (*refreshButton);
    styleStatusLine (statusLabel);
    addAndMakeVisible (statusLabel);
    styleDialogList (*list, look);
    list->updateContent();
}

GetPresetComponent::~GetPresetComponent()
{
    list->setLookAndFeel (nullptr);
}

void GetPresetComponent::refreshList()
{
    list->updateContent();
    list->repaint();
}

void GetPresetComponent::setButtonEnabled (bool shouldBeEnabled)
{
    refreshButton->setEnabled (shouldBeEnabled);
}

void GetPresetComponent::setStatusText (const juce::String& text)
{
    statusLabel.setText (text, juce::dontSendNotification);
}

void GetPresetComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);
    g.drawImageAt (getSkinImage (SkinImageId::loadFromHardwareTitle), 100, 10);
}

void GetPresetComponent::resized()
{
    refreshButton->setTopLeftPosition (500, 210);
    list->setBounds (20, 50, 600, 150);
    statusLabel.setSize (300, 20);
    statusLabel.attachToComponent (refreshButton.get(), true);
}
