#include "skin/SkinRenderer.h"

#include "skin/DevicePainter.h"
#include "skin/DialogPainter.h"
#include "text/UiText.h"

namespace
{
using skin::ButtonState;
using skin::ControlState;

juce::Image dialogButton (const juce::String& caption, ButtonState state)
{
    return skin::paintPushButton (96, 25, caption, 13.0f, state);
}

// "Get" sits 2 pixels down in list rows 24 high: its face ends at the row's bottom edge.
juce::Image getButton (ButtonState state)
{
    return skin::paintPushButton (96, 25, UiText::getButton, 13.0f, state, 22);
}

juce::Image browseButton (ButtonState state)
{
    return skin::paintPushButton (74, 20, UiText::browseButton, 12.0f, state);
}

juce::Image sequencerClearButton (ButtonState state)
{
    return skin::paintPushButton (115, 22, "CLEAR SEQUENCE", 11.0f, state);
}
} // namespace

juce::Image renderSkinImage (SkinImageId id)
{
    switch (id)
    {
        case SkinImageId::mainEditorBackground:
            return skin::paintMainEditorBackground();

        case SkinImageId::knobNormal:
            return skin::paintKnob (ControlState::normal);
        case SkinImageId::knobOver:
            return skin::paintKnob (ControlState::over);
        case SkinImageId::knobOn:
            return skin::paintKnob (ControlState::on);
        case SkinImageId::faderNormal:
            return skin::paintFader (ControlState::normal);
        case SkinImageId::faderOver:
            return skin::paintFader (ControlState::over);
        case SkinImageId::faderOn:
            return skin::paintFader (ControlState::on);
        case SkinImageId::switchNormal:
            return skin::paintSwitch (ControlState::normal);
        case SkinImageId::switchOver:
            return skin::paintSwitch (ControlState::over);
        case SkinImageId::switchOn:
            return skin::paintSwitch (ControlState::on);
        case SkinImageId::padNormal:
            return skin::paintPad (ControlState::normal);
        case SkinImageId::padOver:
            return skin::paintPad (ControlState::over);
        case SkinImageId::padOn:
            return skin::paintPad (ControlState::on);
        case SkinImageId::padOverlay:
            return skin::paintPadOverlay();
        case SkinImageId::bankButtonNormal:
            return skin::paintBankButton (ControlState::normal);
        case SkinImageId::bankButtonOver:
            return skin::paintBankButton (ControlState::over);
        case SkinImageId::bankButtonOn:
            return skin::paintBankButton (ControlState::on);

        case SkinImageId::sendButtonNormal:
            return dialogButton (UiText::sendButton, ButtonState::normal);
        case SkinImageId::sendButtonOver:
            return dialogButton (UiText::sendButton, ButtonState::over);
        case SkinImageId::sendButtonDown:
            return dialogButton (UiText::sendButton, ButtonState::down);
        case SkinImageId::applyButtonNormal:
            return dialogButton (UiText::applyButton, ButtonState::normal);
        case SkinImageId::applyButtonOver:
            return dialogButton (UiText::applyButton, ButtonState::over);
        case SkinImageId::applyButtonDown:
            return dialogButton (UiText::applyButton, ButtonState::down);
        case SkinImageId::refreshButtonNormal:
            return dialogButton (UiText::refreshButton, ButtonState::normal);
        case SkinImageId::refreshButtonOver:
            return dialogButton (UiText::refreshButton, ButtonState::over);
        case SkinImageId::refreshButtonDown:
            return dialogButton (UiText::refreshButton, ButtonState::down);
        case SkinImageId::getButtonNormal:
            return getButton (ButtonState::normal);
        case SkinImageId::getButtonOver:
            return getButton (ButtonState::over);
        case SkinImageId::getButtonDown:
            return getButton (ButtonState::down);
        case SkinImageId::okButtonNormal:
            return dialogButton (UiText::okButton, ButtonState::normal);
        case SkinImageId::okButtonOver:
            return dialogButton (UiText::okButton, ButtonState::over);
        case SkinImageId::okButtonDown:
            return dialogButton (UiText::okButton, ButtonState::down);
        case SkinImageId::cancelButtonNormal:
            return dialogButton (UiText::cancelButton, ButtonState::normal);
        case SkinImageId::cancelButtonOver:
            return dialogButton (UiText::cancelButton, ButtonState::over);
        case SkinImageId::cancelButtonDown:
            return dialogButton (UiText::cancelButton, ButtonState::down);
        case SkinImageId::revertButtonNormal:
            return dialogButton (UiText::revertButton, ButtonState::normal);
        case SkinImageId::revertButtonOver:
            return dialogButton (UiText::revertButton, ButtonState::over);
        case SkinImageId::revertButtonDown:
            return dialogButton (UiText::revertButton, ButtonState::down);
        case SkinImageId::browseButtonNormal:
            return browseButton (ButtonState::normal);
        case SkinImageId::browseButtonOver:
            return browseButton (ButtonState::over);
        case SkinImageId::browseButtonDown:
            return browseButton (ButtonState::down);
        case SkinImageId::clearButton:
            return skin::paintClearButton();

        case SkinImageId::bankAToggleOff:
            return skin::paintBankToggle ("A", false);
        case SkinImageId::bankAToggleOn:
            return skin::paintBankToggle ("A", true);
        case SkinImageId::bankBToggleOff:
            return skin::paintBankToggle ("B", false);
        case SkinImageId::bankBToggleOn:
            return skin::paintBankToggle ("B", true);
        case SkinImageId::bankCToggleOff:
            return skin::paintBankToggle ("C", false);
        case SkinImageId::bankCToggleOn:
            return skin::paintBankToggle ("C", true);
        case SkinImageId::bankDToggleOff:
            return skin::paintBankToggle ("D", false);
        case SkinImageId::bankDToggleOn:
            return skin::paintBankToggle ("D", true);
        case SkinImageId::enabledToggleOff:
            return skin::paintEnabledToggle (false);
        case SkinImageId::enabledToggleOn:
            return skin::paintEnabledToggle (true);

        case SkinImageId::dialogBackground:
            return skin::paintDialogBackground();
        case SkinImageId::autoPopulateTitle:
            return skin::paintDialogTitle (200, "Auto Populate");
        case SkinImageId::midiSetupTitle:
            return skin::paintDialogTitle (200, UiText::midiSetupCommand);
        case SkinImageId::sendToHardwareTitle:
            return skin::paintDialogTitle (200, UiText::sendToHardwareCommand);
        case SkinImageId::sendMultiplePresetsTitle:
            return skin::paintDialogTitle (267, UiText::sendMultiplePresetsCommand);
        case SkinImageId::globalSettingsTitle:
            return skin::paintDialogTitle (409, "Global Settings");
        case SkinImageId::loadFromHardwareTitle:
            return skin::paintDialogTitle (409, UiText::loadFromHardwareCommand);
        case SkinImageId::divider:
            return skin::paintDivider();
        case SkinImageId::aboutLogo:
            return skin::paintAboutLogo();

        case SkinImageId::sequencerClearNormal:
            return sequencerClearButton (ButtonState::normal);
        case SkinImageId::sequencerClearOver:
            return sequencerClearButton (ButtonState::over);
        case SkinImageId::sequencerClearDown:
            return sequencerClearButton (ButtonState::down);
    }

    return {};
}
