#include "dialogs/SendPresetComponent.h"

#include "dialogs/DeviceSlots.h"
#include "text/UiText.h"
#include "widgets/SkinImages.h"

SendPresetComponent::SendPresetComponent (ReferenceCountedImageButton::Ptr button)
    : sendButton (std::move (button))
{
    jassert (sendButton != nullptr);
    setLookAndFeel (&look);

    slotBox.addItem (UiText::ramSlot, DeviceSlots::ram + 1);
    for (int slot = 1; slot <= DeviceSlots::last; ++slot)
        slotBox.addItem (juce::String (slot), slot + 1);
    styleAuxiliaryComboBox (slotBox);
    slotBox.setSelectedId (DeviceSlots::ram + 1, juce::sendNotificationAsync);

    caption.setText (UiText::sendToHardwareLabel, juce::dontSendNotification);
    caption.setFont (juce::Font (16.0f, juce::Font::plain));

    addAndMakeVisible (*sendButton);
    addAndMakeVisible (slotBox);
    addAndMakeVisible (caption);
}

SendPresetComponent::~SendPresetComponent()
{
    setLookAndFeel (nullptr);
}

int SendPresetComponent::getSelectedSlotId() const
{
    return slotBox.getSelectedId();
}

void SendPresetComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);
    g.drawImageAt (getSkinImage (SkinImageId::sendToHardwareTitle), 100, 10);
}

void SendPresetComponent::resized()
{
    slotBox.setBounds (250, 50, 75, 25);
    caption.attachToComponent (&slotBox, true);
    sendButton->setTopLeftPosition (slotBox.getX(), 100);
}
