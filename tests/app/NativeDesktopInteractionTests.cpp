#include "app/NativeDesktopInteraction.h"
#include "support/MessageLoop.h"
#include "widgets/MessageBoxLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <sys/wait.h>

namespace
{
int openModalBoxes()
{
    return juce::ModalComponentManager::getInstance()->getNumModalComponents();
}

// Closes the first modal box to come up as the window manager does (its close button: the peer hears
// WM_DELETE_WINDOW); one still up a second later is ended with Escape's answer, so that the test ends.
struct WindowManagerClose final : private juce::Timer
{
    WindowManagerClose() { startTimer (20); }
    void timerCallback() override
    {
        auto* box = juce::Component::getCurrentlyModalComponent();
        if (box == nullptr || box->getPeer() == nullptr)
            return;
        if (ticks++ == 0)
            box->getPeer()->handleUserClosingWindow();
        else if (ticks > 50)
            box->exitModalState (0);
    }
    int ticks = 0; // 1 once a box has come up and gone at its close
};
} // namespace

// The chooser that returns at once is the framework's own box where the desktop has none. It
// answers once, and one still open when the program quits goes with the program's desktop, while
// the framework is still there: left to the framework's shut-down, the box is freed as if it stood
// alone, though it is part of its chooser, and the program crashes on its way out.
TEST (NativeDesktopInteraction, AChooserThatReturnsAtOnceAnswersOnceOrGoesWithTheDesktop)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the desktop's own chooser runs outside the program";

    auto desktop = std::make_unique<NativeDesktopInteraction>();
    int answers = 0;
    juce::File chosen ("/never/answered");
    const auto launch = [&]
    {
        desktop->chooseFileToOpenAsync ("Select Preset file to load", "*.vexob",
                                        [&] (const juce::File& file)
                                        {
                                            ++answers;
                                            chosen = file;
                                        });
    };

    launch();
    testing_support::pumpMessages (10);
    ASSERT_EQ (openModalBoxes(), 1);
    juce::ModalComponentManager::getInstance()->getModalComponent (0)->exitModalState (0);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return answers > 0; }, 3000));
    testing_support::pumpMessages (10);
    EXPECT_EQ (answers, 1);
    EXPECT_EQ (chosen, juce::File()) << "a cancelled chooser answers with no file";
    EXPECT_EQ (openModalBoxes(), 0);

    launch();
    testing_support::pumpMessages (10);
    ASSERT_EQ (openModalBoxes(), 1);
    desktop.reset();
    EXPECT_EQ (openModalBoxes(), 0) << "the chooser stayed open after the desktop went";
    testing_support::pumpMessages (10);
    EXPECT_EQ (answers, 1) << "a chooser closed by the program's end does not answer";
}

// The desktop's message boxes are drawn in the program's look, while the desktop lives.
TEST (NativeDesktopInteraction, MessageBoxesTakeTheProgramsLook)
{
    auto desktop = std::make_unique<NativeDesktopInteraction>();
    EXPECT_NE (dynamic_cast<MessageBoxLook*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    desktop.reset();
    EXPECT_EQ (dynamic_cast<MessageBoxLook*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
}

// A close from the window manager is the chooser's Cancel, for every chooser.
TEST (NativeDesktopInteraction, AChooserClosedByTheWindowManagerIsCancelled)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the desktop's own chooser runs outside the program";
    NativeDesktopInteraction desktop;
    for (const bool save : {true, false})
    {
        SCOPED_TRACE (save ? "save" : "open at once");
        WindowManagerClose close;
        juce::File chosen ("/"); // until the chooser that returns at once answers
        if (save)
            chosen = desktop.chooseFileToSave ("Save", "*.vexob");
        else
            desktop.chooseFileToOpenAsync ("Open", "*.vexob", [&] (auto& file) { chosen = file; });
        testing_support::pumpUntil ([&] { return chosen != juce::File ("/"); }, 2000);
        EXPECT_EQ (chosen, juce::File());
        EXPECT_EQ (close.ticks, 1) << "no box came up, or it stayed up";
    }
}

#if JUCE_LINUX
// Whether the desktop's opener is missing, finds no viewer, opens the file or cannot even start, no
// child of the program is left behind once it has answered, and only a
// failure is reported: later, never inside the call, and never to an empty callback.
TEST (NativeDesktopInteraction, ADocumentTheDesktopCannotOpenIsReportedAndLeavesNoChild)
{
    const auto openers = juce::File::createTempFile ("openers");
    const auto oldPath = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    ASSERT_TRUE (openers.createDirectory() && setenv ("PATH", openers.getFullPathName().toRawUTF8(), 1) == 0);

    const auto cannotStart = [] (const juce::File&) { return std::unique_ptr<juce::ChildProcess>(); };
    for (const juce::String opener : {"", "exit 3", "exit 0", "cannot start"})
    {
        NativeDesktopInteraction desktop (
            opener == "cannot start" ? +cannotStart : NativeDesktopInteraction::startDesktopOpener);
        const auto script = openers.getChildFile ("xdg-open");
        ASSERT_TRUE (opener.isEmpty() ||
                     (script.replaceWithText ("#!/bin/sh\n" + opener, false, false, "\n") &&
                      script.setExecutePermission (true)));
        bool refused = false;
        desktop.openWithSystem (openers, [&] { refused = true; });
        desktop.openWithSystem (openers, {});
        EXPECT_FALSE (refused) << "heard inside the call: " << opener;
        siginfo_t child{}; // looked at without reaping it, which is the program's job
        EXPECT_TRUE (testing_support::pumpUntil (
            [&] { return waitid (P_ALL, 0, &child, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD; }));
        testing_support::pumpMessages (200);
        EXPECT_EQ (refused, opener != "exit 0") << opener;
    }
    setenv ("PATH", oldPath.toRawUTF8(), 1);
    openers.deleteRecursively();
}
#endif
