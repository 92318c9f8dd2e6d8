#include "ProgramTest.h"

#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"
#include "model/VexoEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <iostream>

namespace
{
// An engine of its own, on no device: only its files and its message model are used.
VexoBEditorEngine::Ptr makeEngine()
{
    MidiManager::Ptr midi (new MidiManager (std::make_shared<VirtualMidiPortSystem>()));
    return new VexoBEditorEngine (midi);
}
} // namespace

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

    ASSERT_TRUE (answerNoUntilTheProgramEnds()) << "the program did not end";
    EXPECT_EQ (program.waitForExit(), 0);
}

bool ProgramTest::answerNoUntilTheProgramEnds (int timeoutMs)
{
    // The end is waited for on the process, not on the screen: the last question leaves the screen
    // before the program has finished quitting, which on a busy machine takes seconds.
    const auto ended = [this] { return !program.isRunning(); };
    return screen::waitUntil (
        [&]
        {
            if (screen::isShowing ("Save Document"))
                screen::pressKeys ("Save Document", "n");
            return screen::waitUntil (ended, 1000);
        },
        timeoutMs);
}

juce::File ProgramTest::savePreset (const juce::String& fileName, const juce::String& presetName)
{
    const auto engine = makeEngine();
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

// GCC 12 misreads the counted pointers of this function, once inlined, as reaching outside the
// preset (-Warray-bounds on a class with a virtual base); nothing here indexes anything.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif
VexoBEditorPreset::Ptr ProgramTest::presetIn (const juce::File& file)
{
    juce::MemoryBlock data;
    if (!file.loadFileAsData (data))
        return nullptr;
    const auto block =
        VexoSysEx::extractDataBlock (static_cast<const juce::uint8*> (data.getData()), (int)data.getSize(),
                                     makeEngine()->getMessageModel().dumpTrailer.size());
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    return preset->fromBytes (block) ? preset : nullptr;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
