#include "SequencerTestSupport.h"
#include "sequencer/SequencerListBoxStepComponent.h"

using namespace sequencer_test;

namespace
{
struct VelocityStrip : ::testing::Test
{
    VelocityStrip() { settle(); }

    VelocityViewComponent& strip() { return editor.getVelocityView(); }

    VelocityStepComponent& stepEditor (int step)
    {
        auto* found = strip().getStepEditor (step);
        if (found == nullptr)
            ADD_FAILURE() << "no editor for step " << step;
        return *found;
    }

    VexoBEditorPreset::Ptr preset = makePreset();
    SequencerComponent editor{preset};
};

// Records every write as it happens: a value's listeners would only hear of the last of several.
struct RecordingSource : juce::Value::ValueSource
{
    juce::var getValue() const override { return current; }
    void setValue (const juce::var& newValue) override
    {
        current = newValue;
        written.add (newValue.toString());
        sendChangeMessage (false);
    }
    juce::var current{0};
    juce::StringArray written;
};
} // namespace

TEST_F (VelocityStrip, OpensOnTrackZeroWithAnEditorUnderEveryStepColumn)
{
    EXPECT_EQ (editor.getTable().getSelectedRow(), 0);
    EXPECT_EQ (strip().getTrack(), track (preset, 0));
    ASSERT_EQ (strip().getNumStepEditors(), 32);

    for (int step = 1; step <= 32; ++step)
    {
        SCOPED_TRACE (step);
        auto& stepEditorN = stepEditor (step);
        EXPECT_EQ (stepEditorN.getBounds(), juce::Rectangle<int> (220 + 29 * (step - 1), 0, 22, 100));
        EXPECT_EQ (stepEditorN.getBounds().getX(), columnArea (editor.getTable(), step).getX());
        EXPECT_TRUE (stepEditorN.isVisible());
    }

    auto& first = stepEditor (1);
    EXPECT_EQ (first.getNumberBox().getBounds(), juce::Rectangle<int> (0, 0, 22, 16));
    EXPECT_EQ (first.getNumberBox().getName(), "Velocity Step Value");
    EXPECT_FLOAT_EQ (first.getNumberBox().getFont().getHeight(), 11.0f);
    EXPECT_EQ (first.getNumberBox().findColour (juce::Label::textColourId), juce::Colour (217, 217, 217));
    EXPECT_EQ (first.getBar().getBounds(), juce::Rectangle<int> (0, 16, 29, 64));
    EXPECT_EQ (first.getBar().getSliderStyle(), juce::Slider::LinearBarVertical);
    EXPECT_EQ (first.getBar().getMaximum(), 127.0);
    EXPECT_EQ (first.getBar().getInterval(), 0.0);

    EXPECT_EQ (strip().getBounds(), juce::Rectangle<int> (0, 637, 1176, 84));
}

TEST_F (VelocityStrip, SelectingARowShowsItsTrack)
{
    setStep (preset, 17, 1, 90);
    setStep (preset, 17, 32, 5);
    editor.getTable().selectRow (17);
    settle();

    EXPECT_EQ (strip().getTrack(), track (preset, 17));
    EXPECT_EQ (stepEditor (1).getNumberBox().getText(), "90");
    EXPECT_EQ (stepEditor (1).getBar().getValue(), 90.0);
    EXPECT_EQ (stepEditor (32).getNumberBox().getText(), "5");
    EXPECT_EQ (stepEditor (2).getNumberBox().getText(), "0") << "a step that is off";
    EXPECT_EQ (stepEditor (2).getBar().getValue(), 0.0);
}

// A slider keeps its value inside its range and writes what it kept back into the value it is
// bound to: bound before its range was set, every bar cut the velocities above 10 to 10.
TEST_F (VelocityStrip, ShowingATrackLeavesEveryVelocityAsItWas)
{
    for (int step = 1; step <= 32; ++step)
        setStep (preset, 9, step, step * 4 - 1);

    editor.getTable().selectRow (9);
    settle();

    for (int step = 1; step <= 32; ++step)
    {
        SCOPED_TRACE (step);
        EXPECT_EQ (stepOf (preset, 9, step), step * 4 - 1);
        EXPECT_EQ (stepEditor (step).getBar().getValue(), step * 4 - 1);
    }
}

TEST_F (VelocityStrip, TypedVelocityReachesTheStepTheTableCellAndTheBar)
{
    editor.getTable().selectRow (3);
    settle();

    typeInto (stepEditor (5).getNumberBox(), "100");
    EXPECT_EQ (stepOf (preset, 3, 5), 100);
    EXPECT_EQ (stepEditor (5).getBar().getValue(), 100.0);

    auto* cell = cellAt<SequencerListBoxStepComponent> (editor.getTable(), 3, 5);
    ASSERT_NE (cell, nullptr);
    EXPECT_EQ (cell->getColour(), juce::Colour (255, 54, 0));

    // And a double-click in the table shows in the strip.
    doubleClickCell (editor.getTable(), 3, 5);
    settle();
    EXPECT_EQ (stepEditor (5).getNumberBox().getText(), "0");
    EXPECT_EQ (stepEditor (5).getBar().getValue(), 0.0);
}

