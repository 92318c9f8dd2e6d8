#include "ApplicationTestFixture.h"
#include "editor/MainContentComponent.h"

using MainWindows = ApplicationTest;
using Answer = DesktopInteraction::SaveAnswer;

TEST_F (MainWindows, UntitledNumbersCountEveryWindowEverOpened)
{
    start();
    const auto file = writePresetFile ("Lead.vexob", "LEAD");
    desktop->filesToOpen = {file};

    invoke (CommandIds::openPreset);
    invoke (CommandIds::newPreset);

    ASSERT_EQ (numWindows(), 3);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Untitled 1");
    EXPECT_EQ (window (1)->getName(), "VexoB Editor Lead.vexob");
    EXPECT_EQ (window (2)->getName(), "VexoB Editor Untitled 3");
    EXPECT_EQ (app->getWindowManager()->getNumWindowsCreated(), 3);

    ASSERT_EQ (desktop->openChoosers.size(), 1u);
    EXPECT_EQ (desktop->openChoosers[0].title, "Select Filename to open");
    EXPECT_EQ (desktop->openChoosers[0].text, "*.vexob");
}

TEST_F (MainWindows, NewWindowsCascadeByHowManyAreOpen)
{
    start();
    invoke (CommandIds::newPreset);
    invoke (CommandIds::newPreset);

    EXPECT_EQ (window (0)->getPosition(), juce::Point<int> (30, 75));
    EXPECT_EQ (window (1)->getPosition(), juce::Point<int> (45, 90));
    EXPECT_EQ (window (2)->getPosition(), juce::Point<int> (60, 105));

    desktop->answers = {Answer::no};
    window (1)->close();
    invoke (CommandIds::newPreset);

    ASSERT_EQ (numWindows(), 3);
    EXPECT_EQ (window (2)->getPosition(), juce::Point<int> (60, 105));
    EXPECT_EQ (window (2)->getName(), "VexoB Editor Untitled 4");
}

TEST_F (MainWindows, CancellingAnOpenChooserOpensNothing)
{
    start();
    invoke (CommandIds::openPreset);
    EXPECT_EQ (numWindows(), 1);
}

TEST_F (MainWindows, SaveWritesToTheWindowsFileWithoutAsking)
{
    const auto file = writePresetFile ("Pads.vexob", "PADS");
    start (file.getFullPathName());

    ASSERT_TRUE (rename (window (0), "CHANGED"));

    EXPECT_TRUE (window (0)->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::save)));
    settle();

    EXPECT_TRUE (desktop->saveChoosers.empty());
    EXPECT_TRUE (desktop->warnings.empty());
    EXPECT_EQ (presetNameInFile (file), "CHANGED ");
}

TEST_F (MainWindows, SaveWithoutAnExistingFileAsksForOneAndRetitlesTheWindow)
{
    start();
    auto* untitled = window (0);
    const auto target = folder.getChildFile ("First.vexob");
    desktop->filesToSave = {target};

    EXPECT_TRUE (untitled->save());
    ASSERT_EQ (desktop->saveChoosers.size(), 1u);
    EXPECT_EQ (desktop->saveChoosers[0].title, "Select filename to save");
    EXPECT_EQ (desktop->saveChoosers[0].text, "*.vexob");
    EXPECT_EQ (untitled->getName(), "VexoB Editor First.vexob");
    EXPECT_EQ (untitled->getPath(), target.getFullPathName());
    EXPECT_EQ (target.getSize(), 3483);

    // Once its file is gone, Save asks again rather than writing somewhere nobody chose.
    ASSERT_TRUE (target.deleteFile());
    EXPECT_FALSE (untitled->save());
    EXPECT_EQ (desktop->saveChoosers.size(), 2u);
    EXPECT_FALSE (target.exists());
    EXPECT_EQ (untitled->getName(), "VexoB Editor First.vexob");
}

TEST_F (MainWindows, CloseAlwaysAsksAndOnlyCancelKeepsTheWindow)
{
    start();
    invoke (CommandIds::newPreset);

    desktop->answers = {Answer::cancel};
    window (1)->close();
    ASSERT_EQ (numWindows(), 2);
    EXPECT_EQ (desktop->questions.back().text, "Save Preset: Untitled 2");

    desktop->answers = {Answer::no};
    window (1)->closeButtonPressed();
    ASSERT_EQ (numWindows(), 1);

    const auto target = folder.getChildFile ("Kept.vexob");
    desktop->answers = {Answer::yes};
    desktop->filesToSave = {target};
    EXPECT_TRUE (
        window (0)->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::closeWindow)));
    EXPECT_EQ (numWindows(), 0);
    EXPECT_EQ (target.getSize(), 3483);
}

