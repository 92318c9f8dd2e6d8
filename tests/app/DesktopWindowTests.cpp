#include "ApplicationTestFixture.h"
#include "dialogs/SendMultiplePresetsWindow.h"
#include "support/MouseDriver.h"

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

// The window manager keeps Send Multiple Presets above the main windows. The framework looks for a
// drop's target in its own order of windows, in which the main window just clicked to start the
// drag is in front: a row the user sees over that main window must still take the drop.
TEST_F (DesktopWindows, AnEditorDroppedOnARowOverItsMainWindowFillsThatSlot)
{
    start();
    auto* main = window (0);
    ASSERT_TRUE (rename (main, "Dropped"));
    invoke (CommandIds::sendMultiplePresets);
    auto* multiple = app->getSendMultiplePresetsWindow();
    multiple->setTopLeftPosition (main->getScreenPosition() + juce::Point<int> (300, 200));
    testing_support::pumpMessages (20);
    auto* row = multiple->getPanel().getList()->getComponentForRowNumber (2);
    ASSERT_NE (row, nullptr);

    // On the editor's own background, clear of the dialog.
    auto* editor = main->getContentComponent();
    ASSERT_EQ (editor->getComponentAt (8, 300), editor);
    const auto from = main->getLocalPoint (editor, juce::Point<int> (8, 300));
    const auto to = main->getLocalPoint (row, row->getLocalBounds().getCentre());

    testing_support::MouseDriver mouse (*main);
    mouse.press (from);
    mouse.dragAlong (from, to, 12);
    mouse.release (to);
    EXPECT_TRUE (testing_support::MouseDriver::waitForDragPictures());
    EXPECT_EQ (multiple->getSlotName (2).trimEnd(), "Dropped");
}

// Events that a round trip made outside the framework's own reading of the connection has moved
// into Xlib's queue reach their windows although nothing more arrives on the connection: an Expose
// left there would leave a closed window's picture on the screen.
TEST_F (DesktopWindows, EventsReadDuringARoundTripReachTheirWindows)
{
    start();
    auto* main = window (0);
    testing_support::pumpMessages (20);
    const auto moved = main->getScreenPosition() + juce::Point<int> (40, 30);
    XMoveWindow (display, idOf (main), moved.x, moved.y);
    XSync (display, False);
    // A question to the server on the framework's connection takes the notice of the move in with
    // its answer.
    main->getPeer()->isFocused();
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return main->getScreenPosition() == moved; }, 2000));
}
