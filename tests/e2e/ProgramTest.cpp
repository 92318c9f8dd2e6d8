#include "ProgramTest.h"

#include "engine/VexoBEditorEngine.h"
#include "model/VexoEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <iostream>

void ProgramTest::SetUp()
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X display (run the tests under xvfb-run)";

    folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                 .getChildFile ("vexob e2e " + juce::Uuid().toString());
    ASSERT_TRUE (folder.createDirectory());
}

void ProgramTest::TearDown()
{
    // Taken before the program is stopped, so that it shows the windows the test got stuck on.
    if (HasFailure())
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        const auto picture = juce::File::getCurrentWorkingDirectory().getChildFile (
            juce::String ("e2e-failures/") + test->test_suite_name() + "." + test->name() + ".png");
        if (screen::saveScreenshot (picture))
            std::cout << "The screen at the failure: " << picture.getFullPathName() << std::endl;
    }
    folder.deleteRecursively();
}

void ProgramTest::quitAnsweringNo (const juce::String& mainWindowTitle)
{
    const auto asked = [] { return screen::isShowing ("Save Document"); };
    ASSERT_TRUE (screen::pressKeysUntil (mainWindowTitle, "ctrl+q", asked))
        << "the quit question did not appear";

    const auto ended = [this] { return !program.isRunning(); };
    ASSERT_TRUE (screen::pressKeysUntil ("Save Document", "n", ended)) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}

juce::File ProgramTest::savePreset (const juce::String& fileName, const juce::String& presetName)
{
    MidiManager::Ptr midi (new MidiManager (std::make_shared<VirtualMidiPortSystem>()));
    VexoBEditorEngine::Ptr engine (new VexoBEditorEngine (midi));
    auto preset = engine->createFactoryPreset();
    if (presetName.isNotEmpty())
    {
        auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
        EXPECT_TRUE (named != nullptr && named->setName (presetName));
    }

    const auto file = folder.getChildFile (fileName);
    engine->savePresetFile (file, preset);
    return file;
}
