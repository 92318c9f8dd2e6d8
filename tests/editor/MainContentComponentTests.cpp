#include "EditorTestSupport.h"
#include "editor/MainContentComponent.h"
#include "support/FakeApplicationServices.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

using namespace editor_testing;

namespace
{
class MainEditor : public testing::Test
{
protected:
    void SetUp() override
    {
        preset = dynamic_cast<VexoAEditorPreset*> (services.createDefaultPreset().get());
        ASSERT_NE (preset, nullptr);
        editor = std::make_unique<MainContentComponent> (preset.get(),
                                                         getSkinImage (SkinImageId::mainEditorBackground));
    }

    void TearDown() override
    {
        editor = nullptr;
        testing_support::pumpMessages (10);
    }

    void click (juce::Button* button) { editor->buttonClicked (button); }
    juce::String panelTitle() const { return titleOf (editor->getLCDPanel()); }

    static juce::Point<int> topLeftOf (juce::Component* c) { return c->getPosition(); }

    // The views that show themselves selected now.
    int numToggledViews() const
    {
        int count = 0;
        for (int i = 0; i < 16; ++i)
            count += editor->getPadView (i)->getToggleState() ? 1 : 0;
        for (int i = 0; i < 8; ++i)
            for (auto* view : {editor->getKnobView (i), editor->getFaderView (i), editor->getSwitchView (i)})
                count += view->getToggleState() ? 1 : 0;
        return count;
    }

    FakeApplicationServices services;
    VexoAEditorPreset::Ptr preset;
    std::unique_ptr<MainContentComponent> editor;
};
} // namespace

TEST_F (MainEditor, OpensOnBankAWithThePanelOfPadOneAndNothingSelected)
{
    EXPECT_EQ (editor->getWidth(), 1176);
    EXPECT_EQ (editor->getHeight(), 721);
    EXPECT_EQ (editor->getPreset().get(), static_cast<EditorPreset*> (preset.get()));

    EXPECT_EQ (editor->getPadBank(), 0);
    EXPECT_EQ (editor->getControlBank(), 0);
    EXPECT_EQ (panelTitle(), "Pad 1");
    EXPECT_EQ (editor->getLCDPanel()->getBounds(), juce::Rectangle<int> (75, 95, 490, 100));
    ASSERT_NE (editor->getCommonPanel(), nullptr);
    EXPECT_EQ (editor->getCommonPanel()->getBounds(), juce::Rectangle<int> (600, 95, 300, 100));
    EXPECT_EQ (numToggledViews(), 0);

    for (int j = 0; j < 4; ++j)
    {
        EXPECT_EQ (editor->getPadBankButton (j)->getName(),
                   juce::String::charToString ((juce::juce_wchar) ('A' + j)));
        EXPECT_EQ (editor->getPadBankButton (j)->getToggleState(), j == 0);
    }
    for (int j = 0; j < 3; ++j)
    {
        EXPECT_EQ (editor->getControlBankButton (j)->getName(),
                   juce::String::charToString ((juce::juce_wchar) ('A' + j)));
        EXPECT_EQ (editor->getControlBankButton (j)->getToggleState(), j == 0);
    }

    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (editor->getPadView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getPad (i).get()));
        EXPECT_EQ (editor->getPadView (i)->getName(), juce::String (i + 1));
    }
    for (int i = 0; i < 8; ++i)
    {
        EXPECT_EQ (editor->getKnobView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getKnob (i).get()));
        EXPECT_EQ (editor->getFaderView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getFader (i).get()));
        EXPECT_EQ (editor->getSwitchView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getSwitch (i).get()));
        EXPECT_EQ (editor->getFaderLabel (i)->getText(), juce::String (i + 1));
        EXPECT_EQ (editor->getSwitchLabel (i)->getText(), juce::String (i + 1));
        EXPECT_EQ (editor->getKnobView (i)->getName(), " ");
    }
}

