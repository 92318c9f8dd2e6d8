#include "EditorTestSupport.h"
#include "editor/PadColourPalette.h"
#include "editor/PadView.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

namespace
{
// The pad's overlay tints what lies under it a little.
bool near (juce::Colour a, juce::Colour b, int tolerance = 24)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance &&
           std::abs (a.getGreen() - b.getGreen()) <= tolerance &&
           std::abs (a.getBlue() - b.getBlue()) <= tolerance;
}

float brightest (const juce::Image& image, juce::Rectangle<int> area)
{
    float best = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            best = juce::jmax (best, image.getPixelAt (x, y).getPerceivedBrightness());
    return best;
}

// Where the view writes its lines.
const juce::Rectangle<int> firstLine (8, 12, 85, 16);
const juce::Rectangle<int> secondLineLeft (8, 32, 40, 16);
const juce::Rectangle<int> secondLineRight (51, 32, 40, 16);
const juce::Rectangle<int> channelLine (8, 52, 85, 16);

class PadViews : public testing::Test
{
protected:
    ~PadViews() override
    {
        for (auto& view : views)
            view->releaseOwner();
    }

    PadView& viewOf (VexoPad::Ptr padToShow, const juce::String& number = "7")
    {
        views.add (new PadView (padToShow, number, getSkinImage (SkinImageId::padNormal),
                                getSkinImage (SkinImageId::padOver), getSkinImage (SkinImageId::padOn)));
        return *views.getLast();
    }

    PadView& view() { return views.isEmpty() ? viewOf (pad) : *views.getFirst(); }

    void set (const char* name, int value) { pad->setParameterValue (name, value); }

    // Value changes reach the view on the message loop, as they reach every listener.
    static void settle() { testing_support::pumpMessages (20); }

    juce::Image picture() { return view().createComponentSnapshot (view().getLocalBounds()); }

    VexoPad::Ptr pad{new VexoPad()};
    juce::ReferenceCountedArray<PadView> views;
};
} // namespace

TEST_F (PadViews, ShowThePadsSettingsAsSoonAsTheyAreMade)
{
    set (VexoPad::Param::midiNote, 60);
    set (VexoPad::Param::noteToggleMode, 1);
    set (VexoPad::Param::midiChannel, 3);
    set (VexoPad::Param::colorOn, 5);
    set (VexoPad::Param::colorOff, 9);

    auto& v = viewOf (pad, "12");
    EXPECT_EQ (v.getName(), "12");
    EXPECT_EQ (v.getWidth(), 98);
    EXPECT_EQ (v.getHeight(), 101);
    EXPECT_EQ (v.getPadType(), PadView::note);
    EXPECT_EQ (v.getNoteText(), "NOTE:60 (C4)");
    EXPECT_EQ (v.getModeText(), "TOG");
    EXPECT_EQ (v.getChannelText(), "MIDI CH:A3");
    EXPECT_EQ (v.getProgramText(), "PROG:0");
    EXPECT_EQ (v.getMsbText(), "MSB:0");
    EXPECT_EQ (v.getLsbText(), "LSB:0");
    EXPECT_EQ (v.getOnColour(), juce::Colour (28, 233, 30));
    EXPECT_EQ (v.getOffColour(), juce::Colour (14, 101, 231));
    EXPECT_EQ (v.getControl().get(), pad.get());
}

TEST_F (PadViews, NameThePortOnlyForChannelsOneToThirtyTwo)
{
    const std::pair<int, const char*> cases[] = {
        {0, "MIDI CH:COM"},  {1, "MIDI CH:A1"},  {16, "MIDI CH:A16"}, {17, "MIDI CH:B1"},
        {32, "MIDI CH:B16"}, {33, "MIDI CH:17"}, {40, "MIDI CH:24"},  {127, "MIDI CH:111"},
    };
    for (auto [value, text] : cases)
    {
        SCOPED_TRACE (value);
        set (VexoPad::Param::midiChannel, value);
        settle();
        EXPECT_EQ (view().getChannelText(), text);
    }
}

TEST_F (PadViews, NameOnlyTheTwoTriggerModesTheyKnow)
{
    const std::pair<int, const char*> cases[] = {{0, "MOM"}, {1, "TOG"}, {2, ""}, {127, ""}};
    for (auto [value, text] : cases)
    {
        SCOPED_TRACE (value);
        set (VexoPad::Param::noteToggleMode, value);
        settle();
        EXPECT_EQ (view().getModeText(), text);
    }
}

TEST_F (PadViews, FollowTheSettingsWhoeverChangesThem)
{
    view();
    set (VexoPad::Param::programNumber, 42);
    set (VexoPad::Param::programMsb, 3);
    set (VexoPad::Param::programLsb, 126);
    set (VexoPad::Param::midiNote, 37);
    settle();
    EXPECT_EQ (view().getProgramText(), "PROG:42");
    EXPECT_EQ (view().getMsbText(), "MSB:3");
    EXPECT_EQ (view().getLsbText(), "LSB:126");
    EXPECT_EQ (view().getNoteText(), "NOTE:37 (C#2)");

    // A whole record loaded at once, as a drop or a preset from the device loads it.
    VexoPad other;
    other.setParameterValue (VexoPad::Param::parameterType, 2);
    other.setParameterValue (VexoPad::Param::midiChannel, 20);
    other.setParameterValue (VexoPad::Param::colorOn, 1);
    ASSERT_TRUE (pad->fromBytes (other.toBytes()));
    settle();
    EXPECT_EQ (view().getPadType(), PadView::programBank);
    EXPECT_EQ (view().getChannelText(), "MIDI CH:B4");
    EXPECT_EQ (view().getOnColour(), juce::Colour (245, 3, 3));

    // A number box leaves its number as text in the parameter.
    pad->getParameterValue (VexoPad::Param::programNumber) = "17";
    settle();
    EXPECT_EQ (view().getProgramText(), "PROG:17");
}

