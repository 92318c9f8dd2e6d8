#include "EditorTestSupport.h"
#include "editor/VexoControlView.h"
#include "model/VexoAEditorPreset.h"
#include "support/FakeApplicationServices.h"

#include <gtest/gtest.h>

#include <utility>

using namespace editor_testing;

namespace
{
juce::Image solid (juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, 20, 10, false, juce::SoftwareImageType());
    image.clear (image.getBounds(), colour);
    return image;
}

const juce::Colour normalColour (0xff102030);
const juce::Colour overColour (0xff405060);
const juce::Colour onColour (0xff708090);

// A knob view whose three images are told apart by colour, with its painting open to the test.
struct PaintableView : VexoControlView
{
    PaintableView()
        : juce::Button (" ")
        , VexoControlView (new VexoKnob(), solid (normalColour), solid (overColour), solid (onColour))
    {
    }

    juce::Colour paintedColour (bool over, bool down)
    {
        juce::Image image (juce::Image::ARGB, getWidth(), getHeight(), true);
        juce::Graphics g (image);
        paintButton (g, over, down);
        return image.getPixelAt (3, 3);
    }
};

// Views are released the way their editor releases them: through the drag part, then the count.
struct ReleasedAtEnd
{
    explicit ReleasedAtEnd (DragableAndDropAbleControl& c)
        : control (c)
    {
    }
    ~ReleasedAtEnd() { control.releaseOwner(); }
    DragableAndDropAbleControl& control;
};
} // namespace

TEST (ControlView, ShowsTheSelectedImageOverTheHoveredOneAndNoImageForBeingPressed)
{
    juce::ReferenceCountedObjectPtr<PaintableView> view (new PaintableView());
    ReleasedAtEnd release (*view);

    EXPECT_EQ (view->getWidth(), 20);
    EXPECT_EQ (view->getHeight(), 10);
    EXPECT_EQ (view->getName(), " ");

    EXPECT_EQ (view->paintedColour (false, false), normalColour);
    EXPECT_EQ (view->paintedColour (false, true), normalColour); // pressed, the mouse gone elsewhere
    EXPECT_EQ (view->paintedColour (true, true), overColour);

    view->setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (view->paintedColour (false, false), onColour);
    EXPECT_EQ (view->paintedColour (true, true), onColour);
}

TEST (ControlView, AViewIsGoneAsSoonAsItsOwnerIsReleasedAndTheLastReferenceDropped)
{
    juce::Component::SafePointer<juce::Component> watched;
    {
        VexoControlView::Ptr view (new VexoControlView (new VexoKnob(), solid (normalColour), {}, {}));
        watched = view.get();
        view->releaseOwner();
        view->releaseOwner(); // a second release gives nothing back twice
        EXPECT_NE (watched, nullptr);
    }
    EXPECT_EQ (watched, nullptr);

    // Without the release the view keeps itself; the editor's release is what frees it.
    auto* kept = new VexoControlView (new VexoKnob(), solid (normalColour), {}, {});
    watched = kept;
    {
        VexoControlView::Ptr view (kept);
    }
    ASSERT_NE (watched, nullptr);
    kept->releaseOwner();
    EXPECT_EQ (watched, nullptr);
}

//==============================================================================
// The mouse is played into the view in a window of its own, so the framework's drag runs.
class DragStateNotices : public testing::Test
{
protected:
    DragStateNotices()
    {
        view->setSize (20, 10);
        mouse = std::make_unique<MouseDriver> (*view);
    }

    void TearDown() override
    {
        if (pressed && view != nullptr)
            release();
        EXPECT_TRUE (MouseDriver::waitForDragPictures());
        mouse = nullptr;
        if (view != nullptr)
            view->releaseOwner();
        view = nullptr;
    }

    DragableAndDropAbleControl& part() { return *view; }

    // Presses on the view the first time, then moves a pixel further with the button down.
    void drag()
    {
        if (!std::exchange (pressed, true))
            mouse->press (at);
        at += juce::Point<int> (1, 0);
        mouse->dragTo (at);
    }

    void release()
    {
        pressed = false;
        mouse->release (at);
    }

    VexoControlView::Ptr view{new VexoControlView (new VexoKnob(), solid (normalColour), {}, {})};
    std::unique_ptr<MouseDriver> mouse;
    juce::Point<int> at{5, 5};
    bool pressed = false;
};

TEST_F (DragStateNotices, ADragAndReleaseAreHeardLaterOnTheMessageThreadInOrder)
{
    DragStateRecorder recorder;
    part().addListener (&recorder);

    drag();
    drag();
    EXPECT_TRUE (view->isBeingDragged());
    release();
    EXPECT_FALSE (view->isBeingDragged());
    release(); // no drag to end: nothing more
    EXPECT_TRUE (recorder.calls.empty());

    ASSERT_TRUE (testing_support::pumpUntil ([&] { return recorder.calls.size() >= 3; }));
    testing_support::pumpMessages (20);
    DragableAndDropAbleControl* control = view.get();
    const std::vector<std::pair<DragableAndDropAbleControl*, bool>> expected{
        {control, true}, {control, true}, {control, false}};
    EXPECT_EQ (recorder.calls, expected);
    part().removeListener (&recorder);
}

