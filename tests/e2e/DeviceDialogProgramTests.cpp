// The device dialogs in the built program, on the simulated device, driven by mouse and keyboard
// as a user would: each opens from its menu, a preset sent to slot 5 comes back from the device
// into a new main window.

#include "RunningProgram.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <gtest/gtest.h>

namespace
{
juce::String runCommand (const juce::StringArray& command)
{
    juce::ChildProcess child;
    if (!child.start (command, juce::ChildProcess::wantStdOut))
        return {};
    auto output = child.readAllProcessOutput();
    child.waitForProcessToFinish (5000);
    return output;
}

bool waitUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep (50);
    }
    return true;
}

bool isShown (const juce::String& exactTitle)
{
    return RunningProgram::waitForWindow (exactTitle, 0).isNotEmpty();
}

struct ScreenPoint
{
    int x = 0, y = 0;
};

// The top left corner of a window on the screen.
ScreenPoint positionOf (const juce::String& exactTitle)
{
    const auto id = RunningProgram::waitForWindow (exactTitle, 5000);
    juce::StringPairArray values;
    for (const auto& line :
         juce::StringArray::fromLines (runCommand ({"xdotool", "getwindowgeometry", "--shell", id})))
        values.set (line.upToFirstOccurrenceOf ("=", false, false),
                    line.fromFirstOccurrenceOf ("=", false, false));
    return {values["X"].getIntValue(), values["Y"].getIntValue()};
}

void clickIn (const juce::String& exactTitle, int x, int y)
{
    const auto origin = positionOf (exactTitle);
    runCommand (juce::StringArray{"xdotool", "mousemove", juce::String (origin.x + x),
                                  juce::String (origin.y + y), "click", "1"});
}

// Keys to whatever has the keyboard focus (an open menu, a list, a text box).
void typeKeys (const juce::StringArray& keys)
{
    juce::StringArray command{"xdotool", "key", "--delay", "40"};
    command.addArray (keys);
    runCommand (command);
}

// Opens the menu at x in the main window's menu bar and picks its n-th item with the keyboard,
// until the window it opens is there.
bool chooseFromMenu (const juce::String& mainWindow, int menuX, int item, const juce::String& opens)
{
    for (int attempt = 0; attempt < 4 && !isShown (opens); ++attempt)
    {
        clickIn (mainWindow, menuX, 12);
        juce::Thread::sleep (300);
        juce::StringArray keys;
        for (int i = 0; i < item; ++i)
            keys.add ("Down");
        keys.add ("Return");
        typeKeys (keys);
        waitUntil ([&] { return isShown (opens); }, 3000);
    }
    return isShown (opens);
}

constexpr int fileMenuX = 20, toolsMenuX = 78;
constexpr int loadFromHardwareItem = 6, sendToHardwareItem = 7, sendMultiplePresetsItem = 2;

class DeviceDialogsInTheProgram : public testing::Test
{
protected:
    void SetUp() override
    {
        if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
            GTEST_SKIP() << "needs an X display (run the tests under xvfb-run)";

        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("vexob e2e dialogs " + juce::Uuid().toString());
        ASSERT_TRUE (folder.createDirectory());
    }

    void TearDown() override { folder.deleteRecursively(); }

    // Quit from the main window, answering No to every window's save question. A click on the
    // main window first: the shortcuts belong to the main windows, and a dialog may have the focus.
    void quitAnsweringNo (const juce::String& mainWindow)
    {
        clickIn (mainWindow, 600, 60);
        const auto asked = [] { return isShown ("Save Document"); };
        ASSERT_TRUE (RunningProgram::pressKeysUntil (mainWindow, "ctrl+q", asked)) << "no quit question";
        const auto ended = [this] { return !program.isRunning(); };
        ASSERT_TRUE (waitUntil (
            [&]
            {
                if (isShown ("Save Document"))
                    RunningProgram::pressKeys (RunningProgram::waitForWindow ("Save Document", 0), "n");
                return waitUntil (ended, 1000);
            },
            15000))
            << "the program did not end";
        EXPECT_EQ (program.waitForExit(), 0);
    }

