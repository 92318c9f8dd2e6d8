#pragma once

#include "RunningProgram.h"
#include "Screen.h"
#include "model/VexoBEditorPreset.h"

#include <gtest/gtest.h>

// The fixture of every test that starts the program: it needs an X display, gives each test a
// folder of its own, and when a test fails leaves a picture of the screen as it was then in
// e2e-failures/ beside the test program's working folder.
class ProgramTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Quits through the keyboard as a user would: the Quit shortcut, then No to the save question
    // of the one window.
    void quitAnsweringNo (const juce::String& mainWindowTitle);

    // Answers No to every save question until the program has ended, or the time is up.
    bool answerNoUntilTheProgramEnds (int timeoutMs = 60000);

    // A preset file in the test's folder, written by the engine's own save: the factory preset,
    // renamed when a name is given.
    juce::File savePreset (const juce::String& fileName, const juce::String& presetName = {});

    // The preset a file holds, or null when it holds none.
    static VexoBEditorPreset::Ptr presetIn (const juce::File& file);

    juce::File folder;
    RunningProgram program;
};
