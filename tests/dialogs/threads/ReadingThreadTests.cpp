// The Send Multiple Presets window's reading thread: files, folders and drops read into their
// slots, and the thread's share of the window's state. CI runs these under ThreadSanitizer too.

#include "../SendMultipleTestSupport.h"

#include "text/UiText.h"

#include <unistd.h>

using namespace dialog_test;

namespace
{
class ReadingThread : public SendMultipleFixture
{
protected:
    juce::StringArray pathsOf (std::initializer_list<juce::File> list)
    {
        juce::StringArray paths;
        for (const auto& file : list)
            paths.add (file.getFullPathName());
        return paths;
    }

    // Files to read, each with its own name inside.
    juce::StringArray presetFiles (const juce::String& prefix, int howMany)
    {
        juce::StringArray paths;
        for (int i = 1; i <= howMany; ++i)
            paths.add (files.writePreset (prefix + juce::String (i) + ".vexob", prefix + juce::String (i))
                           .getFullPathName());
        return paths;
    }

    static bool link (const juce::File& target, const juce::File& linkFile)
    {
        return ::symlink (target.getFullPathName().toRawUTF8(), linkFile.getFullPathName().toRawUTF8()) == 0;
    }
};
} // namespace

// Dropped files fill the slots from the row they were dropped on, in the order listed, each under
// the name inside it. The row the drop went to is never destroyed by it.
TEST_F (ReadingThread, DroppedFilesFillConsecutiveSlots)
{
    auto* target = row (5);
    ASSERT_NE (target, nullptr);
    juce::Component::SafePointer<juce::Component> watchedRow (target);

    target->filesDropped (presetFiles ("File", 3), 10, 10);
    EXPECT_EQ (window->getPanel().getStatusLabel().getText(), "Reading Dragged Files");
    EXPECT_FALSE (window->getPanel().getSendButton().isEnabled());
    EXPECT_NE (watchedRow, nullptr);

    ASSERT_TRUE (readingEnds());
    EXPECT_EQ (filledSlots(), juce::Array<int> (5, 6, 7));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (window->getSlotName (5 + i), padded ("File" + juce::String (i + 1)));
    EXPECT_EQ (window->getPanel().getStatusLabel().getText(), juce::String());
    EXPECT_EQ (target->getNameLabel().getText(), padded ("File1"));
    EXPECT_NE (watchedRow, nullptr);
}

// A folder's entries all go through the check, in name order: the text file takes no slot.
TEST_F (ReadingThread, AFolderFillsSlotsWithItsPresetsOnly)
{
    files.writePreset ("folder/b.vexob", "Second");
    files.writeText ("folder/a.txt", "not a preset");
    files.writePreset ("folder/a.vexob", "First");

    // One byte short; and one of the right size whose data no preset accepts.
    auto shortDump = dumpNamed ("Short");
    shortDump.remove (100);
    files.write ("folder/a-short.vexob", shortDump);
    auto damaged = dumpNamed ("Damaged");
    for (int i = 100; i < 200; ++i)
        damaged.set (i, 0x7F);
    files.write ("folder/c-damaged.vexob", damaged);

    window->queueFilesForSlot (pathsOf ({files.get ("folder")}), 3);
    ASSERT_TRUE (readingEnds());
    EXPECT_EQ (filledSlots(), juce::Array<int> (3, 4));
    EXPECT_EQ (window->getSlotName (3), padded ("First"));
    EXPECT_EQ (window->getSlotName (4), padded ("Second"));
}

TEST_F (ReadingThread, NothingGoesBeyondTheLastSlot)
{
    window->queueFilesForSlot (presetFiles ("Five", 5), 28);
    ASSERT_TRUE (readingEnds());
    EXPECT_EQ (filledSlots(), juce::Array<int> (28, 29, 30));
    EXPECT_EQ (window->getSlotName (30), padded ("Five3"));
    EXPECT_EQ (window->getSlotName (31), juce::String());
}

// Links are followed, but each real folder is walked once: a link cycle ends.
TEST_F (ReadingThread, AFolderIsWalkedOnceWhateverLinksLeadBackToIt)
{
    files.writePreset ("top/one.vexob", "One");
    files.writePreset ("top/inner/two.vexob", "Two");
    ASSERT_TRUE (link (files.get ("top"), files.get ("top/inner/back-to-top")));
    ASSERT_TRUE (link (files.get ("top/inner"), files.get ("top/again")));
    ASSERT_TRUE (link (files.get ("top/one.vexob"), files.get ("top/z-linked-file.vexob")));

    window->queueFilesForSlot (pathsOf ({files.get ("top")}), 0);
    ASSERT_TRUE (readingEnds (10000));

    // "again" (the inner folder, reached first by its link), "inner" (already walked), "one", the
    // linked file.
    EXPECT_EQ (filledSlots(), juce::Array<int> (0, 1, 2));
    EXPECT_EQ (window->getSlotName (0), padded ("Two"));
    EXPECT_EQ (window->getSlotName (1), padded ("One"));
    EXPECT_EQ (window->getSlotName (2), padded ("One"));
}

