#include "ProgramTest.h"
#include "XCapture.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class Program : public ProgramTest
{
protected:
    static bool isPresetFile (const juce::File& file)
    {
        MidiManager::Ptr midi (new MidiManager (std::make_shared<VirtualMidiPortSystem>()));
        VexoBEditorEngine::Ptr engine (new VexoBEditorEngine (midi));
        return engine->checkPresetFile (file);
    }
};

// A display of the test's own, as fresh as one at a login, named by DISPLAY while it lives so that
// the programs the test starts, and the screen functions, use it.
struct OwnDisplay
{
    OwnDisplay()
    {
        // Numbers of this test program's own: a server another program's test has just ended still takes its
        // socket away as it goes, from under a new one of that number. Xvfb writes the number once it takes
        // connections, nothing if taken; -noreset, or a last client going resets it: programs turned away.
        static int next = 1000 + (int)(::getpid() % 1000) * 20;
        for (int tries = 0; tries < 20 && number.isEmpty(); ++tries, ++next)
        {
            server.end();
            server.start ({"Xvfb", ":" + juce::String (next), "-displayfd", "1", "-screen", "0",
                           "1920x1200x24", "-nolisten", "tcp", "-noreset"},
                          juce::ChildProcess::wantStdOut);
            for (char c = 0; server.readProcessOutput (&c, 1) == 1 && c != '\n';)
                number << c;
        }
        ::setenv ("DISPLAY", (":" + number).toRawUTF8(), 1);
    }
    ~OwnDisplay() { ::setenv ("DISPLAY", previous.toRawUTF8(), 1); }

    const juce::String previous = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});
    TestProcess server;
    juce::String number;
};

// A test on a display of its own, which outlives the program started on it.
class OnOwnDisplay : protected OwnDisplay, public Program, public testing::WithParamInterface<const char*>
{
};

// Starts a window manager and waits until it holds the screen, in place of any there before.
bool startWindowManager (TestProcess& process, const juce::String& command = "openbox")
{
    const auto old = xWindowManagerId();
    return process.start (command, 0) && screen::waitUntil ([&] { return xWindowManagerId() != old; }, 20000);
}

// The program on a display of its own under openbox, its first window showing.
class UnderOpenbox : public OnOwnDisplay
{
protected:
    void SetUp() override
    {
        OnOwnDisplay::SetUp();
        ASSERT_TRUE (startWindowManager (windowManager) && program.start() &&
                     screen::waitForWindow (main).isNotEmpty());
    }

    TestProcess windowManager;
    const juce::String main{"VexoB Editor Untitled 1"};
};
} // namespace

// The File menu's Quit asks its question from inside the menu's own message, whose modal loop hides
// the quit from the program's message loop unless it is woken. (The other tests quit by shortcut.)
TEST_F (Program, StartsIntoAnUntitledWindowAndQuitsCleanly)
{
    ASSERT_TRUE (program.start());
    const auto asked = [] { return screen::isShowing ("Save Document"); };
    ASSERT_TRUE (screen::chooseMenuItem ("VexoB Editor Untitled 1", 0, 8, asked)) << "Quit asked nothing";
    ASSERT_TRUE (answerNoUntilTheProgramEnds()) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}

// At a login the window manager and the program start together, and a window manager still setting
// itself up may hold on to the request to show the window until some other request reaches it.
TEST_F (Program, TheFirstWindowShowsAtItsSizeWhenAWindowManagerStartsWithTheProgram)
{
    for (int start = 1; start <= 10 && !HasFailure(); ++start)
    {
        OwnDisplay display;
        ASSERT_TRUE (display.number.isNotEmpty());
        TestProcess windowManager;
        RunningProgram startedWithIt;
        ASSERT_TRUE (windowManager.start ("openbox", 0) && startedWithIt.start());

        // The editor, 1176 by 721, below the menu bar.
        const auto bounds = [] { return screen::getBounds ("VexoB Editor Untitled 1"); };
        EXPECT_TRUE (screen::waitUntil (
            [&] { return bounds().withZeroOrigin() == juce::Rectangle<int> (1176, 745); }, 30000))
            << "start " << start << ": the window is at " << bounds().toString();
    }
}

