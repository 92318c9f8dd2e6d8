#include "widgets/ImageButtonFactories.h"

#include "text/UiText.h"
#include "widgets/SkinImages.h"

namespace
{
ReferenceCountedImageButton::Ptr makeImageButton (const juce::String& name, SkinImageId normal,
                                                  SkinImageId over, SkinImageId down)
{
    ReferenceCountedImageButton::Ptr button = new ReferenceCountedImageButton (name);
    const auto none = juce::Colours::transparentBlack;

    // Sized to the normal image and clickable over its whole rectangle, transparent corners too.
    button->setImages (true, false, true, getSkinImage (normal), 1.0f, none, getSkinImage (over), 1.0f, none,
                       getSkinImage (down), 1.0f, none, 0.0f);
    return button;
}

ImageToggleButton::Ptr makeBankToggle (const juce::String& letter, SkinImageId off, SkinImageId on)
{
    return new ImageToggleButton (letter, getSkinImage (off), getSkinImage (on));
}
} // namespace

ReferenceCountedImageButton::Ptr createSendButton()
{
    return makeImageButton (UiText::sendButton, SkinImageId::sendButtonNormal, SkinImageId::sendButtonOver,
                            SkinImageId::sendButtonDown);
}

ReferenceCountedImageButton::Ptr createApplyButton()
{
    return makeImageButton (UiText::applyButton, SkinImageId::applyButtonNormal, SkinImageId::applyButtonOver,
                            SkinImageId::applyButtonDown);
}

ReferenceCountedImageButton::Ptr createRefreshButton()
{
    return makeImageButton (UiText::refreshButton, SkinImageId::refreshButtonNormal,
                            SkinImageId::refreshButtonOver, SkinImageId::refreshButtonDown);
}

ReferenceCountedImageButton::Ptr createGetButton()
{
    return makeImageButton (UiText::getButton, SkinImageId::getButtonNormal, SkinImageId::getButtonOver,
                            SkinImageId::getButtonDown);
}

ReferenceCountedImageButton::Ptr createOkButton()
{
    return makeImageButton (UiText::okButton, SkinImageId::okButtonNormal, SkinImageId::okButtonOver,
                            SkinImageId::okButtonDown);
}

ReferenceCountedImageButton::Ptr createCancelButton()
{
    return makeImageButton (UiText::cancelButton, SkinImageId::cancelButtonNormal,
                            SkinImageId::cancelButtonOver, SkinImageId::cancelButtonDown);
}

ReferenceCountedImageButton::Ptr createRevertButton()
{
    return makeImageButton (UiText::revertButton, SkinImageId::revertButtonNormal,
                            SkinImageId::revertButtonOver, SkinImageId::revertButtonDown);
}

ReferenceCountedImageButton::Ptr createBrowseButton()
{
    return makeImageButton (UiText::browseButton, SkinImageId::browseButtonNormal,
                            SkinImageId::browseButtonOver, SkinImageId::browseButtonDown);
}

ReferenceCountedImageButton::Ptr createClearButton()
{
    return makeImageButton (UiText::clearButton, SkinImageId::clearButton, SkinImageId::clearButton,
                            SkinImageId::clearButton);
}

ImageToggleButton::Ptr createBankAToggleButton()
{
    return makeBankToggle ("A", SkinImageId::bankAToggleOff, SkinImageId::bankAToggleOn);
}

ImageToggleButton::Ptr createBankBToggleButton()
{
    return makeBankToggle ("B", SkinImageId::bankBToggleOff, SkinImageId::bankBToggleOn);
}

ImageToggleButton::Ptr createBankCToggleButton()
{
    return makeBankToggle ("C", SkinImageId::bankCToggleOff, SkinImageId::bankCToggleOn);
}

ImageToggleButton::Ptr createBankDToggleButton()
{
    return makeBankToggle ("D", SkinImageId::bankDToggleOff, SkinImageId::bankDToggleOn);
}
