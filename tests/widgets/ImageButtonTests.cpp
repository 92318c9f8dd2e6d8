#include "PixelProbe.h"
#include "widgets/ImageButtonFactories.h"
#include "widgets/ImageButtonWithText.h"
#include "widgets/SkinImages.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace
{
juce::Image solidImage (int width, int height, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, width, height, false, juce::SoftwareImageType());
    image.clear (image.getBounds(), colour);
    return image;
}

juce::Image snapshot (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds());
}

// The image an image button shows in one of its states, as it would paint it.
juce::Image imageInState (juce::ImageButton& button, juce::Button::ButtonState state)
{
    button.setState (state);
    return snapshot (button);
}

struct ClickCounter : juce::Button::Listener
{
    void buttonClicked (juce::Button*) override { ++clicks; }
    int clicks = 0;
};
} // namespace

TEST (ImageButtonFactories, DialogButtonsAreNamedAndSizedByTheirNormalImage)
{
    const struct
    {
        ReferenceCountedImageButton::Ptr button;
        const char* name;
        int width;
        int height;
    } cases[] = {
        {createSendButton(), "Send", 96, 25},       {createApplyButton(), "Apply", 96, 25},
        {createRefreshButton(), "Refresh", 96, 25}, {createGetButton(), "Get", 96, 25},
        {createOkButton(), "OK", 96, 25},           {createCancelButton(), "Cancel", 96, 25},
        {createRevertButton(), "Revert", 96, 25},   {createBrowseButton(), "Browse", 74, 20},
        {createClearButton(), "Clear", 14, 13},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.button->getName(), c.name);
        EXPECT_EQ (c.button->getWidth(), c.width);
        EXPECT_EQ (c.button->getHeight(), c.height);
        // The whole rectangle takes clicks, transparent corners included.
        EXPECT_TRUE (static_cast<juce::Component&> (*c.button).hitTest (0, 0));
    }
}

TEST (ImageButtonFactories, ButtonStatesShowTheirOwnImages)
{
    auto send = createSendButton();
    EXPECT_TRUE (pixel_probe::samePixels (imageInState (*send, juce::Button::buttonNormal),
                                          getSkinImage (SkinImageId::sendButtonNormal)));
    EXPECT_TRUE (pixel_probe::samePixels (imageInState (*send, juce::Button::buttonOver),
                                          getSkinImage (SkinImageId::sendButtonOver)));
    EXPECT_TRUE (pixel_probe::samePixels (imageInState (*send, juce::Button::buttonDown),
                                          getSkinImage (SkinImageId::sendButtonDown)));

    auto clear = createClearButton();
    const auto normal = imageInState (*clear, juce::Button::buttonNormal);
    EXPECT_TRUE (pixel_probe::samePixels (normal, imageInState (*clear, juce::Button::buttonOver)));
    EXPECT_TRUE (pixel_probe::samePixels (normal, imageInState (*clear, juce::Button::buttonDown)));
}

TEST (ImageToggleButton, EveryClickTogglesAndOnlyTheTwoImagesAreDrawn)
{
    const auto off = solidImage (18, 17, juce::Colours::red);
    const auto on = solidImage (18, 17, juce::Colours::green);
    ImageToggleButton toggle ("toggle", off, on);
    toggle.setSize (18, 17);

    EXPECT_FALSE (toggle.getToggleState());
    EXPECT_TRUE (pixel_probe::samePixels (snapshot (toggle), off));

    toggle.triggerClick();
    testing_support::pumpMessages (20);
    EXPECT_TRUE (toggle.getToggleState());
    EXPECT_TRUE (pixel_probe::samePixels (snapshot (toggle), on));

    // Neither hovering nor pressing changes the picture.
    toggle.setState (juce::Button::buttonDown);
    EXPECT_TRUE (pixel_probe::samePixels (snapshot (toggle), on));

    toggle.triggerClick();
    testing_support::pumpMessages (20);
    EXPECT_FALSE (toggle.getToggleState());
}

