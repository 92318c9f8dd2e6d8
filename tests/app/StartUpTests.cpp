#include "ApplicationTestFixture.h"
#include "support/FreedMemoryPoison.h"

using StartUp = ApplicationTest;

TEST_F (StartUp, WithoutArgumentsOpensOneUntitledWindowOnTheFactoryPresetAndTheDevicePorts)
{
    start();

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Untitled 1");
    EXPECT_TRUE (window (0)->getPath().isEmpty());
    EXPECT_EQ (window (0)->getPreset()->toBytes(), app->createDefaultPreset()->toBytes());
    EXPECT_TRUE (window (0)->isVisible());

    // The editor fills the window below the menu bar, at the device picture's size.
    auto* editor = window (0)->getContentComponent();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getWidth(), 1176);
    EXPECT_EQ (editor->getHeight(), 721);

    EXPECT_NE (app->getEngine(), nullptr);
    EXPECT_TRUE (app->getMidiManager()->isInputOpen ("VexoB Remote"));
    EXPECT_TRUE (app->getMidiManager()->isOutputOpen ("VexoB Remote"));

    settle();
    EXPECT_TRUE (desktop->warnings.empty());
}

TEST_F (StartUp, AnArgumentBeginningWithADashIsIgnored)
{
    start (" -psn_0_123 ");

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Untitled 1");
}

TEST_F (StartUp, AFileArgumentOpensThatFileInsteadOfAnUntitledWindow)
{
    const auto file = writePresetFile ("Saved Presets/My Bass.vexob", "MYBASS");

    // Paths with spaces reach the program quoted.
    start (file.getFullPathName().quoted());

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor My Bass.vexob");
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
    EXPECT_EQ (nameOf (window (0)->getPreset()), "MYBASS  ");

    settle();
    EXPECT_TRUE (desktop->warnings.empty());
}

TEST_F (StartUp, ARelativeFileArgumentIsTakenFromTheWorkingFolder)
{
    const auto file = writePresetFile ("relative.vexob", "RELATIVE");
    const auto previous = juce::File::getCurrentWorkingDirectory();
    folder.setAsCurrentWorkingDirectory();

    start ("relative.vexob");
    previous.setAsCurrentWorkingDirectory();

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
}

// A file that cannot be read still opens a window and says so, but the window does not take the
// file's name: otherwise Save, or Yes when closing, would write the factory preset over it.
TEST_F (StartUp, ABadFileOpensAnUntitledWindowThatNeverWritesOverIt)
{
    juce::Array<juce::uint8> damaged;
    for (int i = 0; i < 100; ++i)
        damaged.add ((juce::uint8)i);
    const auto file = writeFile ("damaged.vexob", damaged);

    start (file.getFullPathName());

    ASSERT_EQ (numWindows(), 1);
    auto* opened = window (0);
    EXPECT_EQ (opened->getName(), "VexoB Editor Untitled 1");
    EXPECT_TRUE (opened->getPath().isEmpty());
    EXPECT_EQ (opened->getPreset()->toBytes(), app->createDefaultPreset()->toBytes());

    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].title, "VexoB Editor");
    EXPECT_EQ (desktop->warnings[0].text, "Error Opening File.");

    // Save has no file to write to, so it asks for one; cancelling leaves the damaged file alone.
    EXPECT_FALSE (opened->save());
    EXPECT_EQ (desktop->saveChoosers.size(), 1u);
    desktop->answers = {DesktopInteraction::SaveAnswer::yes};
    EXPECT_FALSE (opened->confirmSave());
    settle();
    EXPECT_EQ (contentOf (file), juce::MemoryBlock (damaged.getRawDataPointer(), (size_t)damaged.size()));
}

TEST_F (StartUp, AMissingFileSaysSoAndOpensAnUntitledWindow)
{
    start (folder.getChildFile ("nowhere.vexob").getFullPathName());

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Untitled 1");
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, "Error Opening File.");
    EXPECT_FALSE (folder.getChildFile ("nowhere.vexob").exists());
}

TEST_F (StartUp, QuitAsksEveryWindowInTurnAndCancelKeepsTheRestAndTheProgram)
{
    start();
    invoke (CommandIds::newPreset);
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 3);

    desktop->answers = {DesktopInteraction::SaveAnswer::cancel};
    invoke (CommandIds::quit);
    EXPECT_EQ (numWindows(), 3);
    EXPECT_EQ (app->quitCount, 0);

    desktop->questions.clear();
    desktop->answers = {DesktopInteraction::SaveAnswer::no, DesktopInteraction::SaveAnswer::cancel};
    invoke (CommandIds::quit);

    ASSERT_EQ (desktop->questions.size(), 2u);
    EXPECT_EQ (desktop->questions[0].title, "Save Document");
    EXPECT_EQ (desktop->questions[0].text, "Save Preset: Untitled 1");
    EXPECT_EQ (desktop->questions[1].text, "Save Preset: Untitled 2");
    EXPECT_EQ (numWindows(), 2);
    EXPECT_EQ (app->quitCount, 0);

    // Asked again, every remaining window agrees and the program ends.
    desktop->answers = {DesktopInteraction::SaveAnswer::no, DesktopInteraction::SaveAnswer::no};
    app->systemRequestedQuit();
    EXPECT_EQ (numWindows(), 0);
    EXPECT_EQ (app->quitCount, 1);
    EXPECT_EQ (desktop->questions.back().text, "Save Preset: Untitled 3");
}

TEST_F (StartUp, ClosingTheLastWindowQuitsWhereTheWindowsCarryTheMenus)
{
    start();
    invoke (CommandIds::newPreset);

    desktop->answers = {DesktopInteraction::SaveAnswer::no, DesktopInteraction::SaveAnswer::no};
    window (1)->close();
    EXPECT_EQ (app->quitCount, 0);
    window (0)->close();
    ASSERT_EQ (numWindows(), 0);
    EXPECT_EQ (desktop->questions.size(), 2u);
#if JUCE_MAC
    EXPECT_EQ (app->quitCount, 0);
#else
    EXPECT_EQ (app->quitCount, 1);
#endif

    // With nothing left to ask about, a quit request ends at once.
    app->systemRequestedQuit();
    EXPECT_EQ (desktop->questions.size(), 2u);
}

// The menu model stops watching the command manager as it goes; were the command manager gone
// first, the model would reach into freed memory, which the poison turns into a crash here.
TEST_F (StartUp, ShutDownReleasesWhatInitialiseMade)
{
    start();
    invoke (CommandIds::newPreset);

    {
        const ScopedFreedMemoryPoison poison;
        app->shutdown();
    }
    started = false;
    EXPECT_EQ (app->getWindowManager(), nullptr);
    EXPECT_EQ (app->getCommandManager(), nullptr);
    EXPECT_EQ (app->getMenuModel(), nullptr);
    EXPECT_TRUE (desktop->questions.empty());
}

TEST_F (StartUp, TheSeriesApplicationReachesTheModelsLogo)
{
    const VexoEditorApplication& series = *app;
    const auto logo = series.getLogoImage();
    EXPECT_EQ (logo.getWidth(), 501);
    EXPECT_EQ (logo.getHeight(), 275);
}