TEST_F (MainEditor, PutsEveryViewWhereThePictureHasItsPlace)
{
    editor->setVisible (true);
    // Pads: bank position 1 bottom left, 16 top right.
    EXPECT_EQ (topLeftOf (editor->getPadView (0)), juce::Point<int> (50, 575));
    EXPECT_EQ (topLeftOf (editor->getPadView (3)), juce::Point<int> (356, 575));
    EXPECT_EQ (topLeftOf (editor->getPadView (4)), juce::Point<int> (50, 474));
    EXPECT_EQ (topLeftOf (editor->getPadView (9)), juce::Point<int> (152, 373));
    EXPECT_EQ (topLeftOf (editor->getPadView (15)), juce::Point<int> (356, 272));
    EXPECT_EQ (editor->getPadView (15)->getWidth(), 98);
    EXPECT_EQ (editor->getPadView (15)->getHeight(), 101);

    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_EQ (editor->getKnobView (i)->getBounds(), juce::Rectangle<int> (505 + 77 * i, 270, 57, 57));
        EXPECT_EQ (editor->getFaderView (i)->getBounds(), juce::Rectangle<int> (501 + 77 * i, 347, 63, 183));
        EXPECT_EQ (editor->getSwitchView (i)->getBounds(), juce::Rectangle<int> (511 + 77 * i, 550, 40, 31));
        EXPECT_EQ (editor->getFaderLabel (i)->getBounds(), juce::Rectangle<int> (501 + 77 * i, 327, 63, 20));
        EXPECT_EQ (editor->getSwitchLabel (i)->getBounds(), editor->getSwitchView (i)->getBounds());

        // The numbers stay readable above the views; a click on a switch's number is the switch's.
        EXPECT_GT (editor->getIndexOfChildComponent (editor->getSwitchLabel (i)),
                   editor->getIndexOfChildComponent (editor->getSwitchView (i)));
        EXPECT_GT (editor->getIndexOfChildComponent (editor->getFaderLabel (i)),
                   editor->getIndexOfChildComponent (editor->getFaderView (i)));
        const auto centre = editor->getSwitchView (i)->getBounds().getCentre();
        EXPECT_EQ (editor->getComponentAt (centre),
                   static_cast<juce::Component*> (editor->getSwitchView (i)));
        EXPECT_EQ (editor->getFaderLabel (i)->findColour (juce::Label::textColourId), juce::Colours::white);
        EXPECT_EQ (editor->getSwitchLabel (i)->findColour (juce::Label::textColourId), juce::Colours::black);
    }

    for (int j = 0; j < 4; ++j)
        EXPECT_EQ (editor->getPadBankButton (j)->getBounds(),
                   juce::Rectangle<int> (150 + 30 * j, 222, 21, 21));
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ (editor->getControlBankButton (j)->getBounds(),
                   juce::Rectangle<int> (590 + 30 * j, 222, 21, 21));

    for (auto* child : editor->getChildren())
        EXPECT_TRUE (child->isVisible());
}

TEST_F (MainEditor, ControlBankBShowsControlsNineToSixteen)
{
    click (editor->getControlBankButton (1));
    EXPECT_EQ (editor->getControlBank(), 1);
    EXPECT_TRUE (editor->getControlBankButton (1)->getToggleState());
    EXPECT_FALSE (editor->getControlBankButton (0)->getToggleState());

    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_EQ (editor->getFaderLabel (i)->getText(), juce::String (9 + i));
        EXPECT_EQ (editor->getSwitchLabel (i)->getText(), juce::String (9 + i));
        EXPECT_EQ (editor->getKnobView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getKnob (8 + i).get()));
        EXPECT_EQ (editor->getFaderView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getFader (8 + i).get()));
        EXPECT_EQ (editor->getSwitchView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getSwitch (8 + i).get()));
        EXPECT_EQ (editor->getKnobView (i)->getX(), 505 + 77 * i);
    }

    click (editor->getKnobView (1));
    EXPECT_EQ (panelTitle(), "Knob 10");
    click (editor->getFaderView (7));
    EXPECT_EQ (panelTitle(), "Fader 16");
    click (editor->getControlBankButton (2));
    click (editor->getSwitchView (0));
    EXPECT_EQ (panelTitle(), "Switch 17");
    click (editor->getPadBankButton (3));
    click (editor->getPadView (15));
    EXPECT_EQ (panelTitle(), "Pad 64");
    EXPECT_EQ (editor->getLCDPanel()->getBounds(), juce::Rectangle<int> (75, 95, 490, 100));
}