// A second drop while the first is read keeps its own first slot and is read in its turn; the
// first drop's files still land where it was dropped.
TEST_F (ReadingThread, ASecondDropWaitsItsTurnAndMovesNothing)
{
    // Many entries to go through before the first drop's presets, which come last by name.
    for (int i = 0; i < 400; ++i)
        files.writeText ("slow/a" + juce::String (i).paddedLeft ('0', 3) + ".txt", "not a preset");
    for (int i = 1; i <= 3; ++i)
        files.writePreset ("slow/z" + juce::String (i) + ".vexob", "Slow" + juce::String (i));

    window->queueFilesForSlot (pathsOf ({files.get ("slow")}), 10);
    window->queueFilesForSlot (presetFiles ("Quick", 2), 20);
    EXPECT_TRUE (window->isReading());

    ASSERT_TRUE (readingEnds (10000));
    EXPECT_EQ (filledSlots(), juce::Array<int> (10, 11, 12, 20, 21));
    EXPECT_EQ (window->getSlotName (10), padded ("Slow1"));
    EXPECT_EQ (window->getSlotName (12), padded ("Slow3"));
    EXPECT_EQ (window->getSlotName (20), padded ("Quick1"));
    EXPECT_EQ (window->getSlotName (21), padded ("Quick2"));
}

// A drop that comes just as the thread finds nothing more to read is read all the same: each
// round drops a second file a little after the first, at a different moment of the first one's
// read, and then waits for both.
TEST_F (ReadingThread, NoDropIsEverLost)
{
    juce::Random random (1234);
    for (int round = 0; round < 25; ++round)
    {
        const auto first = "A" + juce::String (round), second = "B" + juce::String (round);
        window->queueFilesForSlot (pathsOf ({files.writePreset ("each/" + first + ".vexob", first)}), 0);
        juce::Thread::sleep (random.nextInt (4));
        window->queueFilesForSlot (pathsOf ({files.writePreset ("each/" + second + ".vexob", second)}), 1);

        ASSERT_TRUE (readingEnds (20000)) << round;
        ASSERT_EQ (window->getSlotName (0), padded (first));
        ASSERT_EQ (window->getSlotName (1), padded (second));
    }
}

// Clearing all slots while a read runs: nothing of that read lands afterwards.
TEST_F (ReadingThread, ClearingAllSlotsStopsTheRead)
{
    for (int i = 0; i < 400; ++i)
        files.writeText ("slow/a" + juce::String (i).paddedLeft ('0', 3) + ".txt", "not a preset");
    files.writePreset ("slow/z.vexob", "Late");

    window->queueFilesForSlot (pathsOf ({files.get ("slow")}), 0);
    window->clearAllSlots();
    ASSERT_TRUE (readingEnds (10000));
    testing_support::pumpMessages (20);
    EXPECT_TRUE (window->getSlotTable().empty());
}

// Closing the window while its thread reads: the window leaves at once and is gone soon after,
// without waiting out the read.
TEST_F (ReadingThread, ClosingWhileReadingEndsTheThreadPromptly)
{
    for (int i = 0; i < 3000; ++i)
        files.writeText ("many/f" + juce::String (i) + ".txt", "x");

    window->queueFilesForSlot (pathsOf ({files.get ("many")}), 0);
    ASSERT_TRUE (window->isReading());

    const auto start = juce::Time::getMillisecondCounter();
    window->closeButtonPressed();
    EXPECT_FALSE (holder.exists());
    ASSERT_TRUE (settle ([&] { return watched == nullptr; }, 5000));
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 2000u);
}

// Sending waits for the read to end, then sends everything it read.
TEST_F (ReadingThread, SendWaitsForTheReadAndSendsWhatItRead)
{
    window->queueFilesForSlot (presetFiles ("Sent", 3), 1);
    window->sendAllPresets();
    EXPECT_EQ (services.device().getNumMessagesReceived(), 0) << "not while the read runs";

    ASSERT_TRUE (readingEnds());
    window->getPanel().getSendButton().triggerClick();
    ASSERT_TRUE (settle ([&] { return watched == nullptr; }));
    EXPECT_EQ (services.messages, juce::StringArray (UiText::presetSentSuccessfully));
    for (int slot = 1; slot <= 3; ++slot)
        EXPECT_EQ (deviceSlotName (services.device(), slot), padded ("Sent" + juce::String (slot)));
}