// Saying Yes and then cancelling the file name means nothing was saved, so the window stays.
TEST_F (MainWindows, YesWithACancelledFileNameKeepsTheWindow)
{
    start();
    desktop->answers = {Answer::yes};

    window (0)->close();

    EXPECT_EQ (numWindows(), 1);
    EXPECT_EQ (desktop->saveChoosers.size(), 1u);
}

TEST_F (MainWindows, OpeningIntoAFactoryPresetWindowDoesNotAsk)
{
    start();
    const auto file = writePresetFile ("Drums.vexob", "DRUMS");

    window (0)->openFile (file);

    EXPECT_TRUE (desktop->questions.empty());
    EXPECT_EQ (nameOf (window (0)->getPreset()), "DRUMS   ");
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Drums.vexob");
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
}

TEST_F (MainWindows, OpeningIntoAnEditedWindowAsksFirstAndCancelKeepsEverything)
{
    start();
    const auto file = writePresetFile ("Keys.vexob", "KEYS");
    auto* edited = window (0);
    ASSERT_TRUE (rename (edited, "MINE"));

    desktop->answers = {Answer::cancel};
    edited->openFile (file);
    EXPECT_EQ (desktop->questions.size(), 1u);
    EXPECT_EQ (nameOf (edited->getPreset()), "MINE");
    EXPECT_EQ (edited->getName(), "VexoB Editor Untitled 1");

    desktop->answers = {Answer::no};
    edited->openFile (file);
    EXPECT_EQ (nameOf (edited->getPreset()), "KEYS    ");
    EXPECT_EQ (edited->getPath(), file.getFullPathName());
}

TEST_F (MainWindows, ABadFileLeavesAnOpenWindowAsItWas)
{
    const auto good = writePresetFile ("Good.vexob", "GOOD");
    start (good.getFullPathName());
    auto* opened = window (0);
    ASSERT_TRUE (rename (opened, "EDITED"));
    const auto before = opened->getPreset()->toBytes();

    auto truncated = FactoryPreset::getDump();
    truncated.removeLast (1);
    const auto bad = writeFile ("Bad.vexob", truncated);

    opened->openFile (bad);

    EXPECT_TRUE (desktop->questions.empty());
    EXPECT_EQ (opened->getPreset()->toBytes(), before);
    EXPECT_EQ (opened->getPath(), good.getFullPathName());
    EXPECT_EQ (opened->getName(), "VexoB Editor Good.vexob");
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, "Error Opening File.");
}

TEST_F (MainWindows, AFileFromTheSystemGoesIntoANewWindowWhenNoneIsOpen)
{
    start();
    desktop->answers = {Answer::no};
    window (0)->close();
    const auto file = writePresetFile ("Later.vexob", "LATER");

    app->anotherInstanceStarted (file.getFullPathName().quoted());

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Later.vexob");
}

TEST_F (MainWindows, TheEditorHoldsTheWindowsPreset)
{
    start();
    auto* editor = dynamic_cast<MainContentComponent*> (window (0)->getContentComponent());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getPreset(), window (0)->getPreset());
}

TEST_F (MainWindows, AFileFromTheSystemGoesIntoTheActiveMainWindowOrNowhere)
{
    start();
    invoke (CommandIds::newPreset);
    const auto file = writePresetFile ("Shared.vexob", "SHARED");
    auto* manager = app->getWindowManager();

    ASSERT_TRUE (activate (0));
    app->anotherInstanceStarted (file.getFullPathName());
    EXPECT_EQ (numWindows(), 2);
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
    EXPECT_TRUE (window (1)->getPath().isEmpty());

    // With another window of the program in front, say a dialog, no main window is active.
    juce::DocumentWindow dialog ("Dialog", juce::Colours::black, 0, true);
    dialog.setVisible (true);
    dialog.toFront (true);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return manager->getActiveWindow() == nullptr; }));
    const auto other = writePresetFile ("Other.vexob", "OTHER");
    app->anotherInstanceStarted (other.getFullPathName());
    EXPECT_EQ (numWindows(), 2);
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
    EXPECT_TRUE (window (1)->getPath().isEmpty());
}

