#include "RunningProgram.h"
#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"
#include "model/VexoBEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <gtest/gtest.h>

// The Auto Populate tool in the built program: opened from the Tools menu of a main window, used
// with the mouse and keyboard, its result saved by the main window.
namespace
{
juce::String runTool (const juce::StringArray& command)
{
    juce::ChildProcess child;
    if (!child.start (command, juce::ChildProcess::wantStdOut))
        return {};
    auto output = child.readAllProcessOutput();
    child.waitForProcessToFinish (5000);
    return output;
}

// A click at a point of the window, in the window's own coordinates.
void clickAt (const juce::String& windowId, int x, int y)
{
    runTool ({"xdotool", "mousemove", "--sync", "--window", windowId, juce::String (x), juce::String (y),
              "click", "1"});
    juce::Thread::sleep (250);
}

void typeKeys (const juce::StringArray& keys)
{
    for (auto& key : keys)
    {
        runTool ({"xdotool", "key", key});
        juce::Thread::sleep (150);
    }
}

bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep (100);
    }
    return true;
}

class AutoPopulateProgram : public testing::Test
{
protected:
    void SetUp() override
    {
        if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
            GTEST_SKIP() << "needs an X display (run the tests under xvfb-run)";

        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("vexob e2e fill " + juce::Uuid().toString());
        ASSERT_TRUE (folder.createDirectory());

        midi = new MidiManager (std::make_shared<VirtualMidiPortSystem>());
        engine = new VexoBEditorEngine (midi);
    }

    void TearDown() override { folder.deleteRecursively(); }

    // The preset a file holds, or null.
    VexoBEditorPreset::Ptr presetIn (const juce::File& file) const
    {
        juce::MemoryBlock data;
        if (!file.loadFileAsData (data))
            return nullptr;
        const auto block =
            VexoSysEx::extractDataBlock (static_cast<const juce::uint8*> (data.getData()),
                                         (int)data.getSize(), engine->getMessageModel().dumpTrailer.size());
        VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
        return preset->fromBytes (block) ? preset : nullptr;
    }

    static std::vector<int> notesOf (const VexoBEditorPreset& preset)
    {
        std::vector<int> notes;
        for (int pad = 0; pad < ControlBank::numPads; ++pad)
            notes.push_back (preset.getPad (pad)->getParameterInt (VexoPad::Param::midiNote));
        return notes;
    }

    juce::File folder;
    MidiManager::Ptr midi;
    VexoBEditorEngine::Ptr engine;
    RunningProgram program;
};
} // namespace

TEST_F (AutoPopulateProgram, FillsPadNotesInAScaleOverTwoBanksAndSavesThem)
{
    const auto file = folder.getChildFile ("Fill.vexob");
    engine->savePresetFile (file, engine->createFactoryPreset());
    const auto factory = presetIn (file);
    ASSERT_NE (factory, nullptr);

    ASSERT_TRUE (program.start ({file.getFullPathName()}));
    const juce::String mainTitle ("VexoB Editor Fill\\.vexob");
    const auto mainWindow = RunningProgram::waitForWindow (mainTitle);
    ASSERT_TRUE (mainWindow.isNotEmpty()) << "the main window did not appear";

    // Tools, then its first item, until the tool is there.
    juce::String tool;
    ASSERT_TRUE (waitUntil (
        [&]
        {
            clickAt (mainWindow, 52, 12);
            clickAt (mainWindow, 80, 37);
            tool = RunningProgram::waitForWindow ("Auto Populate: .*", 1000);
            return tool.isNotEmpty();
        },
        20000))
        << "the Auto Populate window did not open from the Tools menu";

    // Pad banks A and B, the SCALE row on with MAJOR, START 48, Apply.
    clickAt (tool, 525, 92);
    clickAt (tool, 548, 92);
    clickAt (tool, 29, 133);
    clickAt (tool, 145, 133);
    typeKeys ({"Down", "Return"});
    clickAt (tool, 110, 155);
    typeKeys ({"4", "8", "Return"});
    clickAt (tool, 560, 126);

    // Back in the main window (keys go to the window that has the focus), Save writes to its file
    // without asking.
    clickAt (mainWindow, 1165, 738);
    const auto before = file.getLastModificationTime();
    ASSERT_TRUE (RunningProgram::pressKeysUntil (mainTitle, "ctrl+s",
                                                 [&] { return file.getLastModificationTime() != before; }))
        << "Save did not write the file";
    juce::Thread::sleep (300);

    const auto saved = presetIn (file);
    ASSERT_NE (saved, nullptr);
    const auto notes = notesOf (*saved);
    const std::vector<int> major{48, 50, 52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71, 72,  74,
                                 76, 77, 79, 81, 83, 84, 86, 88, 89, 91, 93, 95, 96, 98, 100, 101};
    EXPECT_EQ (std::vector<int> (notes.begin(), notes.begin() + 32), major);
    const auto factoryNotes = notesOf (*factory);
    EXPECT_EQ (std::vector<int> (notes.begin() + 32, notes.end()),
               std::vector<int> (factoryNotes.begin() + 32, factoryNotes.end()));

    // Quit, answering No: the file keeps the filled notes.
    const auto asked = [] { return RunningProgram::waitForWindow ("Save Document", 0).isNotEmpty(); };
    ASSERT_TRUE (RunningProgram::pressKeysUntil (mainTitle, "ctrl+q", asked));
    ASSERT_TRUE (
        RunningProgram::pressKeysUntil ("Save Document", "n", [this] { return !program.isRunning(); }));
    EXPECT_EQ (program.waitForExit(), 0);
}
