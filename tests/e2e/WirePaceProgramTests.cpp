#include "FileDrop.h"
#include "ProgramTest.h"
#include "XCapture.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <iostream>

// The program on a simulated device that takes bytes at a real MIDI wire's pace (about 1.1 s a
// dump), behind a send buffer that drops what overflows: a folder of 31 presets sent with Send
// Multiple Presets comes back whole through Load From Hardware, and the window that sent them leaves
// no picture of itself behind.
namespace
{
constexpr int fileMenu = 0, toolsMenu = 1;
constexpr int loadFromHardwareItem = 5, sendMultiplePresetsItem = 1;
// Both passes take about 36 s on the wire; this leaves room for a loaded machine.
constexpr int passTimeoutMs = 100000;

class WirePaceProgram : public ProgramTest
{
protected:
    static juce::String presetName (int slot) { return "Wire" + juce::String (slot).paddedLeft ('0', 2); }

    // As in the other device dialog tests: a click on the editor takes the focus back for the menu.
    static bool opens (const juce::String& mainTitle, int menu, int item, const juce::String& dialog)
    {
        screen::click (mainTitle, {600, 60});
        return screen::chooseMenuItem (mainTitle, menu, item, [&] { return screen::isShowing (dialog); });
    }

    // Saves a main window's preset under a name of its own and gives back the name inside the file.
    juce::String savedName (const juce::String& windowTitle, const juce::String& fileName)
    {
        const juce::String chooser ("Select filename to save");
        const auto file = folder.getChildFile (fileName);
        if (!screen::pressKeysUntil (windowTitle, "ctrl+s", [&] { return screen::isShowing (chooser); }) ||
            !screen::click (chooser, {300, 436}) || !screen::typeText (chooser, file.getFullPathName()) ||
            !screen::click (chooser, {545, 476}) ||
            screen::waitForWindow ("VexoB Editor " + fileName).isEmpty())
            return "<not saved>";
        screen::waitUntil ([&] { return presetIn (file) != nullptr; }, 5000);
        const auto preset = presetIn (file);
        return preset != nullptr ? preset->getName().trimEnd() : juce::String ("<unreadable>");
    }

    // The share of an area of the screen, but for the part a box covers, where the main window
    // shows what it showed in the picture. Read without raising the window, which would have it
    // drawn again.
    static double shareShownAgain (const juce::String& mainTitle, const juce::Image& picture,
                                   juce::Rectangle<int> area, juce::Rectangle<int> box)
    {
        const auto origin = screen::getBounds (mainTitle).getPosition();
        const auto now = captureXWindow (screen::waitForWindow (mainTitle));
        area = (area - origin).getIntersection (picture.getBounds());
        int same = 0, compared = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                if (!(box - origin).contains (x, y))
                {
                    ++compared;
                    same += now.getPixelAt (x, y) == picture.getPixelAt (x, y);
                }
        return compared > 0 ? same / (double)compared : 0.0;
    }

    // Clicks a row's "Get" until it opens the window; a row exists only once the pass is complete.
    static bool getOpens (juce::Point<int> getButton, const juce::String& opened, int timeoutMs)
    {
        int tries = 0;
        return screen::waitUntil (
            [&]
            {
                screen::click ("Load Preset", getButton.translated (0, tries++ % 8));
                return screen::waitUntil ([&] { return screen::isShowing (opened); }, 1000);
            },
            timeoutMs);
    }
};
} // namespace

TEST_F (WirePaceProgram, AFolderOf31PresetsSentThenReadBack)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the program would use the desktop's own file chooser here";

    const auto presets = folder.getChildFile ("Presets");
    ASSERT_TRUE (presets.createDirectory());
    for (int slot = 0; slot <= 30; ++slot)
        savePreset ("Presets/" + presetName (slot) + ".vexob", presetName (slot));

    ASSERT_TRUE (program.start ({}, "wire"));
    const juce::String main ("VexoB Editor Untitled 1");
    ASSERT_TRUE (screen::waitForWindow (main).isNotEmpty());

    // The folder dropped on the "RAM" row fills the slots in name order; "Send" goes once the read
    // is over (until then it is disabled), and the window closes with its message once all 31 are
    // acknowledged.
    const juce::String sendMultiple ("Send Multiple Presets"), message ("VexoB Editor");
    const auto mainPicture = screen::takePicture (main);
    ASSERT_TRUE (opens (main, toolsMenu, sendMultiplePresetsItem, sendMultiple));
    ASSERT_TRUE (screen::dropFiles (sendMultiple, {220, 47}, juce::StringArray (presets.getFullPathName())));
    const auto toolArea = screen::getBounds (sendMultiple);
    const auto sendStarted = juce::Time::getMillisecondCounter();
    int tries = 0;
    ASSERT_TRUE (screen::waitUntil (
        [&]
        {
            if (screen::isShowing (message))
                return true;
            screen::click (sendMultiple, {573, 200 + tries++ % 8});
            return screen::waitUntil ([&] { return screen::isShowing (message); }, 3000);
        },
        passTimeoutMs))
        << "the batch never ended";
    std::cout << "Send Multiple of 31 on the wire: "
              << (juce::Time::getMillisecondCounter() - sendStarted) / 1000.0 << " s\n";
    EXPECT_FALSE (screen::isShowing (sendMultiple)) << "a batch acknowledged whole closes its window";
    // What it uncovers is drawn again while the message is up, with no mouse moving over it.
    const auto box = screen::getBounds (message);
    EXPECT_TRUE (
        screen::waitUntil ([&] { return shareShownAgain (main, mainPicture, toolArea, box) > 0.9; }, 10000))
        << "the closed window's picture stays: " << shareShownAgain (main, mainPicture, toolArea, box);
    ASSERT_TRUE (screen::pressKeysUntil (message, "Return", [&] { return !screen::isShowing (message); }));

    // Load From Hardware lists the 31 slots once it has read them all: "Get" on "RAM" and, with the
    // list scrolled to its end, on slot 30, opens what was sent there.
    const auto loadStarted = juce::Time::getMillisecondCounter();
    ASSERT_TRUE (opens (main, fileMenu, loadFromHardwareItem, "Load Preset"));
    ASSERT_TRUE (getOpens ({543, 58}, "VexoB Editor Untitled 2", passTimeoutMs)) << "slot 0 never listed";
    std::cout << "Load From Hardware of 31 on the wire: "
              << (juce::Time::getMillisecondCounter() - loadStarted) / 1000.0 << " s\n";
    ASSERT_TRUE (screen::click ("Load Preset", {300, 120}, 5, 20)) << "the wheel scrolls the list";
    ASSERT_TRUE (getOpens ({543, 180}, "VexoB Editor Untitled 3", 15000)) << "slot 30 not there";

    EXPECT_EQ (savedName ("VexoB Editor Untitled 2", "From RAM.vexob"), presetName (0));
    EXPECT_EQ (savedName ("VexoB Editor Untitled 3", "From 30.vexob"), presetName (30));

    const auto ended = [this] { return !program.isRunning(); };
    ASSERT_TRUE (screen::pressKeysUntil (main, "ctrl+q", [] { return screen::isShowing ("Save Document"); }));
    ASSERT_TRUE (screen::pressKeysUntil ("Save Document", "n", ended, 20000)) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}
