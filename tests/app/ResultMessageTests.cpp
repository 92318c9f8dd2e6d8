#include "ApplicationTestFixture.h"

using ResultMessages = ApplicationTest;

TEST_F (ResultMessages, EveryFailingResultShowsItsOwnTextAndSuccessesShowNothing)
{
    start();

    struct Case
    {
        std::function<void()> report;
        juce::String expected; // empty: no message
    };

    const juce::String noDevice ("MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
    const juce::String noReply ("No Preset Acknowledgement returned. Verify Midi Input Settings.");

    const std::vector<Case> cases{
        {[this] { app->sendPresetResult (nullptr, 0); }, noDevice},
        {[this] { app->sendPresetResult (nullptr, 1); }, noReply},
        {[this] { app->sendPresetResult (nullptr, 2); }, {}},
        {[this] { app->requestPresetResult (0); }, noDevice},
        {[this] { app->requestPresetResult (1); }, noReply},
        {[this] { app->requestPresetResult (2); }, {}},
        {[this] { app->openPresetFileResult (0); }, "Error Opening File."},
        {[this] { app->openPresetFileResult (1); }, "Error Opening File."},
        {[this] { app->openPresetFileResult (2); }, {}},
        {[this] { app->savePresetFileResult (0); }, "Error Saving File."},
        {[this] { app->savePresetFileResult (1); }, {}},
    };

    for (size_t i = 0; i < cases.size(); ++i)
    {
        desktop->warnings.clear();
        cases[i].report();

        SCOPED_TRACE ("case " + std::to_string (i));
        if (cases[i].expected.isEmpty())
        {
            EXPECT_TRUE (desktop->warnings.empty());
            continue;
        }
        ASSERT_EQ (desktop->warnings.size(), 1u);
        EXPECT_EQ (desktop->warnings[0].title, "VexoB Editor");
        EXPECT_EQ (desktop->warnings[0].text, cases[i].expected);
    }
}

TEST_F (ResultMessages, AFailedWriteReachesTheUserAndLeavesTheWindowItsNameAndFile)
{
    start();

    // Nothing can be written into a folder that does not exist.
    desktop->filesToSave = {folder.getChildFile ("gone/blocked.vexob")};

    EXPECT_FALSE (window (0)->saveAs());
    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, "Error Saving File.");
    EXPECT_EQ (window (0)->getName(), "VexoB Editor Untitled 1");
    EXPECT_TRUE (window (0)->getPath().isEmpty());
}

TEST_F (ResultMessages, ASendWithoutAnOpenPortReportsNoDevice)
{
    start();
    app->getMidiManager()->closeAllOutputs();

    app->getEngine()->sendPreset (0, window (0)->getPreset());

    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text,
               "MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
}

// The application talks to whatever port system it was handed; here a device the test silenced.
TEST_F (ResultMessages, ASilentDeviceThatWasHandedInReportsNoAcknowledgement)
{
    start();
    device().setSilent (true);
    app->getEngine()->setReplyTimeout (100);

    app->getEngine()->sendPreset (5, window (0)->getPreset());

    ASSERT_TRUE (waitForWarnings (1));
    EXPECT_EQ (desktop->warnings[0].text, "No Preset Acknowledgement returned. Verify Midi Input Settings.");
    EXPECT_EQ (device().getNumMessagesReceived(), 1);
}
