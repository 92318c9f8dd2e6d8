#include "SequencerTestSupport.h"
#include "sequencer/SequencerLookAndFeel.h"
#include "sequencer/SequencerOverlayComponent.h"

using namespace sequencer_test;

namespace
{
// A velocity bar as the strip builds it, drawn on its own.
struct Bar
{
    explicit Bar (double velocity)
    {
        slider.setLookAndFeel (&look);
        slider.setColour (juce::Slider::backgroundColourId, juce::Colours::transparentBlack);
        slider.setColour (juce::Slider::trackColourId, juce::Colours::transparentBlack);
        slider.setColour (juce::Slider::textBoxOutlineColourId, juce::Colours::transparentBlack);
        slider.setRange (0.0, 127.0, 0.0);
        slider.setBounds (0, 0, 29, 64);
        slider.setValue (velocity, juce::dontSendNotification);
    }

    ~Bar() { slider.setLookAndFeel (nullptr); }

    juce::Image draw() { return snapshotOf (slider); }

    SequencerLookAndFeel look;
    juce::Slider slider{juce::Slider::LinearBarVertical, juce::Slider::NoTextBox};
};

// The rows that hold something drawn in a column of an image.
juce::Range<int> inkRows (const juce::Image& image, int x)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < image.getHeight(); ++y)
        if (image.getPixelAt (x, y).getAlpha() > 0)
        {
            if (top < 0)
                top = y;
            bottom = y + 1;
        }
    return top < 0 ? juce::Range<int>() : juce::Range<int> (top, bottom);
}

juce::Image drawOverlay (SequencerOverlayComponent& overlay, int length)
{
    juce::Value lengthValue (length);
    overlay.setBounds (0, 0, 1176, 681);
    overlay.valueChanged (lengthValue);
    return snapshotOf (overlay);
}

// The shade is black at 60 %; grid lines are opaque, and the plain table shows through elsewhere.
bool isShaded (juce::Colour pixel)
{
    return pixel.getAlpha() > 140 && pixel.getAlpha() < 165 && pixel.getRed() == 0;
}
} // namespace

TEST (SequencerLook, VelocityBarsRunFromAYellowSliverToAFullRedBar)
{
    EXPECT_EQ (inkRows (Bar (0.0).draw(), 14), juce::Range<int>()) << "an off step draws no bar";
    EXPECT_EQ (inkRows (Bar (0.5).draw(), 14), juce::Range<int>()) << "below 1 is off too";

    // The slider's drawing area lies one pixel inside its bounds: 62 pixels for 0..127.
    const auto sliver = Bar (1.0).draw();
    const auto sliverRows = inkRows (sliver, 14);
    ASSERT_FALSE (sliverRows.isEmpty());
    EXPECT_GE (sliverRows.getStart(), 61);
    const auto yellow = sliver.getPixelAt (14, sliverRows.getStart());
    EXPECT_EQ (yellow.getRed(), 255);
    EXPECT_GE (yellow.getGreen(), 250);

    const auto half = Bar (64.0).draw();
    EXPECT_TRUE (near (half.getPixelAt (14, 50), juce::Colour (255, 128, 0), 2));
    EXPECT_NEAR (inkRows (half, 14).getStart(), 32, 1);

    const auto full = Bar (127.0).draw();
    EXPECT_EQ (inkRows (full, 14), juce::Range<int> (1, 62));
    EXPECT_TRUE (near (full.getPixelAt (14, 30), juce::Colour (255, 4, 0), 1));

    // The formula on the positions the framework passes: a slider position over the position of
    // the largest value, scaled to 255, low eight bits.
    EXPECT_EQ (SequencerLookAndFeel::getBarColour (63.0f, 63.0f), juce::Colour (255, 255, 0));
    EXPECT_EQ (SequencerLookAndFeel::getBarColour (31.5f, 63.0f), juce::Colour (255, 127, 0));
    EXPECT_EQ (SequencerLookAndFeel::getBarColour (0.0f, 63.0f), juce::Colour (255, 0, 0));
    EXPECT_EQ (SequencerLookAndFeel::getBarColour (10.0f, 0.0f), juce::Colour (255, 0, 0));
}

TEST (SequencerLook, HeaderIsBlackWithGreyNamesAndASmallerNoteColumn)
{
    SequencerLookAndFeel look;
    juce::TableHeaderComponent header;

    const auto drawColumn = [&] (const juce::String& name, int id)
    {
        juce::Image image (juce::Image::ARGB, 110, 28, true, juce::SoftwareImageType());
        juce::Graphics g (image);
        look.drawTableHeaderBackground (g, header);
        look.drawTableHeaderColumn (g, header, name, id, 110, 28, true, true, 0);
        return image;
    };
    const auto textRows = [] (const juce::Image& image)
    {
        int top = image.getHeight(), bottom = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (luminance (image.getPixelAt (x, y)) > 60.0f)
                {
                    top = juce::jmin (top, y);
                    bottom = juce::jmax (bottom, y + 1);
                }
        return bottom - top;
    };

    const auto pad = drawColumn ("NOTE", 33);
    const auto note = drawColumn ("NOTE", 34);
    EXPECT_TRUE (near (note.getPixelAt (2, 2), juce::Colours::black, 0));
    EXPECT_GT (textRows (pad), textRows (note)) << "the NOTE column's name is smaller";

    float brightest = 0.0f;
    for (int x = 0; x < 110; ++x)
        brightest = juce::jmax (brightest, luminance (pad.getPixelAt (x, 14)));
    EXPECT_NEAR (brightest, 200.0f, 3.0f) << "names are light grey, not white";

    EXPECT_FLOAT_EQ (SequencerLookAndFeel::getHeaderFontHeight (1), 18.0f);
    EXPECT_FLOAT_EQ (SequencerLookAndFeel::getHeaderFontHeight (33), 18.0f);
    EXPECT_FLOAT_EQ (SequencerLookAndFeel::getHeaderFontHeight (34), 16.0f);
}