// Whether a window manager starts before the program, with it (at a login), after it or in another's place,
// its close button asks about saving: a window without the close protocol is closed by killing the program.
TEST_P (OnOwnDisplay, TheWindowManagersCloseAsksToSave)
{
    const juce::String order (GetParam()), title ("VexoB Editor Untitled 1");
    TestProcess windowManager, successor;
    ASSERT_TRUE (order != "before" || startWindowManager (windowManager));
    ASSERT_TRUE (order == "before" || order == "after" || windowManager.start ("openbox", 0));
    ASSERT_TRUE (program.start() && screen::waitForWindow (title, 30000).isNotEmpty());
    ASSERT_TRUE (order != "after" || startWindowManager (windowManager));
    ASSERT_TRUE (screen::waitUntil ([] { return xWindowManagerId() != 0; }, 20000));
    ASSERT_TRUE (order != "replaced" || startWindowManager (successor, "openbox --replace"));
    // Nobody hears the request until the window manager has taken the window in: a user presses again.
    const auto asked = [&]
    {
        return askXWindowManagerToClose (screen::waitForWindow (title, 1000)) &&
               screen::waitForWindow ("Save Document", 1000).isNotEmpty();
    };
    EXPECT_TRUE (screen::waitUntil (asked, 30000));
    EXPECT_TRUE (answerNoUntilTheProgramEnds());
    EXPECT_EQ (program.waitForExit(), 0);
}
INSTANTIATE_TEST_SUITE_P (Order, OnOwnDisplay, testing::Values ("before", "together", "after", "replaced"));

// The shortcuts reach the application's commands and the focused window's own, through the real
// key handling of the program's windows.
TEST_F (Program, NewAndCloseWindowShortcutsOpenAndCloseMainWindows)
{
    ASSERT_TRUE (program.start());
    ASSERT_TRUE (screen::waitForWindow ("VexoB Editor Untitled 1").isNotEmpty());

    const auto secondOpen = [] { return screen::isShowing ("VexoB Editor Untitled 2"); };
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor Untitled 1", "ctrl+n", secondOpen))
        << "Ctrl+N opened no second window";

    const auto asked = [] { return screen::isShowing ("Save Document"); };
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor Untitled 2", "ctrl+w", asked))
        << "Ctrl+W asked nothing";

    const auto secondClosed = [] { return !screen::isShowing ("VexoB Editor Untitled 2"); };
    ASSERT_TRUE (screen::pressKeysUntil ("Save Document", "n", secondClosed)) << "the second window stayed";

    // Only the closed window went; the program keeps running with the first.
    EXPECT_TRUE (program.isRunning());
    quitAnsweringNo ("VexoB Editor Untitled 1");
}

TEST_F (Program, OpensThePresetFileNamedOnTheCommandLine)
{
    const auto file = savePreset ("Bass Line.vexob", "BASSLINE");
    ASSERT_EQ (file.getSize(), 3483);
    const auto before = file.loadFileAsString();

    ASSERT_TRUE (program.start ({file.getFullPathName()}));

    const juce::String title ("VexoB Editor Bass Line.vexob");
    ASSERT_TRUE (screen::waitForWindow (title).isNotEmpty()) << "no window titled with the file's name";
    EXPECT_TRUE (screen::waitForWindow ("VexoB Editor Untitled 1", 500).isEmpty());

    quitAnsweringNo (title);
    EXPECT_EQ (file.loadFileAsString(), before);
}

TEST_F (Program, ADamagedFileIsReportedAndOpensUntitled)
{
    const auto file = folder.getChildFile ("Damaged.vexob");
    ASSERT_TRUE (file.replaceWithText ("not a preset"));

    ASSERT_TRUE (program.start ({file.getFullPathName()}));

    ASSERT_TRUE (screen::waitForWindow ("VexoB Editor Untitled 1").isNotEmpty());
    ASSERT_TRUE (screen::waitForWindow ("VexoB Editor").isNotEmpty()) << "no message box about the file";
    const auto dismissed = [] { return !screen::isShowing ("VexoB Editor"); };
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor", "Return", dismissed));

    quitAnsweringNo ("VexoB Editor Untitled 1");
    EXPECT_EQ (file.loadFileAsString(), "not a preset");
}

