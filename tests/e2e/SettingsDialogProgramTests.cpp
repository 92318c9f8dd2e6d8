#include "ProgramTest.h"

#include <gtest/gtest.h>

// The MIDI Setup, Global Settings and About dialogs in the built program with the simulated device:
// each opened from its menu and used with the mouse and the keyboard.
namespace
{
const juce::String mainTitle ("VexoB Editor Untitled 1");
const juce::String midiSetupTitle ("MIDI Setup");
const juce::String globalSettingsTitle ("Global Settings");
const juce::String aboutTitle ("About VexoB Editor");

// The menus, and the places of the items counted without separators.
constexpr int fileMenu = 0, toolsMenu = 1, helpMenu = 3;
constexpr int midiSetupItem = 7, globalSettingsItem = 2, aboutItem = 1;

void waitAMoment (int ms = 300)
{
    juce::Thread::sleep (ms);
}

bool isGone (const juce::String& title)
{
    return screen::waitUntil ([&] { return !screen::isShowing (title); }, 10000);
}

// A part of what the window shows, once it has settled.
juce::Image pictureOf (const juce::String& title, juce::Rectangle<int> area)
{
    const auto picture = screen::takePicture (title);
    return picture.isNull() ? picture : picture.getClippedImage (area).createCopy();
}

bool samePicture (const juce::Image& a, const juce::Image& b)
{
    if (a.isNull() || b.isNull() || a.getBounds() != b.getBounds())
        return false;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;
    return true;
}

// Waits until the area shows the expected picture again.
bool comesToShow (const juce::String& title, juce::Rectangle<int> area, const juce::Image& expected)
{
    return screen::waitUntil ([&] { return samePicture (pictureOf (title, area), expected); }, 10000);
}

// Opens a box's list with a click and takes the next item with the keyboard.
void chooseNextItem (const juce::String& title, juce::Point<int> box)
{
    ASSERT_TRUE (screen::click (title, box));
    waitAMoment (400);
    ASSERT_TRUE (screen::pressKeysInFocus ("Down Return"));
    waitAMoment (400);
}

// With VEXOB_SNAPSHOT_DIR set, a picture of the window is kept there for a person to look at.
void keepForViewing (const juce::String& title, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
    if (folder.isNotEmpty())
        screen::saveScreenshot (title, juce::File (folder).getChildFile (name + ".png"));
}

using SettingsDialogProgram = ProgramTest;
} // namespace

TEST_F (SettingsDialogProgram, MidiSetupFromTheFileMenuShowsTheDevicesPortsAndCloses)
{
    ASSERT_TRUE (program.start());
    ASSERT_TRUE (screen::waitForWindow (mainTitle).isNotEmpty());

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, fileMenu, midiSetupItem,
                                         [] { return screen::isShowing (midiSetupTitle); }))
        << "MIDI Setup did not open from the File menu";
    waitAMoment();
    const auto picture = screen::takePicture (midiSetupTitle);
    ASSERT_FALSE (picture.isNull());
    EXPECT_EQ (picture.getBounds(), juce::Rectangle<int> (633, 275));
    keepForViewing (midiSetupTitle, "program-midi-setup");

    // The simulated device's port stands first in both lists and is selected there, the rows under
    // it are empty.
    EXPECT_EQ (picture.getPixelAt (250, 100), juce::Colour (128, 128, 128));
    EXPECT_EQ (picture.getPixelAt (555, 100), juce::Colour (128, 128, 128));
    EXPECT_EQ (picture.getPixelAt (250, 170), juce::Colour (0, 0, 0));

    // Apply keeps it open; OK closes it; the device still answers afterwards, as the next dialog
    // shows with the port selected again.
    ASSERT_TRUE (screen::click (midiSetupTitle, {514 + 48, 220 + 12}));
    waitAMoment();
    EXPECT_TRUE (screen::isShowing (midiSetupTitle));
    ASSERT_TRUE (screen::click (midiSetupTitle, {411 + 48, 220 + 12}));
    EXPECT_TRUE (isGone (midiSetupTitle)) << "OK did not close the dialog";

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, fileMenu, midiSetupItem,
                                         [] { return screen::isShowing (midiSetupTitle); }));
    waitAMoment();
    EXPECT_EQ (screen::takePicture (midiSetupTitle).getPixelAt (250, 100), juce::Colour (128, 128, 128));
    ASSERT_TRUE (screen::click (midiSetupTitle, {20 + 48, 220 + 12}));
    EXPECT_TRUE (isGone (midiSetupTitle)) << "Cancel did not close the dialog";

    quitAnsweringNo (mainTitle);
}