TEST_F (DragStateNotices, EachListenerOnceTheLastAddedFirstEvenWhenOneLeavesInItsCallback)
{
    std::vector<int> order;
    struct Leaving : DragableAndDropAbleControl::Listener
    {
        Leaving (std::vector<int>& o, int i)
            : order (o)
            , id (i)
        {
        }
        void dragStateChanged (DragableAndDropAbleControl* control, bool) override
        {
            order.push_back (id);
            if (leaves)
                control->removeListener (this);
        }
        std::vector<int>& order;
        int id;
        bool leaves = false;
    };
    Leaving first (order, 1), second (order, 2), third (order, 3);
    third.leaves = true;

    part().addListener (&first);
    part().addListener (&second);
    part().addListener (&second); // not twice
    part().addListener (nullptr); // ignored
    part().addListener (&third);
    EXPECT_EQ (part().getNumListeners(), 3);

    drag();
    testing_support::pumpMessages (30);
    EXPECT_EQ (order, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ (part().getNumListeners(), 2);

    part().removeListener (&first);
    part().removeListener (&second);
}

TEST_F (DragStateNotices, AListenerThatWentAwayIsNotCalled)
{
    DragStateRecorder survivor;
    part().addListener (&survivor);
    {
        auto gone = std::make_unique<DragStateRecorder>();
        part().addListener (gone.get());
        drag();
        // The listener goes without leaving the list, its notice still queued.
    }
    testing_support::pumpMessages (30);
    EXPECT_EQ (survivor.calls.size(), 1u);
    EXPECT_EQ (part().getNumListeners(), 1);
    part().removeListener (&survivor);
}

TEST_F (DragStateNotices, AViewLetGoWithANoticePendingGoesAtOnceAndItsNoticeNeverArrives)
{
    DragStateRecorder recorder;
    part().addListener (&recorder);
    drag();
    release();

    juce::Component::SafePointer<juce::Component> watched (view.get());
    view->releaseOwner();
    view = nullptr;

    // A pending notice must not keep the view: its editor has let go of it, and the view would
    // otherwise go in the middle of delivering its own notice.
    EXPECT_EQ (watched, nullptr);
    testing_support::pumpMessages (30);
    EXPECT_TRUE (recorder.calls.empty());
}

//==============================================================================
class ControlDrops : public testing::Test
{
protected:
    ~ControlDrops() override
    {
        for (auto& view : views)
            view->releaseOwner();
    }

    VexoControlView* viewOf (MEditorControl::Ptr control)
    {
        views.add (new VexoControlView (control, solid (normalColour), {}, {}));
        return views.getLast().get();
    }

    static void setKnob (VexoKnob& knob, int base)
    {
        knob.setParameterValue (VexoKnob::Param::parameterType, 2);
        knob.setParameterValue (VexoKnob::Param::midiChannel, base % 33);
        knob.setParameterValue (VexoKnob::Param::ccNumber, base);
        knob.setParameterValue (VexoKnob::Param::maxValue, base + 1);
        knob.setParameterValue (VexoKnob::Param::nrpnValue, base + 2);
    }

    FakeApplicationServices services;
    VexoAEditorPreset::Ptr preset{dynamic_cast<VexoAEditorPreset*> (services.createDefaultPreset().get())};
    juce::ReferenceCountedArray<VexoControlView> views;
};

TEST_F (ControlDrops, AControlDroppedOnOneOfItsKindCopiesAllItsSettingsThere)
{
    auto knob3 = preset->getKnob (2);
    auto knob12 = preset->getKnob (11);
    setKnob (*knob3, 70);
    setKnob (*knob12, 10);
    ASSERT_NE (knob3->toBytes(), knob12->toBytes());

    auto* source = viewOf (knob3.get());
    auto* target = viewOf (knob12.get());
    target->itemDropped (dragOf (source));
    EXPECT_EQ (knob12->toBytes(), knob3->toBytes());

    // Onto itself: nothing changes.
    const auto before = knob3->toBytes();
    source->itemDropped (dragOf (source));
    EXPECT_EQ (knob3->toBytes(), before);
}

TEST_F (ControlDrops, NothingIsCopiedBetweenKindsNorFromWhatIsNoControlView)
{
    auto knob = preset->getKnob (0);
    auto fader = preset->getFader (0);
    setKnob (*knob, 40);
    const auto presetBefore = preset->toBytes();

    auto* knobView = viewOf (knob.get());
    auto* faderView = viewOf (fader.get());
    faderView->itemDropped (dragOf (knobView));
    knobView->itemDropped (dragOf (faderView));

    juce::Label notAView;
    knobView->itemDropped (dragOf (&notAView));
    knobView->itemDropped (dragOf (nullptr));
    EXPECT_EQ (preset->toBytes(), presetBefore);
}

TEST_F (ControlDrops, AViewItsEditorLetGoOfCopiesNothingAndTakesNothing)
{
    auto knob1 = preset->getKnob (0);
    auto knob2 = preset->getKnob (1);
    setKnob (*knob1, 50);
    const auto before = knob2->toBytes();

    auto* discarded = viewOf (knob1.get());
    auto* shown = viewOf (knob2.get());
    discarded->releaseOwner();
    shown->itemDropped (dragOf (discarded));
    EXPECT_EQ (knob2->toBytes(), before);

    // Nor does a discarded view take a drop.
    shown->releaseOwner();
    auto* other = viewOf (preset->getKnob (3).get());
    shown->itemDropped (dragOf (other));
    EXPECT_EQ (knob2->toBytes(), before);
}
