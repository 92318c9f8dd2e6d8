#include "ApplicationTestFixture.h"
#include "app/NativeDesktopInteraction.h"
#include "dialogs/SendMultiplePresetsWindow.h"
#include "sequencer/SequencerComponent.h"
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

juce::String standardNameOf (Display* display, juce::Component* window)
{
    XTextProperty name{};
    XGetTextProperty (display, idOf (window), &name, XInternAtom (display, "_NET_WM_NAME", False));
    const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (name.value), (int)name.nitems);
    XFree (name.value);
    return text;
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
// is a window of its own in the group, or it would hide its main window's menus. A main window's
// own tools are out of the group, or a window manager may keep the application's above them.
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
        EXPECT_EQ (hintsOf (display, tool), std::make_pair (idOf (main), Window (0))) << tool->getName();
    for (auto* tool : ofApp)
        EXPECT_EQ (hintsOf (display, tool), std::make_pair (DefaultRootWindow (display), group))
            << tool->getName();
}

// Task bars, pagers and wmctrl know a window by its standard name: every window of the program,
// message boxes included, carries its title there, also once the title changes.
TEST_F (DesktopWindows, EveryWindowCarriesItsTitleAsItsStandardName)
{
    start();
    NativeDesktopInteraction boxes;
    auto* main = window (0);
    for (auto id : {CommandIds::sendToHardware, CommandIds::sequenceEdit, CommandIds::autoPopulateTool})
        main->perform (juce::ApplicationCommandTarget::InvocationInfo (id));
    for (auto id : {CommandIds::loadFromHardware, CommandIds::sendMultiplePresets,
                    CommandIds::globalSettingsEditor, CommandIds::midiSetup, CommandIds::about})
        invoke (id);
    boxes.showWarningAsync ("Warning", "Text");
    desktop->filesToSave = {folder.getChildFile ("Renamed.vexob")};
    ASSERT_TRUE (main->saveAs());

    auto& windows = juce::Desktop::getInstance();
    ASSERT_EQ (windows.getNumComponents(), 10);
    for (int i = 0; i < windows.getNumComponents(); ++i)
        EXPECT_EQ (standardNameOf (display, windows.getComponent (i)), windows.getComponent (i)->getName());
    EXPECT_TRUE (main->getName().endsWith ("Renamed.vexob"));
    juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
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

namespace
{
juce::Component* findNamed (juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
        if (auto* found = child->getName() == name ? child : findNamed (*child, name))
            return found;
    return nullptr;
}

int frontOrderOf (const juce::Component* window)
{
    for (int i = juce::Desktop::getInstance().getNumComponents(); --i >= 0;)
        if (juce::Desktop::getInstance().getComponent (i) == window)
            return i;
    return -1;
}

// The command that opens the tool; what is edited: a field of the main window, one of its Sequence
// Edit window, or nothing but a message box.
enum Edit
{
    mainField,
    sequencerField,
    messageBox
};
class DesktopWindowsUnderATool : public DesktopWindows,
                                 public testing::WithParamInterface<std::pair<int, Edit>>
{
};
} // namespace

// The framework brings a modal component's window (a field being edited in place, a message box)
// back in front of any other window that comes forward, and the tools kept above a window come
// forward with it: neither may set off the other for ever. Once the edit is over, the tool is in
// front again, where the window manager keeps it.
TEST_P (DesktopWindowsUnderATool, AClickInTheWindowBeingEditedLeavesTheToolInFront)
{
    const auto [opening, edit] = GetParam();
    start();
    auto* main = window (0);
    if (!main->perform (juce::ApplicationCommandTarget::InvocationInfo (opening)))
        invoke (opening);
    auto* tool =
        juce::Desktop::getInstance().getComponent (juce::Desktop::getInstance().getNumComponents() - 1);
    juce::Component* clicked = main;
    auto* field = dynamic_cast<juce::Label*> (findNamed (*main, "TEMPO"));
    if (edit == sequencerField)
    {
        main->openSequenceEditor();
        auto* editor = dynamic_cast<SequencerComponent*> (main->getSequencerWindow()->getContentComponent());
        editor->getTable().selectRow (2);
        field = &editor->getVelocityView().getStepEditor (9)->getNumberBox();
        clicked = main->getSequencerWindow();
    }
    if (edit == messageBox)
        juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, "Box", "Modal");
    else
        field->showEditor();
    ASSERT_NE (juce::Component::getCurrentlyModalComponent(), nullptr);

    // What a button press on the window does before the press itself reaches the window; the edit
    // then ends by its key.
    clicked->getPeer()->toFront (true);
    juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
    EXPECT_TRUE (
        testing_support::pumpUntil ([&] { return frontOrderOf (tool) > frontOrderOf (clicked); }, 2000));
}
INSTANTIATE_TEST_SUITE_P (Tools, DesktopWindowsUnderATool,
                          testing::Values (std::pair (CommandIds::sendMultiplePresets, mainField),
                                           std::pair (CommandIds::sendToHardware, mainField),
                                           std::pair (CommandIds::autoPopulateTool, mainField),
                                           std::pair (CommandIds::globalSettingsEditor, sequencerField),
                                           std::pair (CommandIds::midiSetup, messageBox)));
