#include "PixelProbe.h"
#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/EditorFactories.h"
#include "widgets/MessageBoxLook.h"
#include "widgets/VexoEditorCustomLook.h"

#include <gtest/gtest.h>

using pixel_probe::blankImage;
using pixel_probe::near;

namespace
{
// Keeps where the toggle button asked for its tick box.
struct TickBoxRecorder : VexoEditorCustomLook
{
    void drawTickBox (juce::Graphics& g, juce::Component& c, float x, float y, float w, float h, bool ticked,
                      bool enabled, bool over, bool down) override
    {
        asked = {x, y, w, h};
        askedTicked = ticked;
        VexoEditorCustomLook::drawTickBox (g, c, x, y, w, h, ticked, enabled, over, down);
    }

    juce::Rectangle<float> asked;
    bool askedTicked = false;
};

juce::Rectangle<float> tickBoxFor (int buttonHeight, bool ticked)
{
    TickBoxRecorder look;
    juce::ToggleButton button ("Enabled");
    button.setSize (120, buttonHeight);
    button.setToggleState (ticked, juce::dontSendNotification);

    auto image = blankImage (120, buttonHeight);
    juce::Graphics g (image);
    look.drawToggleButton (g, button, false, false);
    EXPECT_EQ (look.askedTicked, ticked);
    return look.asked;
}
} // namespace

TEST (VexoEditorCustomLook, TickBoxGrowsWithTheButtonUpToALimit)
{
    const auto small = tickBoxFor (16, true);
    EXPECT_NEAR (small.getWidth(), 13.2f, 1.0e-4f);
    EXPECT_NEAR (small.getHeight(), 13.2f, 1.0e-4f);
    EXPECT_FLOAT_EQ (small.getX(), 4.0f);
    EXPECT_NEAR (small.getY(), 1.4f, 1.0e-4f);

    const auto large = tickBoxFor (40, false);
    EXPECT_NEAR (large.getWidth(), 16.5f, 1.0e-4f);
    EXPECT_NEAR (large.getY(), 11.75f, 1.0e-4f);
}

TEST (VexoEditorCustomLook, TickBoxIsAnOutlineAtTheOriginWithACrossWhenTicked)
{
    VexoEditorCustomLook look;
    juce::Component component;
    auto image = blankImage (40, 40);
    {
        juce::Graphics g (image);
        look.drawTickBox (g, component, 20.0f, 20.0f, 10.0f, 10.0f, true, true, false, false);
    }

    const auto black = juce::Colours::black;
    EXPECT_TRUE (near (image.getPixelAt (0, 5), black, 40)) << "left edge";
    EXPECT_TRUE (near (image.getPixelAt (5, 0), black, 40)) << "top edge";
    EXPECT_GT (image.getPixelAt (5, 5).getAlpha(), 100) << "the cross";
    EXPECT_EQ (image.getPixelAt (5, 2).getAlpha(), 0) << "between the arms";
    EXPECT_EQ (image.getPixelAt (25, 25).getAlpha(), 0) << "the position asked for";

    auto unticked = blankImage (40, 40);
    {
        juce::Graphics g (unticked);
        look.drawTickBox (g, component, 0.0f, 0.0f, 10.0f, 10.0f, false, false, true, true);
    }
    EXPECT_TRUE (near (unticked.getPixelAt (0, 5), black, 40));
    EXPECT_EQ (unticked.getPixelAt (5, 5).getAlpha(), 0);
}

TEST (VexoEditorCustomLook, ProgressBarFillsItsShareInBlue)
{
    VexoEditorCustomLook look;
    double progress = 0.5;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colours::white);

    auto image = blankImage (102, 20);
    {
        juce::Graphics g (image);
        look.drawProgressBar (g, bar, 102, 20, 0.5, {});
    }

    // (1, 1, 50, 18): blue from x 1 to 50, the rest is background.
    EXPECT_TRUE (near (image.getPixelAt (0, 10), juce::Colours::white));
    EXPECT_TRUE (near (image.getPixelAt (1, 10), juce::Colour (46, 168, 243), 12));
    EXPECT_TRUE (near (image.getPixelAt (50, 10), juce::Colour (46, 168, 243), 12));
    EXPECT_TRUE (near (image.getPixelAt (51, 10), juce::Colours::white));
    EXPECT_TRUE (near (image.getPixelAt (25, 0), juce::Colours::white));
    EXPECT_TRUE (near (image.getPixelAt (25, 19), juce::Colours::white));
}