    juce::File savePreset (const juce::String& fileName, const juce::String& presetName)
    {
        MidiManager::Ptr midi (new MidiManager (std::make_shared<VirtualMidiPortSystem>()));
        VexoBEditorEngine::Ptr engine (new VexoBEditorEngine (midi));
        auto preset = engine->createFactoryPreset();
        auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
        EXPECT_TRUE (named != nullptr && named->setName (presetName));
        const auto file = folder.getChildFile (fileName);
        engine->savePresetFile (file, preset);
        return file;
    }

    juce::File folder;
    RunningProgram program;
};
} // namespace

TEST_F (DeviceDialogsInTheProgram, EachDialogOpensFromItsMenu)
{
    ASSERT_TRUE (program.start());
    const juce::String main ("VexoB Editor Untitled 1");
    ASSERT_TRUE (RunningProgram::waitForWindow (main).isNotEmpty());

    EXPECT_TRUE (chooseFromMenu (main, fileMenuX, sendToHardwareItem, "Send Preset"));
    EXPECT_TRUE (chooseFromMenu (main, fileMenuX, loadFromHardwareItem, "Load Preset"));
    EXPECT_TRUE (chooseFromMenu (main, toolsMenuX, sendMultiplePresetsItem, "Send Multiple Presets"));

    quitAnsweringNo (main);
}

// The window's preset goes to slot 5; read back with everything else, "Get" on slot 5 opens it in
// a new window, whose Save writes exactly the file the first window came from.
TEST_F (DeviceDialogsInTheProgram, APresetSentToSlotFiveComesBackIntoANewWindow)
{
    const auto original = savePreset ("Bass Line.vexob", "BASSLINE");
    ASSERT_TRUE (program.start ({original.getFullPathName()}));
    const juce::String main ("VexoB Editor Bass Line\\.vexob");
    ASSERT_TRUE (RunningProgram::waitForWindow (main).isNotEmpty());

    // Send To Hardware, slot "5" (five below "RAM" in the slot list), "Send".
    ASSERT_TRUE (chooseFromMenu (main, fileMenuX, sendToHardwareItem, "Send Preset"));
    clickIn ("Send Preset", 287, 62);
    juce::Thread::sleep (300);
    typeKeys ({"Down", "Down", "Down", "Down", "Down", "Return"});
    juce::Thread::sleep (300);
    clickIn ("Send Preset", 298, 112);

    ASSERT_TRUE (RunningProgram::waitForWindow ("VexoB Editor", 10000).isNotEmpty())
        << "no message after the send";
    EXPECT_FALSE (isShown ("Send Preset")) << "a successful send closes the dialog";
    ASSERT_TRUE (
        RunningProgram::pressKeysUntil ("VexoB Editor", "Return", [] { return !isShown ("VexoB Editor"); }));

    // Load From Hardware reads every slot; "Get" on slot 5 (row 5 of the list at 20, 50).
    ASSERT_TRUE (chooseFromMenu (main, fileMenuX, loadFromHardwareItem, "Load Preset"));
    const juce::String opened ("VexoB Editor Untitled 2");
    ASSERT_TRUE (waitUntil (
        [&]
        {
            clickIn ("Load Preset", 20 + 475 + 48, 50 + 5 * 24 + 2 + 11);
            return waitUntil ([&] { return isShown (opened); }, 1000);
        },
        15000))
        << "Get opened no window";

    // Saved under a name of its own, the new window's preset is the one sent.
    const auto copy = folder.getChildFile ("came back.vexob");
    ASSERT_TRUE (RunningProgram::pressKeysUntil (opened, "ctrl+s",
                                                 [] { return isShown ("Select filename to save"); }));
    clickIn ("Select filename to save", 300, 436);
    runCommand ({"xdotool", "type", "--delay", "5", copy.getFullPathName()});
    ASSERT_TRUE (waitUntil (
        [&]
        {
            typeKeys ({"Return"});
            return waitUntil ([&] { return copy.existsAsFile(); }, 1000);
        },
        10000))
        << "nothing saved";

    juce::MemoryBlock sent, cameBack;
    ASSERT_TRUE (original.loadFileAsData (sent));
    ASSERT_TRUE (
        waitUntil ([&] { return copy.loadFileAsData (cameBack) && cameBack.getSize() == 3483; }, 5000));
    EXPECT_EQ (cameBack, sent);

    quitAnsweringNo (main);
}