TEST (VelocityStripEntry, AVelocityOutOfRangeNeverReachesTheStep)
{
    auto preset = makePreset();
    auto* source = new RecordingSource();
    auto data = track (preset, 0)->getParameterData (stepName (7));
    data->value.referTo (juce::Value (source));

    SequencerComponent editor (preset);
    settle();
    auto* stepEditor = editor.getVelocityView().getStepEditor (7);
    ASSERT_NE (stepEditor, nullptr);

    typeInto (stepEditor->getNumberBox(), "200");
    typeInto (stepEditor->getNumberBox(), "-5");
    typeInto (stepEditor->getNumberBox(), "99");
    typeInto (stepEditor->getNumberBox(), "128");
    settle();

    for (const auto& text : source->written)
    {
        SCOPED_TRACE (text.toStdString());
        EXPECT_TRUE (juce::isPositiveAndBelow (text.getIntValue(), 128));
        EXPECT_EQ (juce::String (text.getIntValue()), text) << "not a plain number";
    }
    EXPECT_TRUE (source->written.contains ("99"));
    EXPECT_EQ (stepOf (preset, 0, 7), 99);
    EXPECT_TRUE (preset->validateBytes (preset->toBytes()));
}

TEST_F (VelocityStrip, DraggingABarStoresAVelocityWhoseWholePartTheRecordHolds)
{
    auto& bar = stepEditor (12).getBar();
    const auto at = [&bar] (float y) { return mouseEventOn (bar, {10.0f, y}, 1); };

    bar.mouseDown (at (40.0f));
    bar.mouseDrag (at (20.0f));
    bar.mouseUp (at (20.0f));
    settle();

    const auto stored = (double)track (preset, 0)->getParameterValue (stepName (12)).getValue();
    const auto recorded = (int)track (preset, 0)->toBytes()[11];
    EXPECT_GT (stored, 60.0);
    EXPECT_LT (stored, 127.0);
    EXPECT_EQ ((int)stored, recorded);
    EXPECT_EQ (stepEditor (12).getNumberBox().getText(), juce::String (recorded));

    auto* cell = cellAt<SequencerListBoxStepComponent> (editor.getTable(), 0, 12);
    ASSERT_NE (cell, nullptr);
    EXPECT_EQ (cell->getColour(), SequencerListBoxStepComponent::getVelocityColour (recorded));

    // A bar dragged to the bottom switches its step off.
    bar.mouseDown (at (20.0f));
    bar.mouseDrag (at (200.0f));
    bar.mouseUp (at (200.0f));
    settle();
    EXPECT_EQ (stepOf (preset, 0, 12), 0);
}

TEST_F (VelocityStrip, EditorsStayUnderTheirColumnsWhenColumnsAreHidden)
{
    auto& header = editor.getTable().getHeader();
    header.setColumnVisible (StepColumnLayout::noteColumnId, false);
    header.setColumnVisible (5, false);
    settle();

    EXPECT_EQ (stepEditor (1).getX(), 110);
    EXPECT_FALSE (stepEditor (5).isVisible());
    for (int step : {1, 4, 6, 20, 32})
    {
        SCOPED_TRACE (step);
        EXPECT_TRUE (stepEditor (step).isVisible());
        EXPECT_EQ (stepEditor (step).getX(), columnArea (editor.getTable(), step).getX());
    }

    // The next row's editors are placed the same way.
    editor.getTable().selectRow (8);
    EXPECT_EQ (stepEditor (6).getX(), columnArea (editor.getTable(), 6).getX());
    EXPECT_FALSE (stepEditor (5).isVisible());

    header.setColumnVisible (StepColumnLayout::noteColumnId, true);
    header.setColumnVisible (5, true);
    settle();
    EXPECT_EQ (stepEditor (5).getBounds(), juce::Rectangle<int> (336, 0, 22, 100));
    EXPECT_TRUE (stepEditor (5).isVisible());
}

TEST (VelocityStripAlone, WithoutATrackItShowsOnlyItsCaption)
{
    VelocityViewComponent strip;
    strip.setBounds (0, 0, 1176, 84);
    strip.setTrack (nullptr);
    EXPECT_EQ (strip.getNumStepEditors(), 0);
    EXPECT_EQ (strip.getStepEditor (1), nullptr);

    const auto image = snapshotOf (strip);
    float brightest = 0.0f;
    for (int x = 20; x < 120; ++x)
        for (int y = 30; y < 50; ++y)
            brightest = juce::jmax (brightest, luminance (image.getPixelAt (x, y)));
    EXPECT_GT (brightest, 150.0f) << "the caption VELOCITY";
    EXPECT_EQ (image.getPixelAt (300, 40).getAlpha(), 0);

    auto preset = makePreset();
    strip.setTrack (track (preset, 1));
    EXPECT_EQ (strip.getNumStepEditors(), 32);
    strip.setTrack (track (preset, 2));
    EXPECT_EQ (strip.getNumChildComponents(), 32) << "old editors leave the strip";
}
