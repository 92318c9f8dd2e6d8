#include "services/ToolWindowHolder.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace
{
// A tool window that says when it is gone, and can be told what to do inside one of its own
// button callbacks.
class CountedWindow : public juce::DocumentWindow, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<CountedWindow>;

    explicit CountedWindow (bool& goneFlag)
        : juce::DocumentWindow ("Tool", juce::Colours::black, juce::DocumentWindow::closeButton, false)
        , gone (goneFlag)
    {
        setSize (400, 300);
        button.onClick = [this]
        {
            if (onOwnClick)
                onOwnClick();
            // Still inside the window's own callback: the window must still be whole.
            clickFinished = true;
        };
        setContentNonOwned (&button, false);
    }

    ~CountedWindow() override
    {
        clearContentComponent();
        gone = true;
    }

    juce::TextButton button{"OK"};
    std::function<void()> onOwnClick;
    bool clickFinished = false;

private:
    bool& gone;
};

// Holds counted references to and from its window, as list models and dialogs do; only
// releaseContent breaks the cycle.
class WindowWithModel : public CountedWindow
{
public:
    struct Model : juce::ReferenceCountedObject
    {
        juce::ReferenceCountedObjectPtr<WindowWithModel> window;
    };

    explicit WindowWithModel (bool& goneFlag)
        : CountedWindow (goneFlag)
        , model (new Model())
    {
        model->window = this;
    }

    void releaseContent()
    {
        ++contentReleases;
        if (auto held = std::exchange (model, nullptr))
            held->window = nullptr;
    }

    juce::ReferenceCountedObjectPtr<Model> model;
    int contentReleases = 0;
};

juce::Point<int> screenCentre()
{
    return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea.getCentre();
}
} // namespace

TEST (ToolWindowHolder, MakesTheWindowOnceAndShowsItCentredAtItsOwnSize)
{
    bool gone = false;
    ToolWindowHolder<CountedWindow> holder;
    int made = 0;
    auto make = [&]
    {
        ++made;
        return new CountedWindow (gone);
    };

    auto& first = holder.getOrMake (make);
    auto& second = holder.getOrMake (make);
    EXPECT_EQ (made, 1);
    EXPECT_EQ (&first, &second);

    holder.show();
    EXPECT_TRUE (first.isOnDesktop());
    EXPECT_TRUE (first.isVisible());
    EXPECT_EQ (first.getWidth(), 400);
    EXPECT_EQ (first.getHeight(), 300);
    EXPECT_LE (first.getScreenBounds().getCentre().getDistanceFrom (screenCentre()), 2);

    holder.hide();
    EXPECT_FALSE (first.isVisible());
    EXPECT_FALSE (gone);

    // Over another window: centred on that one instead.
    juce::DocumentWindow owner ("Owner", juce::Colours::grey, 0, true);
    owner.setBounds (100, 120, 900, 700);
    owner.setVisible (true);
    holder.show (&owner);
    EXPECT_LE (first.getScreenBounds().getCentre().getDistanceFrom (owner.getScreenBounds().getCentre()), 2);

    holder.releaseNow();
    EXPECT_TRUE (gone);
    EXPECT_FALSE (holder.exists());
}

TEST (ToolWindowHolder, AWindowReleasedFromItsOwnCallbackGoesOnlyAfterTheCallbackReturned)
{
    bool gone = false;
    ToolWindowHolder<CountedWindow> holder;
    auto& window = holder.getOrMake ([&] { return new CountedWindow (gone); });
    holder.show();

    bool goneDuringClick = true, clicked = false;
    window.onOwnClick = [&]
    {
        holder.release();
        goneDuringClick = gone;
        clicked = true;
    };
    window.button.triggerClick();
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return clicked; }, 2000));

    EXPECT_FALSE (goneDuringClick);
    EXPECT_FALSE (holder.exists());
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return gone; }, 2000));
}

TEST (ToolWindowHolder, ReleasingDropsTheContentFirstSoThatCountedCyclesBreak)
{
    bool gone = false;
    {
        ToolWindowHolder<WindowWithModel> holder;
        auto& window = holder.getOrMake ([&] { return new WindowWithModel (gone); });
        holder.show();
        const auto* windowAddress = &window;

        holder.release();
        EXPECT_TRUE (testing_support::pumpUntil ([&] { return gone; }, 2000))
            << "the window and its model still hold each other";
        (void)windowAddress;
    }

    // The same when the holder itself goes, as at the program's end.
    bool goneAtEnd = false;
    {
        ToolWindowHolder<WindowWithModel> holder;
        holder.getOrMake ([&] { return new WindowWithModel (goneAtEnd); });
    }
    EXPECT_TRUE (goneAtEnd);
}
