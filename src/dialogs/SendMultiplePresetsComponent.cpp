#include "dialogs/SendMultiplePresetsComponent.h"

#include "dialogs/DialogLists.h"
#include "widgets/SkinImages.h"

SendMultiplePresetsComponent::SendMultiplePresetsComponent (std::unique_ptr<juce::ListBox> listToShow,
                                                            ReferenceCountedImageButton::Ptr button)
    : list (std::move (listToShow))
    , sendButton (std::move (button))
{
    jassert (list != nullptr && sendButton != nullptr);

    styleStatusLine (statusLabel);
    addAndMakeVisible (statusLabel);

    styleDialogList (*list, look);
    addAndMakeVisible (*list);
    addAndMakeVisible (*sendButton);

    const auto titleImage = getSkinImage (SkinImageId::sendMultiplePresetsTitle);
    title.setImage (titleImage);
    title.setSize (titleImage.getWidth(), titleImage.getHeight());
    addAndMakeVisible (title);

    const auto background = getSkinImage (SkinImageId::dialogBackground);
    setSize (background.getWidth(), background.getHeight() / 3);
}

SendMultiplePresetsComponent::~SendMultiplePresetsComponent()
{
    deleteList();
}

void SendMultiplePresetsComponent::refreshList()
{
    if (list != nullptr)
    {
        list->updateContent();
        list->repaint();
    }
}

void SendMultiplePresetsComponent::setSendEnabled (bool shouldBeEnabled)
{
    sendButton->setEnabled (shouldBeEnabled);
}

void SendMultiplePresetsComponent::setStatusText (const juce::String& text)
{
    statusLabel.setText (text, juce::dontSendNotification);
}

void SendMultiplePresetsComponent::deleteList()
{
    if (list != nullptr)
    {
        list->setLookAndFeel (nullptr);
        list = nullptr;
    }
}

void SendMultiplePresetsComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);
}

void SendMultiplePresetsComponent::resized()
{
    if (list != nullptr)
        list->setBounds (20, 35, 600, 150);
    sendButton->setTopLeftPosition (525, 195);
    statusLabel.setSize (300, 20);
    statusLabel.attachToComponent (sendButton.get(), true);
    title.setCentreRelative (0.5f, 0.1f);
}
