#include "app/NativeDesktopInteraction.h"
#include "support/MessageLoop.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>

namespace
{
int openModalBoxes()
{
    return juce::ModalComponentManager::getInstance()->getNumModalComponents();
}

// Acts on the first modal box that comes up on the screen, on the message loop as a user would. A
// box still up a second later is ended with Escape's answer, so that a test of a modal box can end.
struct WhenABoxComesUp final : private juce::Timer
{
    explicit WhenABoxComesUp (std::function<void (juce::Component&)> actOnBox)
        : act (std::move (actOnBox))
    {
        startTimer (20);
    }

    void timerCallback() override
    {
        auto* box = juce::ModalComponentManager::getInstance()->getModalComponent (0);
        if (box == nullptr || box->getPeer() == nullptr)
            return;
        if (ticksSinceUp++ == 0)
            act (*box);
        else if (ticksSinceUp > 50)
        {
            stayedUp = true;
            box->exitModalState (0);
        }
    }

    std::function<void (juce::Component&)> act;
    int ticksSinceUp = 0;
    bool stayedUp = false;
};

// The area of a box's icon: what differs from the box's background in the column left of its text,
// above its buttons, leaving out the box's outline.
juce::Rectangle<int> iconArea (juce::Component& box)
{
    const auto picture = box.createComponentSnapshot (box.getLocalBounds());
    const auto background = box.findColour (juce::AlertWindow::backgroundColourId);
    auto bottom = box.getHeight();
    for (auto* child : box.getChildren())
        if (dynamic_cast<juce::Button*> (child) != nullptr)
            bottom = juce::jmin (bottom, child->getY());

    juce::Rectangle<int> icon;
    for (int y = 4; y < bottom; ++y)
        for (int x = 4; x < 80; ++x)
            if (std::abs (picture.getPixelAt (x, y).getBrightness() - background.getBrightness()) > 0.05f)
                icon = icon.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1)
                                      : icon.getUnion (juce::Rectangle<int> (x, y, 1, 1));
    return icon;
}
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

// The message boxes' icons stand whole inside the box, clear of its edges and of its text.
TEST (NativeDesktopInteraction, AMessageBoxShowsItsIconWhole)
{
    NativeDesktopInteraction desktop;
    for (const auto& [kind, show] :
         {std::pair<const char*, std::function<void()>>{
              "warning", [&] { desktop.showWarningAsync ("VexoB Editor", "No file."); }},
          {"question", [&] { desktop.askYesNoCancel ("Save Document", "Save Preset: A"); }}})
    {
        juce::Rectangle<int> icon;
        juce::Rectangle<int> inside;
        WhenABoxComesUp look (
            [&] (juce::Component& box)
            {
                icon = iconArea (box);
                inside = box.getLocalBounds().reduced (5);
                box.exitModalState (0);
            });
        show();
        ASSERT_TRUE (
            testing_support::pumpUntil ([&] { return look.ticksSinceUp > 0 && openModalBoxes() == 0; }))
            << kind;
        EXPECT_FALSE (icon.isEmpty()) << kind << ": no icon";
        EXPECT_TRUE (inside.withWidth (75).contains (icon)) << kind << ": " << icon.toString();
    }
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
        WhenABoxComesUp close ([] (juce::Component& box) { box.getPeer()->handleUserClosingWindow(); });
        EXPECT_EQ (choose(), juce::File()) << kind;
        EXPECT_FALSE (close.stayedUp) << kind;
        EXPECT_GT (close.ticksSinceUp, 0) << kind << ": no box came up";
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
