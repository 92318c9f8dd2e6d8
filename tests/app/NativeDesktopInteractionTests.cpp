#include "app/NativeDesktopInteraction.h"
#include "support/MessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>

namespace
{
int openModalBoxes()
{
    return juce::ModalComponentManager::getInstance()->getNumModalComponents();
}

// Closes the chooser box that comes up as the window manager closes a window (its title-bar
// button, Alt+F4: the framework's peer hears WM_DELETE_WINDOW). A box still up a second later is
// ended with Escape's answer, so that a test of a modal chooser can end.
struct WindowManagerClose final : private juce::Timer
{
    WindowManagerClose() { startTimer (20); }

    void timerCallback() override
    {
        auto* box = juce::ModalComponentManager::getInstance()->getModalComponent (0);
        if (box == nullptr || box->getPeer() == nullptr)
            return;
        if (ticksSinceClose++ == 0)
            box->getPeer()->handleUserClosingWindow();
        else if (ticksSinceClose > 50)
        {
            stayedUp = true;
            box->exitModalState (0);
        }
    }

    int ticksSinceClose = 0;
    bool stayedUp = false;
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

// A close from the window manager is the chooser's Cancel, for every chooser.
TEST (NativeDesktopInteraction, AChooserClosedByTheWindowManagerIsCancelled)
{
    if (juce::FileChooser::isPlatformDialogAvailable())
        GTEST_SKIP() << "the desktop's own chooser runs outside the program";

    NativeDesktopInteraction desktop;
    using Choose = std::function<juce::File()>;
    for (const auto& [kind, choose] :
         {std::pair<const char*, Choose>{"open",
                                         [&] { return desktop.chooseFileToOpen ("Open", "*.vexob"); }},
          {"save", [&] { return desktop.chooseFileToSave ("Select filename to save", "*.vexob"); }},
          {"open at once", [&]
           {
               juce::File chosen ("/never/answered");
               desktop.chooseFileToOpenAsync ("Open", "*.vexob",
                                              [&] (const juce::File& file) { chosen = file; });
               testing_support::pumpUntil ([&] { return chosen != juce::File ("/never/answered"); }, 2000);
               return chosen;
           }}})
    {
        WindowManagerClose close;
        EXPECT_EQ (choose(), juce::File()) << kind;
        EXPECT_FALSE (close.stayedUp) << kind;
        EXPECT_GT (close.ticksSinceClose, 0) << kind << ": no box came up";
        testing_support::pumpMessages (10);
        EXPECT_EQ (openModalBoxes(), 0) << kind;
    }
}

#if JUCE_LINUX
// Whether the desktop's opener is missing, finds no viewer, opens the file or cannot even start (no
// file descriptor left), no child of the program is left behind once it has answered, and only a
// failure is reported: later, never inside the call, and never to an empty callback.
TEST (NativeDesktopInteraction, ADocumentTheDesktopCannotOpenIsReportedAndLeavesNoChild)
{
    const auto openers = juce::File::createTempFile ("openers");
    const auto oldPath = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    ASSERT_TRUE (openers.createDirectory() && setenv ("PATH", openers.getFullPathName().toRawUTF8(), 1) == 0);

    NativeDesktopInteraction desktop;
    for (const juce::String opener : {"", "exit 3", "exit 0", "no descriptors"})
    {
        const auto script = openers.getChildFile ("xdg-open");
        ASSERT_TRUE (opener.isEmpty() ||
                     (script.replaceWithText ("#!/bin/sh\n" + opener, false, false, "\n") &&
                      script.setExecutePermission (true)));
        bool refused = false;
        rlimit files{};
        getrlimit (RLIMIT_NOFILE, &files);
        const rlimit none{0, files.rlim_max};
        setrlimit (RLIMIT_NOFILE, opener == "no descriptors" ? &none : &files);
        desktop.openWithSystem (openers, [&] { refused = true; });
        desktop.openWithSystem (openers, {});
        setrlimit (RLIMIT_NOFILE, &files);
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