TEST (VexoEditorCustomLook, IndeterminateProgressShowsOnlyBackgroundAndText)
{
    VexoEditorCustomLook look;
    double progress = -1.0;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colours::white);

    auto image = blankImage (102, 20);
    {
        juce::Graphics g (image);
        look.drawProgressBar (g, bar, 102, 20, -1.0, "Reading");
    }

    bool sawText = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 102; ++x)
        {
            const auto pixel = image.getPixelAt (x, y);
            EXPECT_EQ (pixel.getRed(), pixel.getBlue()) << "no blue at " << x << ", " << y;
            sawText = sawText || pixel_probe::luminance (pixel) < 100.0f;
        }

    EXPECT_TRUE (sawText);
}

TEST (CustomLookForAuxiliaryWindows, ScrollBarTrackAndThumbAreInsetAsDrawn)
{
    CustomLookForAuxiliaryWindows look;
    juce::ScrollBar bar (true);
    bar.setColour (juce::ScrollBar::backgroundColourId, juce::Colours::red);
    bar.setColour (juce::ScrollBar::thumbColourId, juce::Colours::lime);

    auto image = blankImage (10, 100);
    {
        juce::Graphics g (image);
        look.drawScrollbar (g, bar, 0, 0, 10, 100, true, 40, 30, false, false);
    }

    // Track 8 wide from x 0; thumb 8 wide from x 1.
    EXPECT_TRUE (near (image.getPixelAt (0, 20), juce::Colours::red));
    EXPECT_TRUE (near (image.getPixelAt (7, 20), juce::Colours::red));
    EXPECT_EQ (image.getPixelAt (8, 20).getAlpha(), 0);
    EXPECT_TRUE (near (image.getPixelAt (1, 55), juce::Colours::lime));
    EXPECT_TRUE (near (image.getPixelAt (8, 55), juce::Colours::lime));
    EXPECT_TRUE (near (image.getPixelAt (0, 55), juce::Colours::red));
    EXPECT_EQ (image.getPixelAt (9, 55).getAlpha(), 0);
}

TEST (CustomLookForAuxiliaryWindows, ComboBoxArrowHangsFromTheMiddleLine)
{
    CustomLookForAuxiliaryWindows look;
    juce::ComboBox box;
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colours::red);
    box.setColour (juce::ComboBox::arrowColourId, juce::Colours::lime);
    box.setColour (juce::ComboBox::outlineColourId, juce::Colours::blue);

    for (int height : {20, 21})
    {
        SCOPED_TRACE (height);
        auto image = blankImage (100, height);
        {
            juce::Graphics g (image);
            look.drawComboBox (g, 100, height, false, 0, 0, 0, 0, box);
        }

        // Triangle (90, 14), (95, 10), (85, 10) for both heights.
        EXPECT_TRUE (near (image.getPixelAt (90, 11), juce::Colours::lime));
        EXPECT_TRUE (near (image.getPixelAt (90, 9), juce::Colours::red));
        EXPECT_TRUE (near (image.getPixelAt (90, 15), juce::Colours::red));
        EXPECT_TRUE (near (image.getPixelAt (82, 11), juce::Colours::red));
        // No outline.
        EXPECT_TRUE (near (image.getPixelAt (50, 0), juce::Colours::red));
        EXPECT_TRUE (near (image.getPixelAt (50, height - 1), juce::Colours::red));
    }
}

// The Auto Populate tool's longest choices end 7 clear of the arrow (10 wide, 5 from the right edge).
TEST (CustomLookForAuxiliaryWindows, AComboBoxsTextKeepsClearOfItsArrow)
{
    CustomLookForAuxiliaryWindows look;
    for (const auto* text : {"MOMENTARY", "CHROMATIC", "DESCENDING"})
    {
        auto box = createComboBox ("MODE", {text});
        styleAuxiliaryComboBox (*box);
        box->setLookAndFeel (&look);
        box->setSelectedId (1, juce::dontSendNotification);
        box->setSize (100, 18);
        const auto image = box->createComponentSnapshot (box->getLocalBounds());
        EXPECT_GT (pixel_probe::maxLuminance (image, {60, 0, 18, 18}), 80.0f) << text << " ends early";
        EXPECT_LT (pixel_probe::maxLuminance (image, {78, 0, 7, 18}), 80.0f) << text;
    }
}

