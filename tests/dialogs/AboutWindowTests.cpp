#include "dialogs/AboutWindow.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace
{
juce::Image logoOfOneColour (juce::Colour colour)
{
    juce::Image logo (juce::Image::ARGB, 501, 275, true);
    logo.clear (logo.getBounds(), colour);
    return logo;
}

int countBrightPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            count += image.getPixelAt (x, y).getBrightness() > 0.8f ? 1 : 0;
    return count;
}
} // namespace

TEST (AboutBox, VersionLineAcrossTheMiddle)
{
    AboutComponent about (logoOfOneColour (juce::Colours::black));
    const auto& version = about.getVersionLabel();

    EXPECT_EQ (about.getWidth(), 501);
    EXPECT_EQ (about.getHeight(), 275);
    EXPECT_EQ (version.getText(), "Version: 1.0.8");
    EXPECT_EQ (version.getBounds(), juce::Rectangle<int> (0, 107, 501, 15));
    EXPECT_EQ (version.getFont().getHeight(), 15.0f);
    EXPECT_EQ (version.getJustificationType(), juce::Justification::centred);
    EXPECT_EQ (version.findColour (juce::Label::textColourId), juce::Colour (255, 255, 255));
    EXPECT_FALSE (version.isEditableOnSingleClick());
    EXPECT_FALSE (version.isEditableOnDoubleClick());
    EXPECT_TRUE (version.isVisible());
}

TEST (AboutBox, DrawsTheLogoWithTheVersionAndTwoNoticeLinesThatFit)
{
    const auto logoColour = juce::Colour (20, 30, 60);
    AboutComponent about (logoOfOneColour (logoColour));
    const auto picture = about.createComponentSnapshot (about.getLocalBounds(), true, 1.0f);

    // The logo fills the box; the writing is in white where it belongs, and nowhere else.
    EXPECT_EQ (picture.getPixelAt (3, 3), logoColour);
    EXPECT_GT (countBrightPixels (picture, {0, 107, 501, 15}), 30);
    EXPECT_GT (countBrightPixels (picture, AboutComponent::getFirstNoticeArea (501)), 30);
    EXPECT_GT (countBrightPixels (picture, AboutComponent::getSecondNoticeArea (501)), 30);
    EXPECT_EQ (countBrightPixels (picture, {0, 130, 501, 75}), 0);

    // Each line fits whole in the box's width, so none ends in an ellipsis.
    const juce::Font font (15.0f);
    for (const auto& line : {AboutComponent::firstNoticeLine, AboutComponent::secondNoticeLine})
        EXPECT_LT (font.getStringWidthFloat (line), 490.0f) << line;
}

TEST (AboutBox, WindowWithoutTitleBarOverTheOthersAtTheLogosSize)
{
    AboutWindow::Ptr window (new AboutWindow (logoOfOneColour (juce::Colours::black), "VexoB Editor"));

    EXPECT_EQ (window->getName(), "About VexoB Editor");
    EXPECT_EQ (window->getContentComponent(), &window->getContent());
    EXPECT_EQ (window->getBounds().getWidth(), 501);
    EXPECT_EQ (window->getBounds().getHeight(), 275);
    EXPECT_EQ (window->getContent().getBounds(), juce::Rectangle<int> (0, 0, 501, 275));
    EXPECT_FALSE (window->isUsingNativeTitleBar());
    EXPECT_FALSE (window->isResizable());
    EXPECT_TRUE (window->isAlwaysOnTop());
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_TRUE (window->isVisible());

    const auto area = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    EXPECT_LE (std::abs (window->getBounds().getCentreX() - area.getCentreX()), 1);
    EXPECT_LE (std::abs (window->getBounds().getCentreY() - area.getCentreY()), 1);
}

TEST (AboutBox, AClickAnywhereOrACloseTakesItOffTheScreenAndTheWindowLivesOn)
{
    AboutWindow::Ptr window (new AboutWindow (logoOfOneColour (juce::Colours::black), "VexoB Editor"));
    const auto place = window->getBounds();
    auto& content = window->getContent();

    const juce::Point<float> where (400.0f, 250.0f);
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent click (juce::Desktop::getInstance().getMainMouseSource(), where,
                                  juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &content, &content, now,
                                  where, now, 1, false);
    content.mouseUp (click);

    EXPECT_FALSE (window->isOnDesktop());
    EXPECT_EQ (window->getContentComponent(), &content);

    // Shown again as the application does: the same window at the same place.
    window->addToDesktop();
    window->setVisible (true);
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_EQ (window->getBounds(), place);
    window->getPeer()->handleUserClosingWindow(); // as the window manager's close does
    EXPECT_FALSE (window->isShowing());
    testing_support::pumpMessages (20);
}
