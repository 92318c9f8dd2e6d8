#include "ApplicationTestFixture.h"
#include "dialogs/VexoAGlobalSettingsComponent.h"

// The MIDI Setup, Global Settings and About windows as the application's commands open them, and
// how the application lets them go.
using SettingsDialogCommands = ApplicationTest;

namespace
{
bool isShowing (const juce::Component* window)
{
    return window != nullptr && window->isOnDesktop() && window->isVisible();
}

void clickOn (juce::Component& component)
{
    const juce::Point<float> where (5.0f, 5.0f);
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent click (juce::Desktop::getInstance().getMainMouseSource(), where,
                                  juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component,
                                  now, where, now, 1, false);
    component.mouseUp (click);
}
} // namespace

TEST_F (SettingsDialogCommands, MidiSetupOpensOnThePortsOpenAtStartAndGoesAfterOk)
{
    start();
    EXPECT_EQ (app->getMidiSetupWindow(), nullptr);

    invoke (CommandIds::midiSetup);
    juce::Component::SafePointer<MidiSetupWindow> watched (app->getMidiSetupWindow());
    ASSERT_TRUE (isShowing (watched));
    EXPECT_EQ (watched->getPanel().getSelectedInputName(), "VexoB Remote");
    EXPECT_EQ (watched->getPanel().getSelectedOutputName(), "VexoB Remote");

    // Opening it again while it is open shows the same window.
    invoke (CommandIds::midiSetup);
    ASSERT_NE (watched, nullptr) << "made again";
    EXPECT_EQ (app->getMidiSetupWindow(), watched.getComponent());

    // OK lets the window go, but only once its click has returned.
    watched->buttonClicked (&watched->getPanel().getOkButton());
    EXPECT_EQ (app->getMidiSetupWindow(), nullptr);
    EXPECT_NE (watched.getComponent(), nullptr) << "destroyed inside its own click";
    EXPECT_FALSE (watched->isOnDesktop());
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return watched == nullptr; }));

    EXPECT_TRUE (app->getMidiManager()->isInputOpen ("VexoB Remote"));
    EXPECT_TRUE (app->getMidiManager()->isOutputOpen ("VexoB Remote"));

    // The next opening makes a new window with fresh lists.
    app->getMidiManager()->closeAllInputs();
    invoke (CommandIds::midiSetup);
    ASSERT_NE (app->getMidiSetupWindow(), nullptr);
    EXPECT_EQ (app->getMidiSetupWindow()->getPanel().getSelectedInputName(), "");

    // Cancel and the close button go the same way.
    watched = app->getMidiSetupWindow();
    watched->buttonClicked (&watched->getPanel().getCancelButton());
    EXPECT_EQ (app->getMidiSetupWindow(), nullptr);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return watched == nullptr; }));

    invoke (CommandIds::midiSetup);
    watched = app->getMidiSetupWindow();
    watched->closeButtonPressed();
    EXPECT_EQ (app->getMidiSetupWindow(), nullptr);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return watched == nullptr; }));
}

TEST_F (SettingsDialogCommands, ASendWithoutAPortOpensMidiSetupWithTheMessage)
{
    start();
    app->getMidiManager()->closeAllOutputs();

    app->getEngine()->sendPreset (0, window (0)->getPreset());
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text,
               "MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
    ASSERT_TRUE (isShowing (app->getMidiSetupWindow()));
    EXPECT_EQ (app->getMidiSetupWindow()->getPanel().getSelectedOutputName(), "");

    // Choosing the device's output there makes the next send go through.
    auto& panel = app->getMidiSetupWindow()->getPanel();
    panel.getOutputList().selectRow (0);
    app->getMidiSetupWindow()->buttonClicked (&panel.getOkButton());
    app->getEngine()->sendPreset (0, window (0)->getPreset());
    settle();
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return device().getNumMessagesReceived() == 1; }));
    EXPECT_EQ (desktop->warnings.size(), 1u);
}

TEST_F (SettingsDialogCommands, GlobalSettingsAsksTheDeviceEachTimeItShowsAndGoesWhenClosed)
{
    device().setGlobalSetting (ScreenContrastIndex, 61);
    start();

    invoke (CommandIds::globalSettingsEditor);
    juce::Component::SafePointer<GlobalSettingsWindow> window (app->getGlobalSettingsWindow());
    ASSERT_TRUE (isShowing (window));
    auto* content = dynamic_cast<VexoAGlobalSettingsComponent*> (&window->getContent());
    ASSERT_NE (content, nullptr);
    ASSERT_TRUE (
        testing_support::pumpUntil ([&] { return content->getBox (ScreenContrastIndex).getText() == "61"; }));

    // Showing it again asks again.
    device().setGlobalSetting (ScreenContrastIndex, 62);
    invoke (CommandIds::globalSettingsEditor);
    ASSERT_NE (window, nullptr) << "made again";
    EXPECT_EQ (app->getGlobalSettingsWindow(), window.getComponent());
    EXPECT_TRUE (
        testing_support::pumpUntil ([&] { return content->getBox (ScreenContrastIndex).getText() == "62"; }));

    // Centred at its own size.
    const auto area = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    EXPECT_LE (std::abs (window->getBounds().getCentreX() - area.getCentreX()), 1);
    EXPECT_LE (std::abs (window->getBounds().getCentreY() - area.getCentreY()), 1);

    window->closeButtonPressed();
    EXPECT_EQ (app->getGlobalSettingsWindow(), nullptr);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return window == nullptr; }));

    invoke (CommandIds::globalSettingsEditor);
    EXPECT_NE (app->getGlobalSettingsWindow(), nullptr);
}

TEST_F (SettingsDialogCommands, AboutIsHiddenByAClickAndComesBackTheSame)
{
    start();
    invoke (CommandIds::about);
    juce::Component::SafePointer<AboutWindow> about (app->getAboutWindow());
    ASSERT_TRUE (isShowing (about));
    EXPECT_EQ (about->getName(), "About VexoB Editor");
    EXPECT_TRUE (about->isAlwaysOnTop());
    const auto place = about->getBounds();

    clickOn (about->getContent());
    EXPECT_FALSE (about->isOnDesktop());

    // The close operation of the tool windows leaves the About box alone.
    app->closeToolWindow (ApplicationServices::ToolWindowKind::about);
    settle();

    invoke (CommandIds::about);
    ASSERT_NE (about, nullptr) << "made again";
    EXPECT_EQ (app->getAboutWindow(), about.getComponent());
    EXPECT_TRUE (isShowing (about));
    EXPECT_EQ (about->getBounds(), place);
}

// Every window open and shown at shut-down; the application lets them all go.
TEST_F (SettingsDialogCommands, ShutDownWithEveryWindowOpen)
{
    start();
    invoke (CommandIds::midiSetup);
    invoke (CommandIds::globalSettingsEditor);
    invoke (CommandIds::about);
    settle();

    app->shutdown();
    started = false;
    EXPECT_EQ (app->getGlobalSettingsWindow(), nullptr);
    app.reset();
    testing_support::pumpMessages (20);
}
