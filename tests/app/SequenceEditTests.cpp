#include "ApplicationTestFixture.h"
#include "sequencer/SequencerComponent.h"
#include "sequencer/SequencerTestSupport.h"

using SequenceEdit = ApplicationTest;
using Answer = DesktopInteraction::SaveAnswer;

namespace
{
void openSequenceEditor (MainWindow* window)
{
    window->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::sequenceEdit));
}

SequencerComponent* editorOf (MainWindow* window)
{
    auto* sequencerWindow = window->getSequencerWindow();
    return sequencerWindow != nullptr
               ? dynamic_cast<SequencerComponent*> (sequencerWindow->getContentComponent())
               : nullptr;
}

// Where the sequencer's bytes lie in a preset file or dump: after the 8-byte message header.
constexpr int sequencerInDump = 8 + VexoBEditorPreset::sequencerOffset;

int stepInDump (const juce::MemoryBlock& dump, int trackIndex, int step)
{
    return (int)static_cast<const juce::uint8*> (
        dump.getData())[sequencerInDump + VexoBSequencer::headerSize + 32 * trackIndex + step - 1];
}
} // namespace

TEST_F (SequenceEdit, OpensOverItsMainWindowOnTheWindowsPreset)
{
    start();
    auto* main = window (0);
    EXPECT_EQ (main->getSequencerWindow(), nullptr) << "made on first use only";

    openSequenceEditor (main);
    auto* sequencerWindow = main->getSequencerWindow();
    ASSERT_NE (sequencerWindow, nullptr);
    EXPECT_EQ (sequencerWindow->getName(), "VexoB Editor Untitled 1 Sequence Edit");
    EXPECT_TRUE (sequencerWindow->isVisible());
    EXPECT_TRUE (sequencerWindow->isOnDesktop());
    EXPECT_TRUE (sequencerWindow->isUsingNativeTitleBar());

    auto* editor = editorOf (main);
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getPreset().get(), main->getPreset().get());
    EXPECT_EQ (editor->getWidth(), 1176);
    EXPECT_EQ (editor->getHeight(), 721);
    EXPECT_LE (
        sequencerWindow->getScreenBounds().getCentre().getDistanceFrom (main->getScreenBounds().getCentre()),
        40)
        << "centred over its main window";
}

TEST_F (SequenceEdit, ClosingOnlyHidesItAndTheNextUseShowsItAsItWas)
{
    start();
    auto* main = window (0);
    openSequenceEditor (main);
    juce::Component::SafePointer<SequencerWindow> sequencerWindow (main->getSequencerWindow());
    juce::Component::SafePointer<SequencerComponent> editor (editorOf (main));
    ASSERT_NE (editor, nullptr);

    auto& table = editor->getTable();
    sequencer_test::doubleClickCell (table, 30, 7);
    table.selectRow (30);
    table.getViewport()->setViewPosition (0, 22 * 40);
    sequencer_test::settle();
    const auto scrolled = table.getViewport()->getViewPositionY();
    ASSERT_GT (scrolled, 0);

    sequencerWindow->closeButtonPressed();
    EXPECT_FALSE (sequencerWindow->isVisible());
    sequencer_test::settle();

    openSequenceEditor (main);
    ASSERT_TRUE (sequencerWindow != nullptr && editor != nullptr) << "made again";
    EXPECT_EQ (main->getSequencerWindow(), sequencerWindow.getComponent()) << "the same window";
    EXPECT_EQ (editorOf (main), editor.getComponent()) << "the same editor";
    EXPECT_TRUE (sequencerWindow->isVisible());
    EXPECT_EQ (table.getSelectedRow(), 30);
    EXPECT_EQ (table.getViewport()->getViewPositionY(), scrolled);
    EXPECT_EQ (editor->getVelocityView().getTrack()->getParameterInt (sequencer_test::stepName (7)), 127);
}

TEST_F (SequenceEdit, TheTitleFollowsTheMainWindowsName)
{
    start();
    auto* main = window (0);
    openSequenceEditor (main);

    desktop->filesToSave = {folder.getChildFile ("Grooves.vexob")};
    ASSERT_TRUE (main->saveAs());
    EXPECT_EQ (main->getSequencerWindow()->getName(), "VexoB Editor Grooves.vexob Sequence Edit");

    const auto other = writePresetFile ("Beats.vexob", "BEATS");
    desktop->answers = {Answer::no};
    main->openFile (other);
    EXPECT_EQ (main->getSequencerWindow()->getName(), "VexoB Editor Beats.vexob Sequence Edit");
    sequencer_test::settle();
    EXPECT_EQ (editorOf (main)->getNameEditor().getText(), nameOf (main->getPreset()));
    EXPECT_TRUE (nameOf (main->getPreset()).startsWith ("BEATS")) << "still bound to the reloaded preset";
}