TEST_F (MainEditor, AClickSelectsExactlyTheViewClickedAndShowsItsPanel)
{
    click (editor->getPadView (2));
    EXPECT_EQ (panelTitle(), "Pad 3");
    EXPECT_TRUE (editor->getPadView (2)->getToggleState());
    EXPECT_EQ (numToggledViews(), 1);

    click (editor->getKnobView (4));
    EXPECT_EQ (panelTitle(), "Knob 5");
    EXPECT_TRUE (editor->getKnobView (4)->getToggleState());
    EXPECT_EQ (numToggledViews(), 1);

    click (editor->getSwitchView (2));
    EXPECT_EQ (panelTitle(), "Switch 3");
    EXPECT_EQ (numToggledViews(), 1);

    // Anything else is no control view.
    juce::TextButton stranger;
    click (&stranger);
    EXPECT_EQ (panelTitle(), "Switch 3");
    EXPECT_EQ (numToggledViews(), 1);
}

TEST_F (MainEditor, ABankSwitchKeepsThePanelAndTheOtherKindsSelection)
{
    click (editor->getPadView (2));
    juce::Component::SafePointer<juce::Component> panel (editor->getLCDPanel());

    click (editor->getPadBankButton (2));
    EXPECT_EQ (editor->getPadBank(), 2);
    EXPECT_EQ (editor->getLCDPanel(), panel.getComponent()); // still pad 3 of bank A
    EXPECT_EQ (panelTitle(), "Pad 3");
    EXPECT_EQ (numToggledViews(), 0);
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (editor->getPadView (i)->getControl().get(),
                   static_cast<MEditorControl*> (preset->getPad (32 + i).get()));
        EXPECT_EQ (editor->getPadView (i)->getName(), juce::String (33 + i));
    }
    EXPECT_TRUE (editor->getPadBankButton (2)->getToggleState());
    EXPECT_FALSE (editor->getPadBankButton (0)->getToggleState());

    // A selected knob stays selected through a pad-bank switch, a selected pad through a
    // control-bank switch.
    click (editor->getKnobView (1));
    click (editor->getPadBankButton (1));
    EXPECT_TRUE (editor->getKnobView (1)->getToggleState());

    click (editor->getPadView (5));
    click (editor->getControlBankButton (2));
    EXPECT_TRUE (editor->getPadView (5)->getToggleState());
    EXPECT_EQ (panelTitle(), "Pad 22");
}

// The views are watched, not compared by address: a rebuilt view may be given its old address.
TEST_F (MainEditor, ChoosingTheBankShownRebuildsNothing)
{
    juce::Component::SafePointer<juce::Component> pad (editor->getPadView (0)),
        knob (editor->getKnobView (0));
    click (editor->getPadBankButton (0));
    click (editor->getControlBankButton (0));
    EXPECT_EQ (editor->getPadView (0), pad.getComponent());
    EXPECT_EQ (editor->getKnobView (0), knob.getComponent());

    click (editor->getControlBankButton (1));
    EXPECT_EQ (knob, nullptr);
}

TEST_F (MainEditor, ViewsOfAnOldBankAreGoneAndDoNotCallTheEditor)
{
    juce::Array<juce::Component::SafePointer<juce::Component>> old;
    for (int i = 0; i < 16; ++i)
        old.add (editor->getPadView (i));
    for (int i = 0; i < 8; ++i)
        old.add (editor->getKnobView (i)), old.add (editor->getFaderView (i)),
            old.add (editor->getSwitchView (i));

    click (editor->getPadBankButton (1));
    click (editor->getControlBankButton (1));
    for (auto& view : old)
        EXPECT_EQ (view, nullptr);

    // One that something else still holds no longer reports to the editor.
    VexoControlView::Ptr kept (editor->getKnobView (3));
    DragableAndDropAbleControl& dragPart = *kept;
    EXPECT_EQ (dragPart.getNumListeners(), 1);
    click (editor->getControlBankButton (2));
    EXPECT_EQ (dragPart.getNumListeners(), 0);
    EXPECT_EQ (dragPart.getOwner(), nullptr);
}

TEST_F (MainEditor, DropsCopyBetweenControlsOfOneKindOnly)
{
    auto knob3 = preset->getKnob (2);
    knob3->setParameterValue (VexoKnob::Param::ccNumber, 99);
    knob3->setParameterValue (VexoKnob::Param::midiChannel, 7);
    click (editor->getControlBankButton (1));
    ASSERT_NE (preset->getKnob (11)->toBytes(), knob3->toBytes());

    // Knob 3 was on bank A; a view of it is made again to drag from.
    click (editor->getControlBankButton (0));
    VexoControlView::Ptr source (editor->getKnobView (2));
    click (editor->getPadBankButton (1)); // no effect on the knob views
    const auto fadersBefore = preset->getFader (2)->toBytes();
    editor->getFaderView (2)->itemDropped (dragOf (source.get()));
    EXPECT_EQ (preset->getFader (2)->toBytes(), fadersBefore);

    editor->getKnobView (7)->itemDropped (dragOf (source.get()));
    EXPECT_EQ (preset->getKnob (7)->toBytes(), knob3->toBytes());
}

