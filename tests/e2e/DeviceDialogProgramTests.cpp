#include "ProgramTest.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

// The device dialogs in the running program, on the simulated device: each opens from its menu,
// and a preset sent to slot 5 comes back from the device into a new main window.
namespace
{
// Menus and items by their place: File is menu 0, Tools menu 1.
constexpr int fileMenu = 0, toolsMenu = 1;
constexpr int loadFromHardwareItem = 5, sendToHardwareItem = 6, sendMultiplePresetsItem = 1;

class DeviceDialogsProgram : public ProgramTest
{
protected:
    // A click on the main window's editor first: it takes the keyboard focus back from a dialog,
    // for the menu to get the keys, and moves the pointer off the menu bar, where the last menu
    // was opened (a move to where the pointer already is never ends).
    static bool opens (const juce::String& mainTitle, int menu, int item, const juce::String& dialog)
    {
        screen::click (mainTitle, {600, 60});
        return screen::chooseMenuItem (mainTitle, menu, item, [&] { return screen::isShowing (dialog); });
    }
};
} // namespace

TEST_F (DeviceDialogsProgram, EachDialogOpensFromItsMenu)
{
    ASSERT_TRUE (program.start());
    const juce::String main ("VexoB Editor Untitled 1");
    ASSERT_TRUE (screen::waitForWindow (main).isNotEmpty());

    EXPECT_TRUE (opens (main, fileMenu, sendToHardwareItem, "Send Preset"));
    EXPECT_TRUE (opens (main, fileMenu, loadFromHardwareItem, "Load Preset"));
    EXPECT_TRUE (opens (main, toolsMenu, sendMultiplePresetsItem, "Send Multiple Presets"));

    // Each dialog shows what it should; pictures of them for looking at, on request.
    for (const auto* title : {"Send Preset", "Load Preset", "Send Multiple Presets"})
    {
        const auto picture = screen::takePicture (title);
        EXPECT_FALSE (picture.isNull()) << title;
        const auto folderForPictures = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
        if (folderForPictures.isNotEmpty())
            screen::saveScreenshot (
                title, juce::File (folderForPictures).getChildFile (juce::String (title) + ".png"));
    }

    quitAnsweringNo (main);
}

// The window's preset goes to slot 5; read back with everything else, "Get" on slot 5 opens it in
// a new window, whose Save writes exactly the file the first window came from.
TEST_F (DeviceDialogsProgram, APresetSentToSlotFiveComesBackIntoANewWindow)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the program would use the desktop's own file chooser here";

    const auto original = savePreset ("Bass Line.vexob", "BASSLINE");
    ASSERT_TRUE (program.start ({original.getFullPathName()}));
    const juce::String main ("VexoB Editor Bass Line.vexob");
    ASSERT_TRUE (screen::waitForWindow (main).isNotEmpty());

    // Send To Hardware: slot "5", five below "RAM" in the slot box's list, then "Send".
    ASSERT_TRUE (opens (main, fileMenu, sendToHardwareItem, "Send Preset"));
    ASSERT_TRUE (screen::click ("Send Preset", {287, 62}));
    juce::Thread::sleep (400);
    ASSERT_TRUE (screen::pressKeysInFocus ("Down Down Down Down Down Return"));
    juce::Thread::sleep (300);
    ASSERT_TRUE (screen::click ("Send Preset", {298, 112}));

    ASSERT_TRUE (screen::waitForWindow ("VexoB Editor", 10000).isNotEmpty()) << "no message after the send";
    EXPECT_FALSE (screen::isShowing ("Send Preset")) << "a successful send closes the dialog";
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor", "Return",
                                         [] { return !screen::isShowing ("VexoB Editor"); }));

    // Load From Hardware reads every slot; "Get" on row 5 of the list at (20, 50), rows 24 high.
    ASSERT_TRUE (opens (main, fileMenu, loadFromHardwareItem, "Load Preset"));
    const juce::String opened ("VexoB Editor Untitled 2");
    // The rows are there once the pass has read all 31 slots; until then a click finds no "Get".
    // Each try clicks a pixel further down the button: the pointer never moves to where it is.
    int tries = 0;
    ASSERT_TRUE (screen::waitUntil (
        [&]
        {
            screen::click ("Load Preset", {20 + 475 + 48, 50 + 5 * 24 + 4 + tries++ % 16});
            return screen::waitUntil ([&] { return screen::isShowing (opened); }, 1000);
        },
        15000))
        << "Get opened no window";

    // Saved under a name of its own, the new window's preset is the one sent.
    const juce::String chooser ("Select filename to save");
    const auto cameBack = folder.getChildFile ("Came Back.vexob");
    ASSERT_TRUE (screen::pressKeysUntil (opened, "ctrl+s", [&] { return screen::isShowing (chooser); }));
    ASSERT_TRUE (screen::click (chooser, {300, 436}));
    ASSERT_TRUE (screen::typeText (chooser, cameBack.getFullPathName()));
    ASSERT_TRUE (screen::click (chooser, {545, 476}));
    ASSERT_TRUE (screen::waitForWindow ("VexoB Editor Came Back.vexob").isNotEmpty()) << "nothing saved";

    juce::MemoryBlock sent, received;
    ASSERT_TRUE (original.loadFileAsData (sent));
    ASSERT_TRUE (screen::waitUntil (
        [&] { return cameBack.loadFileAsData (received) && received.getSize() == 3483; }, 5000));
    EXPECT_EQ (received, sent);

    // Quit from the first window: two save questions.
    const auto asked = [] { return screen::isShowing ("Save Document"); };
    ASSERT_TRUE (screen::pressKeysUntil (main, "ctrl+q", asked));
    ASSERT_TRUE (answerNoUntilTheProgramEnds()) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}