TEST (CustomLookForAuxiliaryWindows, DialogComboBoxesAreGreyOnDarkWithoutOutline)
{
    auto box = createComboBox ("TEMPO LED", {"OFF", "ON"});
    styleAuxiliaryComboBox (*box);

    EXPECT_EQ (box->findColour (juce::ComboBox::textColourId), juce::Colour (212, 212, 212));
    EXPECT_EQ (box->findColour (juce::ComboBox::arrowColourId), juce::Colour (212, 212, 212));
    EXPECT_EQ (box->findColour (juce::ComboBox::backgroundColourId), juce::Colour (28, 28, 28));
    EXPECT_EQ (box->findColour (juce::ComboBox::outlineColourId), juce::Colours::transparentBlack);

    EXPECT_EQ (CustomLookForAuxiliaryWindows::getScrollBarThickness(), 10);
    EXPECT_EQ (CustomLookForAuxiliaryWindows::getListBoxBackgroundColour(), juce::Colour (0xff000000));
}

// The icon stands whole inside the box, clear of its top and left edges and of its text (from 80).
TEST (MessageBoxLook, AMessageBoxShowsItsIconWhole)
{
    MessageBoxLook look;
    const std::unique_ptr<juce::AlertWindow> box (look.createAlertWindow (
        "Save", "Save Preset: A", "Yes", "No", "Cancel", juce::MessageBoxIconType::WarningIcon, 3, {}));
    box->setLookAndFeel (&look);
    const auto picture = box->createComponentSnapshot (box->getLocalBounds());
    const auto ink = pixel_probe::luminance (box->findColour (juce::AlertWindow::backgroundColourId)) + 12;
    const auto inked = [&] (juce::Rectangle<int> r) { return pixel_probe::maxLuminance (picture, r) > ink; };
    EXPECT_TRUE (inked ({5, 5, 70, 80}) && !inked ({3, 3, 77, 2}) && !inked ({3, 3, 2, 80}) &&
                 !inked ({75, 3, 5, 80}));
}

// A path in a message box keeps its names whole and is broken only after a separator, whether it
// fits on one line of the box or needs several, however narrow the box's own layout of its text.
TEST (MessageBoxLook, APathInAMessageBreaksOnlyBetweenItsParts)
{
    MessageBoxLook look;
    for (const auto& folder :
         {juce::String ("/opt/VexoB Editor/Resources/"),
          "/home/a/" + juce::String::repeatedString ("Music Projects Of Many Years/", 12)})
    {
        const auto path = folder + "VexoB Editor - User Guide - v1.0.pdf";
        const std::unique_ptr<juce::AlertWindow> box (
            look.createAlertWindow ("Title", "Unable to find user guide.\n" + path, "OK", {}, {},
                                    juce::MessageBoxIconType::NoIcon, 1, {}));
        const auto shown = box->getDescription().fromFirstOccurrenceOf ("Title. ", false, false);
        juce::AttributedString text (shown);
        text.setFont (look.getAlertWindowMessageFont());
        juce::TextLayout layout;
        layout.createLayout (text, 300.0f);
        juce::StringArray lines;
        for (auto& line : layout)
            lines.add (shown.substring (line.stringRange.getStart(), line.stringRange.getEnd()).trimEnd());
        EXPECT_LE (layout.getWidth(), (float)box->getWidth() - 40.0f) << "fits the box";
        for (int i = 1; i < lines.size() - 1; ++i)
            EXPECT_TRUE (lines[i].endsWithChar ('/')) << lines[i];
        EXPECT_EQ (lines.joinIntoString ({}).replace (juce::CharPointer_UTF8 ("\xc2\xa0"), " "),
                   "Unable to find user guide." + path);
    }
}