// A write that fails after Yes leaves the preset nowhere but in its window, so the window stays
// and the user hears why; the quit that asked stops there as well.
TEST_F (MainWindows, YesWithAFailedWriteKeepsTheWindowAndStopsTheQuit)
{
    start();
    const auto blocked = folder.getChildFile ("gone/blocked.vexob");

    desktop->answers = {Answer::yes};
    desktop->filesToSave = {blocked};
    window (0)->close();
    ASSERT_EQ (numWindows(), 1);
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, "Error Saving File.");

    invoke (CommandIds::newPreset);
    desktop->answers = {Answer::yes, Answer::no};
    desktop->filesToSave = {blocked};
    invoke (CommandIds::quit);
    EXPECT_EQ (desktop->questions.size(), 2u);
    EXPECT_EQ (numWindows(), 2);
    EXPECT_EQ (app->quitCount, 0);
}

TEST_F (MainWindows, QuitWithYesWritesEachPresetToItsFileBeforeEnding)
{
    const auto file = writePresetFile ("Song.vexob", "SONG");
    start (file.getFullPathName());
    ASSERT_TRUE (rename (window (0), "ENCORE"));

    desktop->answers = {Answer::yes};
    invoke (CommandIds::quit);

    EXPECT_EQ (app->quitCount, 1);
    EXPECT_EQ (numWindows(), 0);
    EXPECT_TRUE (desktop->saveChoosers.empty());
    EXPECT_EQ (presetNameInFile (file), "ENCORE  ");
}

// A window's title-bar close button still works while a save question is up. Pressing it then
// must not ask a second question about a window already being asked about, nor take a window out
// from under a running quit.
TEST_F (MainWindows, AClosePressedWhileASaveQuestionIsUpIsIgnored)
{
    start();
    invoke (CommandIds::newPreset);

    desktop->whileAsking = [this] { window (0)->closeButtonPressed(); };
    desktop->answers = {Answer::cancel};
    window (0)->close();
    EXPECT_EQ (desktop->questions.size(), 1u);
    EXPECT_EQ (numWindows(), 2);

    desktop->questions.clear();
    desktop->whileAsking = [this] { window (1)->closeButtonPressed(); };
    desktop->answers = {Answer::no, Answer::no};
    invoke (CommandIds::quit);
    ASSERT_EQ (desktop->questions.size(), 2u);
    EXPECT_EQ (desktop->questions[0].text, "Save Preset: Untitled 1");
    EXPECT_EQ (desktop->questions[1].text, "Save Preset: Untitled 2");
    EXPECT_EQ (app->quitCount, 1);
}

// Opening a file from the system into a window asks about its preset first; the window must still
// be there when the answer comes.
TEST_F (MainWindows, AClosePressedWhileOpeningAFileLeavesTheWindowToTheOpen)
{
    start();
    ASSERT_TRUE (rename (window (0), "MINE"));
    const auto file = writePresetFile ("Next.vexob", "NEXT");

    desktop->whileAsking = [this] { window (0)->closeButtonPressed(); };
    desktop->answers = {Answer::no, Answer::no};
    window (0)->openFile (file);

    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (desktop->questions.size(), 1u);
    EXPECT_EQ (window (0)->getPath(), file.getFullPathName());
    EXPECT_EQ (nameOf (window (0)->getPreset()), "NEXT    ");
}

// The title bar's close button and a quit still reach a window while its Save As chooser is up.
// The window must not be destroyed under the chooser, which writes through it once a file is
// picked.
TEST_F (MainWindows, AWindowWhoseSaveChooserIsUpIsNeitherClosedNorQuitUnderIt)
{
    start();
    invoke (CommandIds::newPreset);
    ASSERT_TRUE (rename (window (1), "KEEP"));
    const auto file = folder.getChildFile ("Chosen.vexob");

    desktop->filesToSave = {file};
    desktop->answers = {Answer::no};
    desktop->whileChoosing = [this] { window (1)->closeButtonPressed(); };
    EXPECT_TRUE (window (1)->saveAs());

    ASSERT_EQ (numWindows(), 2);
    EXPECT_EQ (window (1)->getDisplayName(), "Chosen.vexob");
    EXPECT_EQ (presetNameInFile (file), "KEEP    ");
    EXPECT_TRUE (desktop->questions.empty());

    // A quit while the chooser is up stops at that window, which stays with its preset.
    desktop->answers = {Answer::no};
    desktop->filesToSave = {folder.getChildFile ("Second.vexob")};
    desktop->whileChoosing = [this] { invoke (CommandIds::quit); };
    auto* chooserWindow = window (1);
    EXPECT_TRUE (chooserWindow->saveAs());

    EXPECT_EQ (app->quitCount, 0);
    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (window (0), chooserWindow);
    EXPECT_EQ (presetNameInFile (folder.getChildFile ("Second.vexob")), "KEEP    ");
}
