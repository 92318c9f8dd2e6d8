#include "ProgramTest.h"
#include "support/MessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <ostream>
#include <vector>

namespace juce
{
// Readable failures.
void PrintTo (const Point<int>& point, std::ostream* out)
{
    *out << "(" << point.toString() << ")";
}
void PrintTo (const KeyPress& key, std::ostream* out)
{
    *out << key.getTextDescription();
}
void PrintTo (const Colour& colour, std::ostream* out)
{
    *out << colour.toDisplayString (true);
}
} // namespace juce

// Checks of the driving itself. Most drive a window of the test's own that records what reaches
// it, so that what arrived can be held against what was sent; one moves a window of the
// program's. When one of these fails, no end-to-end test can be trusted.
namespace
{
using ScreenDriving = ProgramTest;

// A top-level window of this test process, titled with its name, painted in four known colours
// above a text field, and keeping the mouse and keys that reach it.
class RecordingWindow : public juce::Component
{
public:
    explicit RecordingWindow (const juce::String& title)
        : juce::Component (title)
    {
        setOpaque (true);
        setWantsKeyboardFocus (true);
        addAndMakeVisible (field);
        field.setBounds (10, 250, 380, 40);
        setBounds (100, 100, 400, 300);
        addToDesktop (juce::ComponentPeer::windowAppearsOnTaskbar);
        setVisible (true);
    }

    ~RecordingWindow() override { removeFromDesktop(); }

    bool showsUp()
    {
        return testing_support::pumpUntil ([this] { return screen::isShowing (getName()); });
    }

    // Lets the window take in what the X server has sent it so far.
    void catchUp() { testing_support::pumpMessages (200); }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colours::black);
        g.setColour (juce::Colours::red);
        g.fillRect (0, 0, 200, 120);
        g.setColour (juce::Colour (0xff00ff00));
        g.fillRect (200, 0, 200, 120);
        g.setColour (juce::Colours::blue);
        g.fillRect (0, 120, 200, 120);
        g.setColour (juce::Colours::white);
        g.fillRect (200, 120, 200, 120);
    }

    void mouseDown (const juce::MouseEvent& e) override
    {
        downs.push_back (e.getPosition());
        rightButtonDowns += e.mods.isRightButtonDown() ? 1 : 0;
    }
    void mouseDrag (const juce::MouseEvent& e) override { drags.push_back (e.getPosition()); }
    void mouseUp (const juce::MouseEvent& e) override { ups.push_back (e.getPosition()); }

    bool keyPressed (const juce::KeyPress& key) override
    {
        keys.push_back (key);
        return true;
    }

    juce::TextEditor field;
    std::vector<juce::Point<int>> downs, drags, ups;
    int rightButtonDowns = 0;
    std::vector<juce::KeyPress> keys;
};
} // namespace

TEST_F (ScreenDriving, ClicksLandWhereTheyAreAimedInsideTheWindow)
{
    RecordingWindow window ("Click Target");
    ASSERT_TRUE (window.showsUp());

    ASSERT_TRUE (screen::click ("Click Target", {37, 81}));
    ASSERT_TRUE (screen::click ("Click Target", {250, 190}, 3));
    window.catchUp();

    EXPECT_EQ (window.downs, (std::vector<juce::Point<int>>{{37, 81}, {250, 190}}));
    EXPECT_EQ (window.ups, window.downs);
    EXPECT_EQ (window.rightButtonDowns, 1);
}

TEST_F (ScreenDriving, ADragGoesDownAtItsStartThroughEveryStepAndUpAtItsEnd)
{
    RecordingWindow window ("Drag Target");
    ASSERT_TRUE (window.showsUp());

    ASSERT_TRUE (screen::drag ("Drag Target", {20, 30}, {120, 80}, 5));
    window.catchUp();

    EXPECT_EQ (window.downs, (std::vector<juce::Point<int>>{{20, 30}}));
    EXPECT_EQ (window.drags,
               (std::vector<juce::Point<int>>{{40, 40}, {60, 50}, {80, 60}, {100, 70}, {120, 80}}));
    EXPECT_EQ (window.ups, (std::vector<juce::Point<int>>{{120, 80}}));
}

// A modifier of one key combination must not stay on the next key; and text that starts with a
// dash, or needs Shift, is typed as it is.
TEST_F (ScreenDriving, KeysAndTextArriveWithExactlyTheirOwnModifiers)
{
    RecordingWindow window ("Key Target");
    ASSERT_TRUE (window.showsUp());

    window.grabKeyboardFocus();
    ASSERT_TRUE (screen::pressKeys ("Key Target", "ctrl+q"));
    ASSERT_TRUE (screen::pressKeys ("Key Target", "n shift+Tab"));
    window.catchUp();
    EXPECT_EQ (window.keys,
               (std::vector<juce::KeyPress>{
                   juce::KeyPress ('q', juce::ModifierKeys::ctrlModifier, 0), juce::KeyPress ('n', {}, 'n'),
                   juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0)}));

    window.field.grabKeyboardFocus();
    const juce::String text ("-n Mixed Case & Symbols: ~!@#$%^*()_+{}|\"<>?");
    ASSERT_TRUE (screen::typeText ("Key Target", text));
    window.catchUp();
    EXPECT_EQ (window.field.getText(), text);
}

TEST_F (ScreenDriving, APictureHoldsExactlyWhatTheWindowDraws)
{
    RecordingWindow window ("Picture Target");
    ASSERT_TRUE (window.showsUp());
    window.catchUp();

    const auto picture = screen::takePicture ("Picture Target");
    ASSERT_EQ (picture.getBounds(), juce::Rectangle<int> (400, 300));
    EXPECT_EQ (picture.getPixelAt (100, 60), juce::Colours::red);
    EXPECT_EQ (picture.getPixelAt (300, 60), juce::Colour (0xff00ff00));
    EXPECT_EQ (picture.getPixelAt (100, 180), juce::Colours::blue);
    EXPECT_EQ (picture.getPixelAt (300, 180), juce::Colours::white);

    const auto png = folder.getChildFile ("window.png");
    ASSERT_TRUE (screen::saveScreenshot ("Picture Target", png));
    const auto saved = juce::ImageFileFormat::loadFrom (png);
    ASSERT_EQ (saved.getBounds(), picture.getBounds());
    EXPECT_EQ (saved.getPixelAt (100, 180), juce::Colours::blue);
}

// The program moves its window while the drag goes on, so this is where a drag aimed at places in
// the window, rather than on the screen, would run away with it.
TEST_F (ScreenDriving, AWindowDraggedByItsBodyEndsWhereTheDragEnds)
{
    ASSERT_TRUE (program.start());
    const auto asked = [] { return screen::isShowing ("Save Document"); };
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor Untitled 1", "ctrl+q", asked));

    const auto before = screen::getBounds ("Save Document");
    ASSERT_TRUE (screen::drag ("Save Document", {200, 20}, {300, 80}));
    const auto expected = before + juce::Point<int> (100, 60);
    EXPECT_TRUE (screen::waitUntil ([&] { return screen::getBounds ("Save Document") == expected; }, 3000))
        << "the box is at " << screen::getBounds ("Save Document").toString() << ", not at "
        << expected.toString();

    ASSERT_TRUE (answerNoUntilTheProgramEnds()) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}
