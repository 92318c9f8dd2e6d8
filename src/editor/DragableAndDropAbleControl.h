#pragma once

#include "model/ListenerUpdater.h"
#include "model/QueueASyncUpdater.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ControlView;

// The drag and drop part of a control view: dragging the view carries it ("Drag Drop Component"),
// and dropping one view on another copies the dragged control's settings onto the target control
// when both are of the same kind. Listeners hear, later on the message thread, when a drag starts
// and when it ends.
//
// The view's own mouse events reach mouseDrag and mouseUp through a listener that this part adds
// to the view (the view, a component, is a mouse listener itself already).
//
// The view is its own drag part (the view class derives from this one), and this part holds a
// counted reference to the view. Whoever lets go of a view calls releaseOwner() first, or the view
// keeps itself alive.
class DragableAndDropAbleControl : public virtual juce::DragAndDropContainer,
                                   public virtual juce::DragAndDropTarget,
                                   public virtual juce::ReferenceCountedObject,
                                   public virtual QueueASyncUpdater
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<DragableAndDropAbleControl>;

    // The description every drag of a control view carries.
    static const char* const dragDescription;

    class Listener
    {
    public:
        virtual ~Listener();

        // Always on the message thread, after the change.
        virtual void dragStateChanged (DragableAndDropAbleControl* control, bool isDragging) = 0;

    private:
        // A notice already queued must not reach a listener that has gone meanwhile.
        JUCE_DECLARE_WEAK_REFERENCEABLE (Listener)
    };

    using ListenerArray = juce::Array<juce::WeakReference<Listener>>;

    // One pending drag-state notice. It lives in its control's own queue, which the control empties
    // when it goes, so it never outlives the control; it therefore does not keep the control alive
    // either: a view that its editor has let go of must go at once, not when its last notice is out.
    class DragStateChangedUpdater : public ListenerUpdater, public virtual juce::ReferenceCountedObject
    {
    public:
        DragStateChangedUpdater (const ListenerArray& listeners, DragableAndDropAbleControl& control,
                                 bool isDragging);

        // The listeners registered now, the last registered first; one that leaves meanwhile is not
        // called, and none is skipped or called twice.
        void callListeners() override;

    private:
        const ListenerArray* listeners;
        DragableAndDropAbleControl* control;
        bool isDragging;
    };

    // Listens to the owner's own mouse events (not those of its children).
    explicit DragableAndDropAbleControl (ControlView& owner);
    ~DragableAndDropAbleControl() override;

    // Lets go of the view; afterwards the view starts no drag and takes no drop.
    void releaseOwner();
    ControlView* getOwner() const noexcept { return owner; }

    bool isBeingDragged() const noexcept { return dragging; }

    bool isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& source) override;
    void itemDropped (const juce::DragAndDropTarget::SourceDetails& source) override;

    virtual void mouseDrag (const juce::MouseEvent& event);
    virtual void mouseUp (const juce::MouseEvent& event);

    // A null listener, or one already present, is not added.
    void addListener (Listener* listener);
    void removeListener (Listener* listener);
    int getNumListeners() const;

protected:
    void sendDragStateChanged();

    // The drag's picture took the keyboard focus with it; it goes back to the view's window, or
    // the next click there would only fetch the focus back and not reach what was clicked.
    void dragOperationEnded (const juce::DragAndDropTarget::SourceDetails& details) override;

private:
    struct MouseWatcher : juce::MouseListener
    {
        explicit MouseWatcher (DragableAndDropAbleControl& c)
            : control (c)
        {
        }
        void mouseDrag (const juce::MouseEvent& event) override { control.mouseDrag (event); }
        void mouseUp (const juce::MouseEvent& event) override { control.mouseUp (event); }
        DragableAndDropAbleControl& control;
    };

    ControlView* owner = nullptr; // holds a counted reference while set
    MouseWatcher mouseWatcher{*this};
    juce::Component::SafePointer<juce::Component> listenedComponent;
    bool dragging = false;
    ListenerArray listeners;

    JUCE_DECLARE_NON_COPYABLE (DragableAndDropAbleControl)
};
