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

// The framework finds a drop's target in its own order of windows, the main window the drag began in
// in front: a row of Send Multiple Presets, kept above it by the window manager, must take the drop.
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
    auto* editor = main->getContentComponent();
    ASSERT_EQ (editor->getComponentAt (8, 300), editor); // its own background, clear of the dialog
    const auto from = main->getLocalPoint (editor, juce::Point<int> (8, 300));
    // The display's own pointer out of the way: another test's window going from under it would
    // send these windows a real move with no button down, which ends the drag.
    XWarpPointer (display, 0, DefaultRootWindow (display), 0, 0, 0, 0, 1919, 1199);
    XSync (display, False);
    testing_support::MouseDriver mouse (*main);
    mouse.press (from);
    mouse.dragAlong (from, mouse.centreOf (*row), 12);
    mouse.release (mouse.centreOf (*row));
    EXPECT_TRUE (testing_support::MouseDriver::waitForDragPictures());
    EXPECT_EQ (multiple->getSlotName (2).trimEnd(), "Dropped");
}

// Events a round trip outside the framework's reading of the connection moved into Xlib's queue reach
// their windows though nothing more arrives: an Expose left there would leave a closed window's picture.
TEST_F (DesktopWindows, EventsReadDuringARoundTripReachTheirWindows)
{
    start();
    auto* main = window (0);
    testing_support::pumpMessages (20);
    const auto moved = main->getScreenPosition() + juce::Point<int> (40, 30);
    XMoveWindow (display, idOf (main), moved.x, moved.y);
    XSync (display, False);
    main->getPeer()->isFocused(); // a question on the framework's connection: the move's notice comes along
    // At once: other traffic on the connection would have the framework read its queue later anyway.
    testing_support::pumpMessages (0);
    EXPECT_EQ (main->getScreenPosition(), moved);
}
