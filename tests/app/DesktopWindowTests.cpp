#include "ApplicationTestFixture.h"

#include <set>

// Last: Xlib's macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
// A second connection to the display, as the window manager has, to read the hints the program
// gives it and to change a window as the window manager does.
struct Display2
{
    Display2()
        : display (XOpenDisplay (nullptr))
    {
    }
    ~Display2()
    {
        if (display != nullptr)
            XCloseDisplay (display);
    }

    static Window idOf (juce::Component* window)
    {
        auto* peer = window != nullptr ? window->getPeer() : nullptr;
        return peer != nullptr ? (Window)(juce::pointer_sized_uint)peer->getNativeHandle() : 0;
    }

    Window transientFor (juce::Component* window) const
    {
        Window owner = 0;
        return XGetTransientForHint (display, idOf (window), &owner) != 0 ? owner : 0;
    }

    Window groupOf (juce::Component* window) const
    {
        auto* hints = XGetWMHints (display, idOf (window));
        const Window group =
            hints != nullptr && (hints->flags & WindowGroupHint) != 0 ? hints->window_group : 0;
        if (hints != nullptr)
            XFree (hints);
        return group;
    }

    Display* display;
};
} // namespace

using DesktopWindows = ApplicationTest;

// The window manager keeps each tool window above its main window, and the application's own tools
// above every main window, only when told which windows belong together, before they show.
TEST_F (DesktopWindows, ToolWindowsAreTransientForTheWindowsTheyServe)
{
    const Display2 x;
    ASSERT_NE (x.display, nullptr);
    start();
    invoke (CommandIds::newPreset);
    auto* main = window (1);
    main->sendToHardware();
    main->openSequenceEditor();
    main->openAutoPopulateTool();
    for (auto command : {CommandIds::loadFromHardware, CommandIds::sendMultiplePresets,
                         CommandIds::globalSettingsEditor, CommandIds::midiSetup, CommandIds::about})
        invoke (command);

    const auto group = x.groupOf (window (0));
    ASSERT_NE (group, 0u);
    EXPECT_EQ (x.groupOf (main), group);

    const juce::Array<juce::Component*> ownTools{main->getSendPresetWindow(), main->getSequencerWindow(),
                                                 main->getAutoPopulateWindow()};
    const juce::Array<juce::Component*> appTools{
        app->getGetPresetWindow(), app->getSendMultiplePresetsWindow(), app->getGlobalSettingsWindow(),
        app->getMidiSetupWindow(), app->getAboutWindow()};
    for (auto* tool : ownTools)
        EXPECT_EQ (x.transientFor (tool), Display2::idOf (main)) << tool->getName();
    for (auto* tool : appTools)
    {
        EXPECT_EQ (x.transientFor (tool), DefaultRootWindow (x.display)) << tool->getName();
        EXPECT_EQ (x.groupOf (tool), group) << tool->getName();
    }
}

// A window manager that takes over the screen while the program starts may give the window
// another size; the editor does not fit any other, so the window takes its own back.
TEST_F (DesktopWindows, AMainWindowKeepsItsSizeWhenTheWindowManagerChangesIt)
{
    const Display2 x;
    ASSERT_NE (x.display, nullptr);
    start();
    auto* main = window (0);
    const auto size = main->getBounds().getBottomRight() - main->getPosition();
    ASSERT_GE (main->getContentComponent()->getWidth(), 1000);

    struct SizesSeen final : juce::ComponentListener
    {
        void componentMovedOrResized (juce::Component& c, bool, bool) override
        {
            widths.insert (c.getWidth());
        }
        std::set<int> widths;
    } seen;
    main->addComponentListener (&seen);

    XResizeWindow (x.display, Display2::idOf (main), 128, 128);
    XSync (x.display, False);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return seen.widths.count (128) > 0; }, 2000))
        << "the framework did not hear of the change";
    EXPECT_TRUE (testing_support::pumpUntil (
        [&]
        {
            XWindowAttributes shown{};
            XGetWindowAttributes (x.display, Display2::idOf (main), &shown);
            return main->getBounds().getBottomRight() - main->getPosition() == size &&
                   shown.width == size.x && shown.height == size.y;
        },
        3000));
    main->removeComponentListener (&seen);
}
