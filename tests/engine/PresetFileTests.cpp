#include "EngineTestSupport.h"

#include "engine/FactoryPreset.h"
#include "model/RandomBlocks.h"
#include "model/VexoBEditorPreset.h"

#include <sys/stat.h>

using engine_test::RecordingListener;
using engine_test::toVector;
using Bytes = std::vector<juce::uint8>;

namespace
{
class PresetFiles : public ::testing::Test
{
protected:
    PresetFiles() { engine->addListener (&results); }
    ~PresetFiles() override
    {
        engine->removeListener (&results);
        folder.deleteRecursively();
    }

    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

    juce::File fileWith (const juce::String& name, const Bytes& bytes) const
    {
        auto f = file (name);
        if (bytes.empty())
            f.create(); // replacing with no data deletes the file
        else
            f.replaceWithData (bytes.data(), bytes.size());
        return f;
    }

    Bytes validDump() const { return toVector (FactoryPreset::getDump()); }

    // Opens the file into a fresh preset; returns the result and whether the preset changed.
    std::pair<int, bool> open (const juce::File& f)
    {
        auto preset = engine->createPreset();
        const auto before = toVector (preset->toBytes());
        const auto count = results.opens.size();
        engine->loadPresetFile (f, preset);
        EXPECT_TRUE (testing_support::pumpUntil ([&] { return results.opens.size() == count + 1; }));
        return {results.opens.back(), toVector (preset->toBytes()) != before};
    }

    juce::File folder = juce::File::createTempFile ("vexob-files");
    VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
    RecordingListener results;

    void SetUp() override { ASSERT_TRUE (folder.createDirectory()); }
};
} // namespace

TEST_F (PresetFiles, SavedFileIsADumpForTheWorkingSlotAndOpensAgain)
{
    auto preset = engine->createFactoryPreset();
    dynamic_cast<VexoBEditorPreset*> (preset.get())
        ->getPad (5)
        ->setParameterValue (VexoPad::Param::midiNote, 12);
    const auto f = file ("mine.vexob");
    engine->savePresetFile (f, preset);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return results.saves.size() == 1; }));
    EXPECT_EQ (results.saves[0], VexoEditorEngine::saveWritten);

    juce::MemoryBlock written;
    ASSERT_TRUE (f.loadFileAsData (written));
    const Bytes bytes (static_cast<const juce::uint8*> (written.getData()),
                       static_cast<const juce::uint8*> (written.getData()) + written.getSize());
    ASSERT_EQ (bytes.size(), 3483u);
    EXPECT_EQ (Bytes (bytes.begin(), bytes.begin() + 8),
               (Bytes{0xF0, 0x7D, 0x00, 0x36, 0x10, 0x1B, 0x13, 0x00}));
    EXPECT_EQ (Bytes (bytes.end() - 4, bytes.end()), (Bytes{0x04, 0x00, 0x07, 0xF7}));

    EXPECT_TRUE (engine->checkPresetFile (f));
    auto reopened = engine->createPreset();
    engine->loadPresetFile (f, reopened);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return results.opens.size() == 1; }));
    EXPECT_EQ (results.opens[0], VexoEditorEngine::fileLoaded);
    EXPECT_EQ (toVector (reopened->toBytes()), toVector (preset->toBytes()));
}

TEST_F (PresetFiles, SavingWhereNoFileCanBeReportsFailure)
{
    folder.getChildFile ("taken.vexob").createDirectory();
    engine->savePresetFile (folder.getChildFile ("taken.vexob"), engine->createPreset());
    engine->savePresetFile (folder.getChildFile ("missing/dir/x.vexob"), engine->createPreset());
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return results.saves.size() == 2; }));
    EXPECT_EQ (results.saves, (std::vector<int>{0, 0}));
}

