#include "ProgramTest.h"
#include "XCapture.h"

// The main editor dragged by its background (to hand its preset to another window) shows a picture
// of itself under the pointer. Once dropped, nothing of that picture may stay on the window: not on
// the editor, and not on the menu bar above it.
namespace
{
class EditorDragPicture : public ProgramTest
{
};
} // namespace

TEST_F (EditorDragPicture, NothingOfTheDroppedPictureStaysOnTheMenuBar)
{
    const auto file = savePreset ("Picture.vexob");
    const juce::String title ("VexoB Editor Picture.vexob");
    ASSERT_TRUE (program.start ({file.getFullPathName()}));
    ASSERT_TRUE (screen::waitForWindow (title).isNotEmpty()) << "the main window did not appear";
    const int editorTop = screen::getBounds (title).getHeight() - 721;
    ASSERT_GT (editorTop, 0) << "no menu bar above the editor";

    // A spot of the menu bar with no menu name on it.
    const juce::Point<int> menuBar (600, editorTop / 2);
    juce::Thread::sleep (300);
    const auto before = screen::takePicture (title);
    ASSERT_TRUE (before.isValid());
    ASSERT_LT (before.getPixelAt (menuBar.x, menuBar.y).getPerceivedBrightness(), 0.5f);

    // From the background below the faders, up and to the left, at a hand's pace, resting a
    // moment before letting go: the picture, which follows the pointer, then lies over the whole
    // menu bar.
    const auto start = screen::getBounds (title).getPosition() + juce::Point<int> (1000, editorTop + 660);
    juce::StringArray drag{"xdotool",   "mousemove", "--sync", juce::String (start.x), juce::String (start.y),
                           "mousedown", "1"};
    for (int step = 0; step < 5; ++step)
        drag.addArray ({"sleep", "0.1", "mousemove_relative", "--", "-10", "-5"});
    drag.addArray ({"sleep", "0.3", "mouseup", "1"});
    juce::ChildProcess xdotool;
    ASSERT_TRUE (xdotool.start (drag));
    ASSERT_TRUE (xdotool.waitForProcessToFinish (10000));
    ASSERT_EQ (xdotool.getExitCode(), 0u);

    // Taken as the screen shows it, without raising the window first: raising it would have it
    // drawn again.
    juce::Thread::sleep (1000);
    const auto after = captureXWindow (screen::waitForWindow (title));
    ASSERT_TRUE (after.isValid());
    const auto spot = after.getPixelAt (menuBar.x, menuBar.y);
    EXPECT_LT (spot.getPerceivedBrightness(), 0.5f) << spot.toDisplayString (true);

    quitAnsweringNo (title);
}