// Saving a window that has no file yet asks for one in the file chooser: a user clicks the name
// field, types the name and clicks Save, and the preset is written there and the window takes
// the file's name.
TEST_F (Program, SavingAnUntitledPresetWritesItToTheFileNamedInTheChooser)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the program would use the desktop's own file chooser here";

    ASSERT_TRUE (program.start());
    const juce::String chooser ("Select filename to save");
    ASSERT_TRUE (screen::pressKeysUntil ("VexoB Editor Untitled 1", "ctrl+s",
                                         [&] { return screen::isShowing (chooser); }))
        << "Ctrl+S showed no file chooser";

    // Where the chooser's name field and Save button are in its 600 by 500 window.
    const auto file = folder.getChildFile ("Typed Name.vexob");
    ASSERT_TRUE (screen::click (chooser, {300, 436}));
    ASSERT_TRUE (screen::typeText (chooser, file.getFullPathName()));
    ASSERT_TRUE (screen::click (chooser, {545, 476}));

    const juce::String title ("VexoB Editor Typed Name.vexob");
    ASSERT_TRUE (screen::waitForWindow (title).isNotEmpty()) << "the window did not take the file's name";

    quitAnsweringNo (title);
    EXPECT_TRUE (isPresetFile (file));
}

TEST_F (Program, TheUserGuideShipsInTheResourceFolderBesideTheProgram)
{
    const auto guide = RunningProgram::getExecutable().getParentDirectory().getChildFile (
        "Resources/VexoB Editor - User Guide - v1.0.pdf");
    ASSERT_TRUE (guide.existsAsFile());
    EXPECT_TRUE (guide.loadFileAsString().startsWith ("%PDF"));
    EXPECT_GT (guide.getSize(), 10000);
}

// Under a window manager a tool window opens centred over its main window every time, the first included.
TEST_F (UnderOpenbox, SequenceEditOpensInTheSamePlaceEveryTimeUnderAWindowManager)
{
    // Not quit: under openbox a menu bar whose menu went as a window took the focus may miss Ctrl+Q.
    const juce::String sequencer (main + " Sequence Edit");
    // xdotool counts a framed window's place in its frame once more, the same for both windows.
    const auto mid = screen::getBounds (main).getCentre();
    const auto centred = [&] { return screen::getBounds (sequencer).getCentre().getDistanceFrom (mid) <= 1; };
    const auto open = [&] { return screen::isShowing (sequencer); };
    for (int opening = 1; opening <= 3; ++opening)
    {
        ASSERT_TRUE (screen::chooseMenuItem (main, 1, 3, open));
        EXPECT_TRUE (screen::waitUntil (centred, 5000))
            << "opening " << opening << " at " << screen::getBounds (sequencer).toString();
        ASSERT_TRUE (screen::pressKeysUntil (sequencer, "alt+F4", [&] { return !open(); }));
    }
}

// A window manager that shows a window shrinking to its icon and back misled the framework about
// where a window restored after 3 s or more was, and the framework then moved it there.
TEST_F (UnderOpenbox, AMainWindowRestoredAfterBeingMinimisedComesBackInItsPlace)
{
    TestProcess minimise, restore;
    const auto id = screen::waitForWindow (main);
    const auto placed = screen::getBounds (main);
    ASSERT_TRUE (minimise.start ({"xdotool", "windowminimize", id}, 0));
    ASSERT_TRUE (screen::waitUntil ([&] { return !screen::isShowing (main); }, 5000));
    juce::Thread::sleep (3500);
    ASSERT_TRUE (restore.start ({"wmctrl", "-i", "-a", id}, 0));
    juce::Thread::sleep (1500);
    EXPECT_EQ (screen::getBounds (main).toString(), placed.toString());
}

// openbox kept an application's tool, transient for the program's whole group, above the other
// tools of the group too: Send Preset, opened after Load Preset, stayed under it, even when clicked.
TEST_F (UnderOpenbox, TheToolOpenedOrClickedLastIsInFront)
{
    const juce::String load ("Load Preset"), send ("Send Preset");
    ASSERT_TRUE (screen::chooseMenuItem (main, 0, 5, [&] { return screen::isShowing (load); }));
    ASSERT_TRUE (screen::chooseMenuItem (main, 0, 6, [&] { return screen::isShowing (send); }));
    const auto inFront = [&] (const juce::String& front, const juce::String& behind)
    {
        const auto order = [&] (const juce::String& title)
        { return xStackingOrder().indexOf (screen::waitForWindow (title)); };
        return screen::waitUntil ([&] { return order (front) > order (behind); }, 3000);
    };
    EXPECT_TRUE (inFront (send, load));
    EXPECT_TRUE (screen::click (load, {10, 200}) && inFront (load, send));
    EXPECT_TRUE (screen::click (send, {10, 100}) && inFront (send, load));
}