TEST_F (PresetFiles, BadFilesAreRefusedAndChangeNothing)
{
    auto shortByOne = validDump();
    shortByOne.pop_back();
    auto longByOne = validDump();
    longByOne.push_back (0xF7);
    auto badBlock = validDump();
    badBlock[8 + 8] = 0x01; // the byte after the name must be 0
    folder.getChildFile ("folder.vexob").createDirectory();

    struct Case
    {
        const char* what;
        juce::File file;
        int openResult;
    };
    const Case cases[] = {
        {"missing", file ("missing.vexob"), VexoEditorEngine::fileMissing},
        {"folder", file ("folder.vexob"), VexoEditorEngine::fileMissing},
        {"empty", fileWith ("empty.vexob", {}), VexoEditorEngine::fileInvalid},
        {"a byte short", fileWith ("short.vexob", shortByOne), VexoEditorEngine::fileInvalid},
        {"a byte long", fileWith ("long.vexob", longByOne), VexoEditorEngine::fileInvalid},
        {"bad block", fileWith ("bad.vexob", badBlock), VexoEditorEngine::fileInvalid},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        EXPECT_FALSE (engine->checkPresetFile (c.file));
        const auto [result, changed] = open (c.file);
        EXPECT_EQ (result, c.openResult);
        EXPECT_FALSE (changed);
    }

    // Frame bytes are not read: the factory dump for slot 15 is a good file.
    const auto good = fileWith ("factory.vexob", validDump());
    EXPECT_TRUE (engine->checkPresetFile (good));
    EXPECT_EQ (open (good).first, VexoEditorEngine::fileLoaded);
}

TEST_F (PresetFiles, UnreadableFileIsRefused)
{
    const auto f = fileWith ("locked.vexob", validDump());
    ::chmod (f.getFullPathName().toRawUTF8(), 0);
    if (juce::FileInputStream (f).openedOk())
        GTEST_SKIP() << "permissions do not stop this user from reading";

    EXPECT_FALSE (engine->checkPresetFile (f));
    EXPECT_EQ (open (f).first, VexoEditorEngine::fileInvalid);
}

TEST_F (PresetFiles, CheckAndLoadFromAWorkerThread)
{
    const auto good = fileWith ("good.vexob", validDump());
    auto preset = engine->createPreset();
    std::atomic<bool> checked{false};
    juce::WaitableEvent done;
    juce::Thread::launch (
        [&]
        {
            checked = engine->checkPresetFile (good);
            engine->loadPresetFile (good, preset);
            done.signal();
        });
    ASSERT_TRUE (done.wait (5000));
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return results.opens.size() == 1; }));
    EXPECT_TRUE (checked);
    EXPECT_EQ (results.opens[0], VexoEditorEngine::fileLoaded);
    EXPECT_EQ (dynamic_cast<VexoEditorPreset*> (preset.get())->getName(), "Generic ");
}

// The check looks at the block without making a preset; it must answer as a new preset would, and
// the loader must agree with it.
TEST_F (PresetFiles, CheckAnswersAsANewPresetWouldForManyBlocks)
{
    random_blocks::Generator random (31);
    const auto layout = random_blocks::presetLayout (true);
    const auto frame = validDump();
    int accepted = 0;

    for (int i = 0; i < 300; ++i)
    {
        const auto block = random_blocks::mixedRecord (layout, random);
        Bytes dump (frame.begin(), frame.begin() + VexoSysEx::dumpHeaderSize);
        dump.insert (dump.end(), block.begin(), block.end());
        dump.insert (dump.end(), frame.end() - 25, frame.end());
        const auto f = fileWith ("random.vexob", dump);

        const bool expected = dump.size() == frame.size() && engine->createPreset()->validateBytes (block);
        ASSERT_EQ (engine->checkPresetFile (f), expected) << "block " << i;
        ASSERT_EQ (open (f).first, expected ? VexoEditorEngine::fileLoaded : VexoEditorEngine::fileInvalid)
            << "block " << i;
        accepted += expected;
    }
    EXPECT_GT (accepted, 50);
}
