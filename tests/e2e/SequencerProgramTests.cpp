#include "RunningProgram.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoBEditorPreset.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <gtest/gtest.h>

// The step-sequencer editor in the running program: opened from the Tools menu, edited with the
// mouse and the keyboard, and saved with the preset.
namespace
{
juce::String xdotool (const juce::StringArray& arguments)
{
    juce::StringArray command{"xdotool"};
    command.addArray (arguments);
    juce::ChildProcess child;
    if (!child.start (command, juce::ChildProcess::wantStdOut))
        return {};
    auto output = child.readAllProcessOutput();
    child.waitForProcessToFinish (5000);
    return output;
}

// A point on the screen, or inside a window from its top-left corner.
struct Spot
{
    int x = 0, y = 0;
    Spot operator+ (Spot other) const { return {x + other.x, y + other.y}; }
};

bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep (50);
    }
    return true;
}

// The window's inside on the screen, as the X server places it.
Spot windowOrigin (const juce::String& windowId)
{
    int x = -1, y = -1;
    for (const auto& line :
         juce::StringArray::fromLines (xdotool ({"getwindowgeometry", "--shell", windowId})))
    {
        if (line.startsWith ("X="))
            x = line.fromFirstOccurrenceOf ("=", false, false).getIntValue();
        else if (line.startsWith ("Y="))
            y = line.fromFirstOccurrenceOf ("=", false, false).getIntValue();
    }
    return {x, y};
}

// Through the server's own input path, to whatever has the focus or lies under the pointer.
void click (Spot onScreen, int times = 1)
{
    xdotool ({"mousemove", "--sync", juce::String (onScreen.x), juce::String (onScreen.y)});
    xdotool ({"click", "--repeat", juce::String (times), "--delay", "60", "1"});
}

// Raises the window with that title and gives it the keyboard focus; false if it is not showing.
bool focus (const juce::String& title)
{
    const auto id = RunningProgram::waitForWindow (title, 5000);
    if (id.isEmpty())
        return false;
    xdotool ({"windowraise", id});
    xdotool ({"windowfocus", "--sync", id});
    juce::Thread::sleep (200);
    return true;
}

void keys (const juce::String& names)
{
    juce::StringArray arguments{"key", "--delay", "60"};
    arguments.addTokens (names, " ", {});
    xdotool (arguments);
}

class SequencerProgram : public testing::Test
{
protected:
    void SetUp() override
    {
        if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
            GTEST_SKIP() << "needs an X display (run the tests under xvfb-run)";

        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("vexob e2e sequencer " + juce::Uuid().toString());
        ASSERT_TRUE (folder.createDirectory());
    }

    void TearDown() override { folder.deleteRecursively(); }

    juce::File savePreset (const juce::String& fileName)
    {
        MidiManager::Ptr midi (new MidiManager (std::make_shared<VirtualMidiPortSystem>()));
        VexoBEditorEngine::Ptr engine (new VexoBEditorEngine (midi));
        auto preset = engine->createFactoryPreset();
        const auto file = folder.getChildFile (fileName);
        engine->savePresetFile (file, preset);
        return file;
    }

    juce::File folder;
    RunningProgram program;
};

// Where the sequencer's bytes begin in a preset file: after the 8-byte message header.
constexpr int sequencerInFile = 8 + VexoBEditorPreset::sequencerOffset;

juce::uint8 byteOf (const juce::File& file, int offset)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return offset < (int)data.getSize() ? static_cast<const juce::uint8*> (data.getData())[offset] : 0xff;
}
} // namespace

TEST_F (SequencerProgram, StepsAndLengthSetInTheSequencerAreSavedWithThePreset)
{
    const auto file = savePreset ("Steps.vexob");
    const int stepByte = sequencerInFile + VexoBSequencer::headerSize + 32 * 2 + 4; // pad 3, step 5
    ASSERT_EQ (byteOf (file, stepByte), 0);
    ASSERT_NE (byteOf (file, sequencerInFile), 7);

    ASSERT_TRUE (program.start ({file.getFullPathName()}));
    const juce::String mainTitle ("VexoB Editor Steps\\.vexob");
    const juce::String sequencerTitle ("VexoB Editor Steps\\.vexob Sequence Edit");
    const auto mainWindow = RunningProgram::waitForWindow (mainTitle);
    ASSERT_TRUE (mainWindow.isNotEmpty());

    // Tools > Sequence Edit: open the menu bar's first menu, step right to Tools and up to its
    // last item.
    const auto opened = [&] { return RunningProgram::waitForWindow (sequencerTitle, 0).isNotEmpty(); };
    ASSERT_TRUE (waitUntil (
        [&]
        {
            click (windowOrigin (mainWindow) + Spot{20, 12});
            juce::Thread::sleep (400);
            keys ("Right Up Return");
            return waitUntil (opened, 3000);
        },
        20000))
        << "Sequence Edit did not open from the Tools menu";

    const auto sequencerWindow = RunningProgram::waitForWindow (sequencerTitle);
    const auto origin = windowOrigin (sequencerWindow);

    // A double-click on pad 3's step 5: the header is 28 high, the rows 22, step 5 begins at 336.
    click (origin + Spot{350, 40 + 28 + 2 * 22 + 11}, 2);
    juce::Thread::sleep (300);

    // "Steps": open its list, close it again, and step up from 16 to 8.
    click (origin + Spot{290, 20});
    juce::Thread::sleep (400);
    keys ("Escape");
    juce::Thread::sleep (200);
    keys ("Up Up Up Up Up Up Up Up");
    juce::Thread::sleep (300);

    // Save into the file the window belongs to, with the main window's shortcut.
    const auto saved = [&] { return byteOf (file, sequencerInFile) == 7 && byteOf (file, stepByte) == 127; };
    EXPECT_TRUE (waitUntil (
        [&]
        {
            focus (mainTitle);
            keys ("ctrl+s");
            return waitUntil (saved, 3000);
        },
        15000))
        << "the file holds length " << (int)byteOf (file, sequencerInFile) << " and step "
        << (int)byteOf (file, stepByte);

    const auto asked = [] { return RunningProgram::waitForWindow ("Save Document", 0).isNotEmpty(); };
    ASSERT_TRUE (waitUntil (
        [&]
        {
            focus (mainTitle);
            keys ("ctrl+q");
            return waitUntil (asked, 3000);
        },
        15000));
    const auto ended = [this] { return !program.isRunning(); };
    ASSERT_TRUE (waitUntil (
        [&]
        {
            focus ("Save Document");
            keys ("n");
            return waitUntil (ended, 3000);
        },
        15000));
    EXPECT_EQ (program.waitForExit(), 0);
}
