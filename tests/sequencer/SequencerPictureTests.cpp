#include "SequencerTestSupport.h"

using namespace sequencer_test;

namespace
{
// A few filled tracks and a short sequence, as a user would leave them.
VexoBEditorPreset::Ptr presetWithAFewTracks()
{
    auto preset = makePreset();
    preset->getSequencer()->setParameterValue (VexoBSequencer::Param::sequenceLength, 11);
    for (int step = 1; step <= 32; step += 2)
        setStep (preset, 0, step, 127);
    for (int step = 1; step <= 32; ++step)
        setStep (preset, 1, step, step * 4 - 1);
    setStep (preset, 2, 5, 1);
    setStep (preset, 2, 9, 64);
    setStep (preset, 3, 12, 100);
    preset->setName ("DRUMS 1");
    return preset;
}
} // namespace

TEST (SequencerPicture, GridShadeBarsAndHeaderAreWhereTheyBelong)
{
    auto preset = presetWithAFewTracks();
    SequencerComponent editor (preset);
    editor.getTable().selectRow (1);
    settle();

    const auto image = snapshotOf (editor);
    keepForViewing (image, "sequencer");

    ASSERT_EQ (image.getWidth(), 1176);
    ASSERT_EQ (image.getHeight(), 721);

    // The editor's own grey around the controls.
    EXPECT_TRUE (near (image.getPixelAt (600, 25), SequencerComponent::backgroundColour));

    // Header: black, with light writing over step 1's column.
    const int headerMiddle = 40 + editor.getTable().getHeader().getHeight() / 2;
    EXPECT_TRUE (near (image.getPixelAt (50, 42), juce::Colours::black));
    float brightest = 0.0f;
    for (int x = 221; x < 247; ++x)
        for (int y = headerMiddle - 6; y < headerMiddle + 6; ++y)
            brightest = juce::jmax (brightest, luminance (image.getPixelAt (x, y)));
    EXPECT_GT (brightest, 120.0f) << "the column name \"1\"";

    // Row 0 (below the header): step 1 on, in full red; step 2 off shows the row's background.
    const int row0 = 40 + editor.getTable().getHeader().getHeight() + 11;
    EXPECT_TRUE (near (image.getPixelAt (234, row0), juce::Colours::red, 6));
    EXPECT_TRUE (near (image.getPixelAt (263, row0), SequencerListBoxTableModel::evenRowColour, 6));

    // Beyond the length of 12 steps everything is shaded, the velocity strip too.
    const auto shadeStart = 249 + 29 * 11;
    const auto lit = image.getPixelAt (shadeStart - 20, row0 + 22);
    const auto shaded = image.getPixelAt (shadeStart + 9, row0 + 22);
    EXPECT_GT (luminance (lit), luminance (shaded) + 60.0f);

    // The shade leaves the table's scroll bar alone: it shows in its own colours.
    auto& bar = editor.getTable().getVerticalScrollBar();
    const auto barArea = editor.getLocalArea (&bar, bar.getLocalBounds());
    EXPECT_TRUE (
        near (image.getPixelAt (barArea.getX() + 4, barArea.getBottom() - 8), juce::Colours::darkgrey));

    // The velocity strip of row 1: step 12's bar (47) is orange and reaches about a third of the
    // way up; above it the strip's background shows.
    const int barTop = editor.getVelocityView().getY() + 16;
    const int step12 = 220 + 29 * 11 + 8;
    const auto barPixel = image.getPixelAt (step12, barTop + 55);
    EXPECT_GT (barPixel.getRed(), 240);
    EXPECT_TRUE (juce::isPositiveAndBelow (barPixel.getGreen() - 140, 45)) << (int)barPixel.getGreen();
    EXPECT_TRUE (near (image.getPixelAt (step12, barTop + 30), SequencerComponent::backgroundColour));
}