TEST (SequencerOverlay, ShadesEverythingRightOfTheLastActiveStep)
{
    SequencerOverlayComponent overlay;
    bool self = true, children = true;
    overlay.getInterceptsMouseClicks (self, children);
    EXPECT_FALSE (self || children) << "clicks go through to the table";

    // One step: everything right of x 249, the strip below the table included.
    auto image = drawOverlay (overlay, 0);
    EXPECT_EQ (image.getPixelAt (240, 300).getAlpha(), 0);
    EXPECT_TRUE (isShaded (image.getPixelAt (255, 300)));
    EXPECT_TRUE (isShaded (image.getPixelAt (255, 660)));
    EXPECT_TRUE (isShaded (image.getPixelAt (1170, 10)));

    // Sixteen steps: steps 17 to 32.
    image = drawOverlay (overlay, 15);
    EXPECT_EQ (image.getPixelAt (680, 300).getAlpha(), 0);
    EXPECT_TRUE (isShaded (image.getPixelAt (690, 300)));

    // All 32: only the blank area right of the last column.
    image = drawOverlay (overlay, 31);
    EXPECT_EQ (image.getPixelAt (1140, 300).getAlpha(), 0);
    EXPECT_TRUE (isShaded (image.getPixelAt (1152, 300)));

    // A length the model would never hold still draws within the columns.
    juce::Value odd (40);
    overlay.valueChanged (odd);
    EXPECT_EQ (overlay.getLength(), 31);
}

TEST (SequencerOverlay, GridLinesAreBrighterAfterEveryFourthStep)
{
    SequencerOverlayComponent overlay;
    const auto image = drawOverlay (overlay, 31);
    const juce::Colour bright (68, 68, 68), dim (54, 54, 54);

    for (int step = 1; step <= 32; ++step)
    {
        SCOPED_TRACE (step);
        const auto x = 249 + 29 * (step - 1);
        EXPECT_TRUE (near (image.getPixelAt (x - 1, 300), step % 4 == 0 ? bright : dim, 1));
        if (step < 32)
            EXPECT_EQ (image.getPixelAt (x + 2, 300).getAlpha(), 0);
        else
            EXPECT_TRUE (isShaded (image.getPixelAt (x + 2, 300)));
    }

    // Between the pad columns and the steps, down through the strip.
    EXPECT_TRUE (near (image.getPixelAt (219, 670), bright, 1));

    // Between PAD and NOTE, but not into the velocity strip: it stops at y 598.
    EXPECT_TRUE (near (image.getPixelAt (109, 500), bright, 1));
    EXPECT_TRUE (near (image.getPixelAt (109, 597), bright, 1));
    EXPECT_EQ (image.getPixelAt (109, 602).getAlpha(), 0);
}

TEST (SequencerOverlay, FollowsTheColumnsTheTableShows)
{
    juce::TableHeaderComponent header;
    header.addColumn ("PAD", 33, 110, 110, 110, 9);
    header.addColumn ("NOTE", 34, 110, 110, 110, 9);
    for (int n = 1; n <= 32; ++n)
        header.addColumn (juce::String (n), n, 29, 29, 29, 9);
    EXPECT_TRUE (StepColumnLayout::fromHeader (header) == StepColumnLayout());

    header.setColumnVisible (34, false);
    header.setColumnVisible (3, false);
    const auto layout = StepColumnLayout::fromHeader (header);
    EXPECT_EQ (layout.getStepsStart(), 110);
    EXPECT_EQ (layout.getStepColumn (1), juce::Range<int> (110, 139));
    EXPECT_FALSE (layout.isStepShown (3));
    EXPECT_EQ (layout.getStepColumn (4), juce::Range<int> (168, 197));
    EXPECT_EQ (layout.getShadeStart (1), 168) << "step 3 is hidden, so the shade starts at step 4";
    EXPECT_EQ (layout.getShadeStart (31), 110 + 29 * 31);

    SequencerOverlayComponent overlay;
    overlay.setColumnLayout (layout);
    auto image = drawOverlay (overlay, 31);
    EXPECT_TRUE (near (image.getPixelAt (109, 660), SequencerOverlayComponent::brightLineColour, 1))
        << "the line before the steps follows them";
    EXPECT_EQ (image.getPixelAt (219, 300).getAlpha(), 0) << "no line where NOTE used to end";
    EXPECT_TRUE (near (image.getPixelAt (167, 300), SequencerOverlayComponent::dimLineColour, 1))
        << "the line after step 2 is where step 4 begins now";

    image = drawOverlay (overlay, 0);
    EXPECT_EQ (image.getPixelAt (130, 300).getAlpha(), 0);
    EXPECT_TRUE (isShaded (image.getPixelAt (145, 300)));
}
