#include "ApplicationTestFixture.h"

// Last: Xlib's macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
Window idOf (juce::Component* window)
{
    return (Window)(juce::pointer_sized_uint)window->getPeer()->getNativeHandle();
}

// What a window manager reads of a window through its own connection: whom it is transient for
// and its group.
std::pair<Window, Window> hintsOf (Display* display, juce::Component* window)
{
    Window owner = 0, group = 0;
    XGetTransientForHint (display, idOf (window), &owner);
    if (auto* hints = XGetWMHints (display, idOf (window)))
    {
        group = (hints->flags & WindowGroupHint) != 0 ? hints->window_group : 0;
        XFree (hints);
    }
    return {owner, group};
}
} // namespace

class DesktopWindows : public ApplicationTest
{
protected:
    void TearDown() override
    {
        ApplicationTest::TearDown();
        XCloseDisplay (display);
    }
    Display* display = XOpenDisplay (nullptr);
};

// Tools stay above their main window, and the application's tools above all main windows, only
// if the window manager is told so before they show. Sequence Edit, as large as its main window,
// is a window of its own in the group, or it would hide its main window's menus.
TEST_F (DesktopWindows, ToolWindowsAreTransientForTheWindowsTheyServe)
{
    start();
    invoke (CommandIds::newPreset);
    auto* main = window (1);
    main->sendToHardware();
    main->openSequenceEditor();
    main->openAutoPopulateTool();
    for (auto id : {CommandIds::loadFromHardware, CommandIds::sendMultiplePresets,
                    CommandIds::globalSettingsEditor, CommandIds::midiSetup, CommandIds::about})
        invoke (id);

    const auto group = hintsOf (display, window (0)).second;
    ASSERT_NE (group, 0u);
    EXPECT_EQ (hintsOf (display, main->getSequencerWindow()), std::make_pair (Window (0), group));
    const juce::Array<juce::Component*> own{main->getSendPresetWindow(), main->getAutoPopulateWindow()},
        ofApp{app->getGetPresetWindow(), app->getSendMultiplePresetsWindow(), app->getGlobalSettingsWindow(),
              app->getMidiSetupWindow(), app->getAboutWindow()};
    for (auto* tool : own)
        EXPECT_EQ (hintsOf (display, tool), std::make_pair (idOf (main), group)) << tool->getName();
    for (auto* tool : ofApp)
        EXPECT_EQ (hintsOf (display, tool), std::make_pair (DefaultRootWindow (display), group))
            << tool->getName();
}

// A window manager starting with the program may give the window another size; it takes its own back.
TEST_F (DesktopWindows, AMainWindowKeepsItsSizeWhenTheWindowManagerChangesIt)
{
    start();
    auto* main = window (0);
    const auto size = main->getBounds().getBottomRight() - main->getPosition();
    struct Watch final : juce::ComponentListener
    {
        void componentMovedOrResized (juce::Component& c, bool, bool) override
        {
            smallSeen |= c.getWidth() == 128;
        }
        bool smallSeen = false;
    } watch;
    main->addComponentListener (&watch);

    XResizeWindow (display, idOf (main), 128, 128);
    XSync (display, False);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return watch.smallSeen; }, 2000))
        << "the change was not heard";
    XWindowAttributes shown{};
    EXPECT_TRUE (testing_support::pumpUntil (
        [&]
        {
            XGetWindowAttributes (display, idOf (main), &shown);
            return main->getBounds().getBottomRight() - main->getPosition() == size && shown.width == size.x;
        },
        3000));
    main->removeComponentListener (&watch);
}