TEST_F (SequenceEdit, EveryMainWindowHasItsOwnAndReleasesItWhenItCloses)
{
    start();
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 2);

    openSequenceEditor (window (0));
    openSequenceEditor (window (1));
    auto* first = editorOf (window (0));
    auto* second = editorOf (window (1));
    ASSERT_TRUE (first != nullptr && second != nullptr);
    EXPECT_NE (first, second);
    EXPECT_EQ (second->getPreset().get(), window (1)->getPreset().get());
    EXPECT_EQ (window (1)->getSequencerWindow()->getName(), "VexoB Editor Untitled 2 Sequence Edit");

    // An edit in one reaches only its own preset.
    sequencer_test::doubleClickCell (second->getTable(), 0, 1);
    EXPECT_EQ (editorOf (window (0))
                   ->getPreset()
                   ->getSequencer()
                   ->getTrack (0)
                   ->getParameterInt (sequencer_test::stepName (1)),
               0);

    juce::Component::SafePointer<juce::Component> gone (window (1)->getSequencerWindow());
    desktop->answers = {Answer::no};
    window (1)->close();
    ASSERT_EQ (numWindows(), 1);
    EXPECT_EQ (gone.getComponent(), nullptr) << "released with its main window";
    EXPECT_NE (window (0)->getSequencerWindow(), nullptr);
}

TEST_F (SequenceEdit, EditsReachTheSavedFileAndTheDumpSentToTheDevice)
{
    start();
    auto* main = window (0);
    openSequenceEditor (main);
    auto* editor = editorOf (main);
    ASSERT_NE (editor, nullptr);

    // Whatever the factory preset's sequence holds, it starts from nothing here.
    sequencer_test::doubleClickCell (editor->getTable(), 63, 32);
    editor->getClearButton().triggerClick();
    ASSERT_TRUE (testing_support::pumpUntil (
        [editor] { return sequencer_test::stepOf (editor->getPreset(), 63, 32) == 0; }));

    sequencer_test::doubleClickCell (editor->getTable(), 2, 5);
    editor->getTable().selectRow (2);
    sequencer_test::typeInto (editor->getVelocityView().getStepEditor (9)->getNumberBox(), "77");
    editor->getStepsBox().setSelectedId (12, juce::sendNotificationSync);
    editor->getStartStopBox().setSelectedId (2, juce::sendNotificationSync);

    const auto file = folder.getChildFile ("Sequence.vexob");
    desktop->filesToSave = {file};
    ASSERT_TRUE (main->saveAs());

    const auto saved = contentOf (file);
    ASSERT_EQ (saved.getSize(), 3483u);
    const auto* bytes = static_cast<const juce::uint8*> (saved.getData());
    EXPECT_EQ (bytes[sequencerInDump], 11) << "12 steps";
    EXPECT_EQ (bytes[sequencerInDump + 1], 1) << "TRANSPORT";
    EXPECT_EQ (stepInDump (saved, 2, 5), 127);
    EXPECT_EQ (stepInDump (saved, 2, 9), 77);
    int stepsOn = 0;
    for (int t = 0; t < 64; ++t)
        for (int step = 1; step <= 32; ++step)
            stepsOn += stepInDump (saved, t, step) != 0 ? 1 : 0;
    EXPECT_EQ (stepsOn, 2);

    app->getEngine()->sendPreset (4, main->getPreset());
    ASSERT_TRUE (
        testing_support::pumpUntil ([this] { return device().getSlotDump (4) != device().getSlotDump (5); }));
    const auto sent = device().getSlotDump (4);
    ASSERT_EQ (sent.size(), 3483);
    for (int i = sequencerInDump; i < sequencerInDump + VexoBSequencer::recordSize; ++i)
        if (sent[i] != bytes[i])
            FAIL() << "the dump differs from the file at byte " << i;
}

// A velocity still being typed in the sequencer is part of what the user sees of the preset; the
// main window's save writes it.
TEST_F (SequenceEdit, AVelocityStillBeingTypedIsWhatTheMainWindowSaves)
{
    start();
    auto* main = window (0);
    openSequenceEditor (main);
    auto* editor = editorOf (main);
    ASSERT_NE (editor, nullptr);
    testing_support::pumpMessages (20);

    editor->getTable().selectRow (2);
    auto& box = editor->getVelocityView().getStepEditor (9)->getNumberBox();
    box.showEditor();
    auto* typing = box.getCurrentTextEditor();
    ASSERT_NE (typing, nullptr);
    typing->setText ("77", false);
    ASSERT_TRUE (box.isBeingEdited());

    const auto file = folder.getChildFile ("Typed.vexob");
    desktop->filesToSave = {file};
    ASSERT_TRUE (main->saveAs());
    EXPECT_EQ (stepInDump (contentOf (file), 2, 9), 77);
}