TEST_F (SettingsDialogProgram, GlobalSettingsSendGetAndRevertReachTheDevice)
{
    ASSERT_TRUE (program.start());
    ASSERT_TRUE (screen::waitForWindow (mainTitle).isNotEmpty());

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, toolsMenu, globalSettingsItem,
                                         [] { return screen::isShowing (globalSettingsTitle); }))
        << "Global Settings did not open from the Tools menu";
    waitAMoment (500);
    keepForViewing (globalSettingsTitle, "program-global-settings");
    EXPECT_EQ (screen::takePicture (globalSettingsTitle).getBounds(), juce::Rectangle<int> (633, 273));

    // LCD CONTRAST's box, its writing only.
    const juce::Rectangle<int> contrast (152, 92, 120, 18);
    const juce::Point<int> contrastBox (150 + 60, 90 + 11);
    const juce::Point<int> revert (10 + 48, 233 + 12), get (410 + 48, 233 + 12), send (510 + 48, 233 + 12);

    const auto asTheDeviceHasIt = pictureOf (globalSettingsTitle, contrast);

    chooseNextItem (globalSettingsTitle, contrastBox);
    const auto chosen = pictureOf (globalSettingsTitle, contrast);
    ASSERT_FALSE (samePicture (chosen, asTheDeviceHasIt)) << "the choice did not change";

    ASSERT_TRUE (screen::click (globalSettingsTitle, send));
    waitAMoment (500);

    // Another choice, not sent: Get brings back what the device holds, the value sent.
    chooseNextItem (globalSettingsTitle, contrastBox);
    ASSERT_FALSE (samePicture (pictureOf (globalSettingsTitle, contrast), chosen));
    ASSERT_TRUE (screen::click (globalSettingsTitle, get));
    EXPECT_TRUE (comesToShow (globalSettingsTitle, contrast, chosen))
        << "the device does not hold the value sent";

    // Revert sends back what the device had before the Send.
    ASSERT_TRUE (screen::click (globalSettingsTitle, revert));
    EXPECT_TRUE (comesToShow (globalSettingsTitle, contrast, asTheDeviceHasIt)) << "Revert did not restore";

    quitAnsweringNo (mainTitle);
}

TEST_F (SettingsDialogProgram, AboutIsTheHelpMenusLastItemAndAClickHidesIt)
{
    ASSERT_TRUE (program.start());
    ASSERT_TRUE (screen::waitForWindow (mainTitle).isNotEmpty());

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, helpMenu, aboutItem,
                                         [] { return screen::isShowing (aboutTitle); }))
        << "About did not open from the Help menu";
    waitAMoment();
    const auto place = screen::getBounds (aboutTitle);
    EXPECT_EQ (place.getWidth(), 501);
    EXPECT_EQ (place.getHeight(), 275);
    keepForViewing (aboutTitle, "program-about");

    ASSERT_TRUE (screen::click (aboutTitle, {250, 250}));
    EXPECT_TRUE (isGone (aboutTitle)) << "a click did not hide the About box";

    ASSERT_TRUE (screen::chooseMenuItem (mainTitle, helpMenu, aboutItem,
                                         [] { return screen::isShowing (aboutTitle); }));
    EXPECT_EQ (screen::getBounds (aboutTitle), place);
    ASSERT_TRUE (screen::click (aboutTitle, {250, 250}));
    EXPECT_TRUE (isGone (aboutTitle));

    quitAnsweringNo (mainTitle);
}
