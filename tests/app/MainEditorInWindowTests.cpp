#include "ApplicationTestFixture.h"
#include "editor/MainContentComponent.h"
#include "model/VexoBEditorPreset.h"
#include "support/MouseDriver.h"
#include "text/UiText.h"
#include "widgets/NumberBoxComponent.h"

#include <functional>

// The editor as the application puts it into its main windows.
namespace
{
class MainEditorInWindow : public ApplicationTest
{
protected:
    MainContentComponent* editorOf (int index) const
    {
        return dynamic_cast<MainContentComponent*> (window (index)->getContentComponent());
    }

    static VexoAEditorPreset* controlsOf (MainWindow* w)
    {
        return dynamic_cast<VexoAEditorPreset*> (w->getPreset().get());
    }

    // Where a control's record starts in a preset file: the dump's 8 header bytes, then the block.
    static constexpr int fileOffset (int blockOffset) { return 8 + blockOffset; }
};
} // namespace

TEST_F (MainEditorInWindow, ShowsTheWindowsPresetAndFollowsAFileOpenedIntoIt)
{
    start();
    auto* editor = editorOf (0);
    ASSERT_NE (editor, nullptr);
    auto* preset = controlsOf (window (0));
    ASSERT_NE (preset, nullptr);

    const auto factoryNote = preset->getPad (0)->getParameterInt (VexoPad::Param::midiNote);
    EXPECT_EQ (editor->getPadView (0)->getNoteText(), UiText::formatNoteLabel (factoryNote));

    // A file whose first pad plays note 60 on port B channel 1.
    auto bytes = FactoryPreset::getDump();
    const auto pad0 = fileOffset (VexoAEditorPreset::padsOffset);
    bytes.set (pad0 + 1, 17);
    bytes.set (pad0 + 2, 60);
    const auto file = writeFile ("Note60.vexob", bytes);

    window (0)->openFile (file);
    settle();
    EXPECT_TRUE (desktop->warnings.empty());
    EXPECT_EQ (editor->getPadView (0)->getNoteText(), "NOTE:60 (C4)");
    EXPECT_EQ (editor->getPadView (0)->getChannelText(), "MIDI CH:B1");
}

TEST_F (MainEditorInWindow, ADropBetweenTwoWindowsCopiesIntoTheTargetsPresetAndSavesExactlyThat)
{
    start();
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 2);
    auto* source = controlsOf (window (0));
    auto* target = controlsOf (window (1));

    // Knob 3 of the first window, shown on its bank A, onto knob 12 of the second, on its bank B.
    source->getKnob (2)->setParameterValue (VexoKnob::Param::ccNumber, 101);
    source->getKnob (2)->setParameterValue (VexoKnob::Param::midiChannel, 31);
    auto* targetEditor = editorOf (1);
    targetEditor->buttonClicked (targetEditor->getControlBankButton (1));
    ASSERT_EQ (targetEditor->getKnobView (3)->getControl().get(),
               static_cast<MEditorControl*> (target->getKnob (11).get()));

    auto expected = target->toBytes();
    const auto knob3 = source->getKnob (2)->toBytes();
    for (int i = 0; i < knob3.size(); ++i)
        expected.set (VexoAEditorPreset::knobsOffset + 11 * VexoKnob::recordSize + i, knob3[i]);

    targetEditor->getKnobView (3)->itemDropped (
        juce::DragAndDropTarget::SourceDetails ("Drag Drop Component", editorOf (0)->getKnobView (2), {}));
    EXPECT_EQ (target->toBytes(), expected);

    const auto file = folder.getChildFile ("Copied.vexob");
    desktop->filesToSave = {file};
    ASSERT_TRUE (window (1)->saveAs());
    settle();

    juce::MemoryBlock saved;
    ASSERT_TRUE (file.loadFileAsData (saved));
    ASSERT_EQ (saved.getSize(), 3483u);
    const auto* data = static_cast<const juce::uint8*> (saved.getData());
    const juce::Array<juce::uint8> block (data + 8, VexoBEditorPreset::dataSize);
    EXPECT_EQ (block, expected);
}

TEST_F (MainEditorInWindow, ClosingAWindowWithADragNoticePendingReachesNoEditor)
{
    start();
    invoke (CommandIds::newPreset);
    auto* editor = editorOf (1);
    VexoControlView::Ptr kept (editor->getFaderView (0));
    DragableAndDropAbleControl& dragPart = *kept;
    {
        testing_support::MouseDriver mouse (*window (1));
        const auto from = mouse.centreOf (*kept);
        mouse.press (from);
        mouse.dragTo (from + juce::Point<int> (3, 0));
        mouse.release (from + juce::Point<int> (3, 0));
    }

    desktop->answers = {DesktopInteraction::SaveAnswer::no};
    window (1)->close();
    ASSERT_EQ (numWindows(), 1);
    settle();
    EXPECT_EQ (dragPart.getNumListeners(), 0);
    EXPECT_TRUE (testing_support::MouseDriver::waitForDragPictures());
}

// A number typed into a field and not yet confirmed is what the window shows. Ctrl+S leaves the
// field open, and so do the modal close question and file chooser: a save must still write the
// number shown, or the file, and then the work, silently lose it.
TEST_F (MainEditorInWindow, ANumberStillBeingTypedIsWhatTheSaveWrites)
{
    const auto file = writePresetFile ("Typed.vexob", "TYPED");
    start (file.getFullPathName());
    testing_support::pumpMessages (20);

    const auto typeWithoutConfirming = [this] (const juce::String& text) -> juce::Label*
    {
        juce::Label* found = nullptr;
        std::function<void (juce::Component&)> look = [&] (juce::Component& parent)
        {
            for (auto* child : parent.getChildren())
            {
                if (auto* box = dynamic_cast<NumberBoxComponent<int>*> (child);
                    box != nullptr && box->getName() == "MIDI NOTE" && box->isShowing())
                    found = box;
                else
                    look (*child);
            }
        };
        look (*window (0));
        if (found == nullptr)
            return nullptr;

        found->showEditor();
        if (auto* editor = found->getCurrentTextEditor())
            editor->setText (text, false);
        return found;
    };
    const auto noteInFile = [&file]
    {
        const auto saved = contentOf (file);
        return saved.getSize() == 3483u ? (int)static_cast<const juce::uint8*> (
                                              saved.getData())[fileOffset (VexoAEditorPreset::padsOffset) + 2]
                                        : -1;
    };
    ASSERT_EQ (noteInFile(), 36);

    auto* box = typeWithoutConfirming ("64");
    ASSERT_NE (box, nullptr);
    ASSERT_TRUE (box->isBeingEdited());
    EXPECT_TRUE (window (0)->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::save)));
    EXPECT_EQ (noteInFile(), 64);
    EXPECT_EQ (controlsOf (window (0))->getPad (0)->getParameterInt (VexoPad::Param::midiNote), 64);

    // Yes to the question of a quit writes what is shown before the window goes.
    ASSERT_NE (typeWithoutConfirming ("70"), nullptr);
    desktop->answers = {DesktopInteraction::SaveAnswer::yes};
    app->systemRequestedQuit();
    EXPECT_EQ (app->quitCount, 1);
    EXPECT_EQ (noteInFile(), 70);
}
