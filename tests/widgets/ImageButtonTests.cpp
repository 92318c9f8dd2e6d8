#include "PixelProbe.h"
#include "support/MessageLoop.h"
#include "widgets/ImageButtonFactories.h"
#include "widgets/ImageButtonWithText.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

TEST (ImageButtonFactories, DialogButtonsAreNamedSizedAndShowTheirOwnImageInEachState)
{
    using Id = SkinImageId;
    const struct
    {
        ReferenceCountedImageButton::Ptr button;
        const char* name;
        int width;
        int height;
        SkinImageId normal;
        SkinImageId over;
        SkinImageId down;
    } cases[] = {
        {createSendButton(), "Send", 96, 25, Id::sendButtonNormal, Id::sendButtonOver, Id::sendButtonDown},
        {createApplyButton(), "Apply", 96, 25, Id::applyButtonNormal, Id::applyButtonOver,
         Id::applyButtonDown},
        {createRefreshButton(), "Refresh", 96, 25, Id::refreshButtonNormal, Id::refreshButtonOver,
         Id::refreshButtonDown},
        {createGetButton(), "Get", 96, 25, Id::getButtonNormal, Id::getButtonOver, Id::getButtonDown},
        {createOkButton(), "OK", 96, 25, Id::okButtonNormal, Id::okButtonOver, Id::okButtonDown},
        {createCancelButton(), "Cancel", 96, 25, Id::cancelButtonNormal, Id::cancelButtonOver,
         Id::cancelButtonDown},
        {createRevertButton(), "Revert", 96, 25, Id::revertButtonNormal, Id::revertButtonOver,
         Id::revertButtonDown},
        {createBrowseButton(), "Browse", 74, 20, Id::browseButtonNormal, Id::browseButtonOver,
         Id::browseButtonDown},
        {createClearButton(), "Clear", 14, 13, Id::clearButton, Id::clearButton, Id::clearButton},
    };

    // A button showing another button's image, or another state's, can only be caught if no two of
    // these images look alike.
    std::vector<SkinImageId> distinct;
    for (const auto& c : cases)
        for (auto id : {c.normal, c.over, c.down})
            if (std::find (distinct.begin(), distinct.end(), id) == distinct.end())
                distinct.push_back (id);
    for (size_t i = 0; i < distinct.size(); ++i)
        for (size_t j = i + 1; j < distinct.size(); ++j)
            EXPECT_FALSE (pixel_probe::samePixels (getSkinImage (distinct[i]), getSkinImage (distinct[j])))
                << getSkinImageInfo (distinct[i]).role << " / " << getSkinImageInfo (distinct[j]).role;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.button->getName().toStdString(), c.name);
        EXPECT_EQ (c.button->getWidth(), c.width);
        EXPECT_EQ (c.button->getHeight(), c.height);
        // The whole rectangle takes clicks, transparent corners included.
        EXPECT_TRUE (static_cast<juce::Component&> (*c.button).hitTest (0, 0));

        EXPECT_TRUE (pixel_probe::samePixels (imageInState (*c.button, juce::Button::buttonNormal),
                                              getSkinImage (c.normal)))
            << "normal";
        EXPECT_TRUE (pixel_probe::samePixels (imageInState (*c.button, juce::Button::buttonOver),
                                              getSkinImage (c.over)))
            << "over";
        EXPECT_TRUE (pixel_probe::samePixels (imageInState (*c.button, juce::Button::buttonDown),
                                              getSkinImage (c.down)))
            << "down";
    }
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