//==============================================================================
// The framework's drag and drop for real, with the mouse played into the editor's window.
class MainEditorDrags : public MainEditor
{
protected:
    void SetUp() override
    {
        MainEditor::SetUp();
        mouse = std::make_unique<MouseDriver> (*editor);
        for (int j = 0; j < 4; ++j)
            editor->getPadBankButton (j)->setHoverTime (100);
        for (int j = 0; j < 3; ++j)
            editor->getControlBankButton (j)->setHoverTime (100);

        for (int i = 0; i < 24; ++i)
        {
            preset->getKnob (i)->setParameterValue (VexoKnob::Param::ccNumber, 20 + i);
            preset->getKnob (i)->setParameterValue (VexoKnob::Param::parameterType, i % 4);
        }
    }

    void TearDown() override
    {
        EXPECT_TRUE (MouseDriver::waitForDragPictures());
        mouse = nullptr;
        MainEditor::TearDown();
    }

    juce::Point<int> centreOf (juce::Component* c) const { return mouse->centreOf (*c); }

    // Holds the drag over a bank button until it clicks, moving a little as a hand does.
    void holdOver (juce::Button* button, int bankBefore, std::function<int()> bank)
    {
        const auto at = centreOf (button);
        ASSERT_TRUE (testing_support::pumpUntil (
            [&]
            {
                mouse->dragTo (at + juce::Point<int> (bank() == bankBefore ? 1 : 0, 0));
                testing_support::pumpMessages (10);
                mouse->dragTo (at);
                return bank() != bankBefore;
            },
            3000));
    }

    std::unique_ptr<MouseDriver> mouse;
};

TEST_F (MainEditorDrags, ANoticeStillOnItsWayAfterTheEditorHasGoneReachesNobody)
{
    VexoControlView::Ptr kept (editor->getKnobView (0));
    DragableAndDropAbleControl& dragPart = *kept;
    DragStateRecorder recorder;
    dragPart.addListener (&recorder);
    const auto from = centreOf (kept.get());
    mouse->press (from);
    mouse->dragTo (from + juce::Point<int> (3, 0));
    mouse->release (from + juce::Point<int> (3, 0));

    // The window closes with the notices queued.
    editor = nullptr;
    testing_support::pumpMessages (40);
    EXPECT_EQ (recorder.calls.size(), 2u);
    dragPart.removeListener (&recorder);
}

TEST_F (MainEditorDrags, DraggingKnobThreeOntoKnobTwelveCopiesIt)
{
    const auto knob3 = preset->getKnob (2)->toBytes();
    const auto from = centreOf (editor->getKnobView (2));
    const auto to = centreOf (editor->getKnobView (3));

    mouse->moveTo (from);
    mouse->press (from);
    mouse->dragAlong (from, to);
    mouse->release (to);
    testing_support::pumpMessages (50);
    EXPECT_EQ (preset->getKnob (3)->toBytes(), knob3);

    // Onto a fader: nothing.
    const auto fader = preset->getFader (5)->toBytes();
    const auto faderAt = centreOf (editor->getFaderView (5));
    mouse->moveTo (from);
    mouse->press (from);
    mouse->dragAlong (from, faderAt);
    mouse->release (faderAt);
    testing_support::pumpMessages (50);
    EXPECT_EQ (preset->getFader (5)->toBytes(), fader);
}

TEST_F (MainEditorDrags, AKnobHeldOverAPadBankButtonSurvivesTheSwitchAndCopies)
{
    const auto knob3 = preset->getKnob (2)->toBytes();
    const auto from = centreOf (editor->getKnobView (2));
    const auto button = centreOf (editor->getPadBankButton (2));

    mouse->moveTo (from);
    mouse->press (from);
    mouse->dragAlong (from, button);
    holdOver (editor->getPadBankButton (2), 0, [this] { return editor->getPadBank(); });

    const auto target = centreOf (editor->getKnobView (6));
    mouse->dragAlong (button, target);
    mouse->release (target);
    testing_support::pumpMessages (50);
    EXPECT_EQ (preset->getKnob (6)->toBytes(), knob3);
}