TEST_F (PadViews, DrawTheOffColourAtOnceAndNothingForAColourWithoutOne)
{
    const auto red = juce::Colour (245, 3, 3);
    view();
    set (VexoPad::Param::colorOff, 1);
    settle();
    auto image = picture();
    EXPECT_TRUE (near (image.getPixelAt (5, 50), red)) << image.getPixelAt (5, 50).toDisplayString (true);
    EXPECT_TRUE (near (image.getPixelAt (50, 91), red)) << image.getPixelAt (50, 91).toDisplayString (true);
    // The on colour's edges are not the off colour's.
    EXPECT_FALSE (near (image.getPixelAt (93, 50), red));

    set (VexoPad::Param::colorOn, 4);
    settle();
    image = picture();
    EXPECT_TRUE (near (image.getPixelAt (93, 50), juce::Colour (250, 237, 21)));
    EXPECT_TRUE (near (image.getPixelAt (50, 4), juce::Colour (250, 237, 21)));

    // 17 is a colour the pad admits but has no light for: the edges show what is under them.
    set (VexoPad::Param::colorOff, 17);
    settle();
    EXPECT_EQ (view().getOffColour(), juce::Colours::transparentBlack);
    image = picture();
    EXPECT_FALSE (near (image.getPixelAt (5, 50), red));
    EXPECT_EQ (PadView::getPaletteColour (PadColourPalette::getColours(), -1),
               juce::Colours::transparentBlack);
    EXPECT_EQ (PadView::getPaletteColour (PadColourPalette::getColours(), 16), juce::Colour (206, 225, 235));
}

TEST_F (PadViews, WriteTheLinesOfTheirType)
{
    view();
    const auto lit = [] (const juce::Image& image, juce::Rectangle<int> area)
    { return brightest (image, area) > 0.8f; };

    // NOTE: the note and the mode.
    auto image = picture();
    EXPECT_TRUE (lit (image, firstLine));
    EXPECT_TRUE (lit (image, secondLineLeft));
    EXPECT_TRUE (lit (image, channelLine));

    // PROGRAM: the program only; the note and mode lines go though nothing else changed.
    set (VexoPad::Param::parameterType, 1);
    settle();
    image = picture();
    EXPECT_TRUE (lit (image, firstLine));
    EXPECT_FALSE (lit (image, secondLineLeft));
    EXPECT_FALSE (lit (image, secondLineRight));

    // PROGRAM BANK: the MSB on the left of the second line, the LSB on the right.
    set (VexoPad::Param::parameterType, 2);
    settle();
    image = picture();
    EXPECT_TRUE (lit (image, secondLineLeft));
    EXPECT_TRUE (lit (image, secondLineRight));

    // A type without a name writes neither the note nor the program lines, only the channel.
    for (int type : {3, 127})
    {
        SCOPED_TRACE (type);
        set (VexoPad::Param::parameterType, type);
        settle();
        image = picture();
        EXPECT_FALSE (lit (image, firstLine));
        EXPECT_FALSE (lit (image, secondLineLeft));
        EXPECT_TRUE (lit (image, channelLine));
    }
}

TEST_F (PadViews, NeverWriteToThePadTheyShow)
{
    // Values beyond what the lists name, as a file or the device may bring them.
    set (VexoPad::Param::parameterType, 99);
    set (VexoPad::Param::noteToggleMode, 5);
    set (VexoPad::Param::midiChannel, 127);
    set (VexoPad::Param::colorOn, 17);
    set (VexoPad::Param::colorOff, 17);
    const auto before = pad->toBytes();

    int changes = 0;
    struct Counter : juce::Value::Listener
    {
        explicit Counter (int& c)
            : count (c)
        {
        }
        void valueChanged (juce::Value&) override { ++count; }
        int& count;
    } counter (changes);
    auto watched = pad->getParameterValue (VexoPad::Param::parameterType);
    watched.addListener (&counter);

    viewOf (pad);
    picture();
    settle();
    views.getFirst()->releaseOwner();
    views.clear();
    settle();

    EXPECT_EQ (pad->toBytes(), before);
    EXPECT_EQ (changes, 0);
    EXPECT_TRUE (pad->getParameterValue (VexoPad::Param::colorOff).getValue().isInt());
}

TEST_F (PadViews, AViewDeletedOutrightRatherThanThroughItsCountGoesOnce)
{
    {
        PadView onTheStack (pad, "1", getSkinImage (SkinImageId::padNormal),
                            getSkinImage (SkinImageId::padOver), getSkinImage (SkinImageId::padOn));
        EXPECT_EQ (onTheStack.getReferenceCount(), 1); // itself, through its drag part
    }
    // Still alive to tell: the view held itself and was not deleted a second time on its way out.
    EXPECT_EQ (pad->getReferenceCount(), 1);
}