TEST (ImageToggleButton, BankTogglesShowTheirOwnLetters)
{
    const struct
    {
        ImageToggleButton::Ptr toggle;
        SkinImageId off;
        SkinImageId on;
    } cases[] = {
        {createBankAToggleButton(), SkinImageId::bankAToggleOff, SkinImageId::bankAToggleOn},
        {createBankBToggleButton(), SkinImageId::bankBToggleOff, SkinImageId::bankBToggleOn},
        {createBankCToggleButton(), SkinImageId::bankCToggleOff, SkinImageId::bankCToggleOn},
        {createBankDToggleButton(), SkinImageId::bankDToggleOff, SkinImageId::bankDToggleOn},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (getSkinImageInfo (c.off).role);
        c.toggle->setSize (18, 17);
        EXPECT_TRUE (c.toggle->getClickingTogglesState());
        EXPECT_TRUE (pixel_probe::samePixels (snapshot (*c.toggle), getSkinImage (c.off)));
        c.toggle->setToggleState (true, juce::dontSendNotification);
        EXPECT_TRUE (pixel_probe::samePixels (snapshot (*c.toggle), getSkinImage (c.on)));
    }
}

TEST (ImageButtonWithText, ToggledBeatsHoverAndHoverBeatsNormal)
{
    ImageButtonWithText button ("", solidImage (21, 21, juce::Colours::red),
                                solidImage (21, 21, juce::Colours::green),
                                solidImage (21, 21, juce::Colours::blue));
    button.setSize (21, 21);

    EXPECT_EQ (snapshot (button).getPixelAt (10, 10), juce::Colours::red);

    button.setState (juce::Button::buttonOver);
    EXPECT_EQ (snapshot (button).getPixelAt (10, 10), juce::Colours::blue);

    // Pressed has no picture of its own.
    button.setState (juce::Button::buttonDown);
    EXPECT_EQ (snapshot (button).getPixelAt (10, 10), juce::Colours::blue);

    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (snapshot (button).getPixelAt (10, 10), juce::Colours::green);
}

TEST (ImageButtonWithText, WritesItsNameInTheLooksLabelColourAtItsOffset)
{
    juce::LookAndFeel_V3 look;
    look.setColour (juce::Label::textColourId, juce::Colours::yellow);

    ImageButtonWithText button ("B", solidImage (40, 30, juce::Colours::black), {}, {});
    button.setLookAndFeel (&look);
    button.setSize (40, 30);
    button.setTextOffsetX (20.0f);
    button.setTextOffsetY (8.0f);

    const auto image = snapshot (button);
    button.setLookAndFeel (nullptr);

    auto writtenIn = [&image] (juce::Rectangle<int> area)
    {
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                if (pixel_probe::near (image.getPixelAt (x, y), juce::Colours::yellow, 90))
                    return true;
        return false;
    };

    EXPECT_TRUE (writtenIn ({20, 8, 20, 20}));
    EXPECT_FALSE (writtenIn ({0, 0, 19, 30}));
    EXPECT_FALSE (writtenIn ({0, 0, 40, 7}));
}

TEST (DragClickedButton, HoveringADragClicksOnceAfterTheHoverTime)
{
    ImageButtonWithText button ("A", solidImage (21, 21, juce::Colours::grey), {}, {});
    EXPECT_EQ (button.getHoverTime(), 1000);
    button.setHoverTime (100);

    ClickCounter counter;
    button.addListener (&counter);
    const juce::DragAndDropTarget::SourceDetails drag ("Drag Drop Component", nullptr, {5, 5});

    EXPECT_TRUE (button.isInterestedInDragSource (drag));

    // Leaving or dropping before the hover time clicks nothing.
    button.itemDragEnter (drag);
    button.itemDragExit (drag);
    button.itemDragEnter (drag);
    button.itemDropped (drag);
    testing_support::pumpMessages (300);
    EXPECT_EQ (counter.clicks, 0);

    // Staying clicks, and only once however long the drag stays.
    button.itemDragEnter (drag);
    EXPECT_TRUE (testing_support::pumpUntil ([&counter] { return counter.clicks > 0; }, 2000));
    testing_support::pumpMessages (300);
    EXPECT_EQ (counter.clicks, 1);

    button.removeListener (&counter);
}