// Held over the bank button of its own kind, the dragged view is carried, hidden, to the new bank,
// and dropped there on a view of its kind it copies; once its drag is over it is let go of.
TEST_F (MainEditorDrags, AControlCarriedToAnotherBankCopiesWhereItIsDropped)
{
    preset->getPad (0)->setParameterValue (VexoPad::Param::midiNote, 99);
    const auto pad1 = preset->getPad (0)->toBytes();
    const auto knob3 = preset->getKnob (2)->toBytes();
    ASSERT_NE (preset->getPad (21)->toBytes(), pad1);
    ASSERT_NE (preset->getKnob (12)->toBytes(), knob3);

    // Views stand at the same places in every bank.
    const auto carry = [this] (juce::Component* view, juce::Button* bankButton, std::function<int()> bank,
                               juce::Point<int> to)
    {
        juce::Component::SafePointer<juce::Component> dragged (view);
        const auto from = centreOf (view);
        const auto button = centreOf (bankButton);
        mouse->press (from);
        mouse->dragAlong (from, button);
        holdOver (bankButton, 0, bank);
        ASSERT_NE (dragged, nullptr);
        EXPECT_FALSE (dragged->isVisible());
        mouse->dragAlong (button, to);
        mouse->release (to);
        EXPECT_TRUE (testing_support::pumpUntil ([&] { return dragged == nullptr; }, 2000));
    };

    carry (
        editor->getPadView (0), editor->getPadBankButton (1), [this] { return editor->getPadBank(); },
        centreOf (editor->getPadView (5)));
    EXPECT_EQ (preset->getPad (21)->toBytes(), pad1);
    carry (
        editor->getKnobView (2), editor->getControlBankButton (1),
        [this] { return editor->getControlBank(); }, centreOf (editor->getKnobView (4)));
    EXPECT_EQ (preset->getKnob (12)->toBytes(), knob3);
}

// The editor's own drag shows a small thumbnail hanging from the pointer, not the whole editor
// over the list it is dropped on.
TEST_F (MainEditorDrags, TheMainWindowDragShowsAThumbnailBelowAndRightOfThePointer)
{
    auto& desktop = juce::Desktop::getInstance();
    const auto windowsBefore = desktop.getNumComponents();
    const juce::Point<int> from (1100, 650), to (1000, 600); // on the editor's background
    mouse->press (from);
    mouse->dragAlong (from, to);
    ASSERT_EQ (desktop.getNumComponents(), windowsBefore + 1);
    const auto picture = desktop.getComponent (windowsBefore)->getScreenBounds();
    EXPECT_TRUE ((juce::Rectangle<int> (295, 181) + editor->localPointToGlobal (to)).contains (picture))
        << picture.toString();
    mouse->release (to);
}

namespace
{
// A window's own strip above the editor, as a main window's menu bar is, that notes what of it
// was drawn.
struct WindowWithStripAbove : juce::Component
{
    static constexpr int stripHeight = 24;

    void paint (juce::Graphics& g) override
    {
        drawn = drawn.getUnion (g.getClipBounds());
        g.fillAll (juce::Colours::black);
    }

    juce::Rectangle<int> drawn;
};

// Ends a drag as the framework does once the drag's picture has gone.
struct DragEnder : juce::DragAndDropContainer
{
    static void end (juce::DragAndDropContainer& container)
    {
        (container.*(&DragEnder::dragOperationEnded)) ({juce::var(), nullptr, {}});
    }
};
} // namespace

TEST_F (MainEditor, TheWholeWindowIsDrawnAgainOnceADragsPictureHasGone)
{
    // Without a compositor the picture's last frame stays wherever it lay, the window's strip
    // above the editor included, until that spot is drawn again.
    WindowWithStripAbove window;
    window.setOpaque (true);
    window.setBounds (100, 100, editor->getWidth(), WindowWithStripAbove::stripHeight + editor->getHeight());
    window.addAndMakeVisible (*editor);
    editor->setTopLeftPosition (0, WindowWithStripAbove::stripHeight);
    window.addToDesktop (0);
    window.setVisible (true);
    const juce::Rectangle<int> strip (0, 0, window.getWidth(), WindowWithStripAbove::stripHeight);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return window.drawn.contains (strip); }));
    // The display's own requests to draw a new window come in more than once.
    testing_support::pumpUntil ([] { return false; }, 500);

    window.drawn = {};
    DragEnder::end (*editor);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return window.drawn.contains (strip); }, 2000));

    window.removeChildComponent (editor.get());
}
