#include "editor/DragableAndDropAbleControl.h"

#include "editor/ControlView.h"
#include "services/ApplicationServices.h"

const char* const DragableAndDropAbleControl::dragDescription = "Drag Drop Component";

DragableAndDropAbleControl::Listener::~Listener() = default;

//==============================================================================
DragableAndDropAbleControl::DragStateChangedUpdater::DragStateChangedUpdater (
    const ListenerArray& listenersToCall, DragableAndDropAbleControl& source, bool isDraggingNow)
    : listeners (&listenersToCall)
    , control (&source)
    , isDragging (isDraggingNow)
{
}

void DragableAndDropAbleControl::DragStateChangedUpdater::callListeners()
{
    // A listener may leave the list (or let others leave) from inside its callback; the position is
    // kept within the list as it is now.
    for (int position = listeners->size();;)
    {
        position = juce::jmin (position, listeners->size());
        if (position <= 0)
            return;
        --position;

        if (auto* listener = listeners->getReference (position).get())
            listener->dragStateChanged (control, isDragging);
    }
}

//==============================================================================
DragableAndDropAbleControl::DragableAndDropAbleControl (ControlView& ownerView)
    : owner (&ownerView)
    , listenedComponent (&ownerView)
{
    owner->incReferenceCount();
    ownerView.addMouseListener (&mouseWatcher, false);
}

DragableAndDropAbleControl::~DragableAndDropAbleControl()
{
    // The queued notices point into this object's listener list.
    cancelQueuedUpdates();

    if (listenedComponent != nullptr)
        listenedComponent->removeMouseListener (&mouseWatcher);

    // Only reached with the owner still held when the view was deleted outright rather than through
    // its count: the count is given back without deleting a second time.
    if (auto* heldOwner = std::exchange (owner, nullptr))
        heldOwner->decReferenceCountWithoutDeleting();
}

void DragableAndDropAbleControl::releaseOwner()
{
    // The reference may be the view's last, and the view is this object: nothing may be touched
    // after it is given back.
    if (auto* heldOwner = std::exchange (owner, nullptr))
        heldOwner->decReferenceCount();
}

bool DragableAndDropAbleControl::isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails&)
{
    return true;
}

void DragableAndDropAbleControl::itemDropped (const juce::DragAndDropTarget::SourceDetails& source)
{
    auto* sourceView = dynamic_cast<ControlView*> (source.sourceComponent.get());
    if (sourceView == nullptr || owner == nullptr)
        return;

    // A view that its editor has let go of belongs to no bank on screen any more.
    if (auto* sourceDragPart = dynamic_cast<DragableAndDropAbleControl*> (sourceView))
        if (sourceDragPart->getOwner() == nullptr)
            return;

    auto* services = ApplicationServices::get();
    if (services == nullptr)
        return;

    if (auto engine = services->getEngine())
        engine->copyControl (sourceView->getControl(), owner->getControl());
}

void DragableAndDropAbleControl::mouseDrag (const juce::MouseEvent&)
{
    dragging = true;

    // The container ignores a new start while its drag runs, so every drag event may ask.
    if (owner != nullptr)
        startDragging (juce::var (dragDescription), owner, juce::ScaledImage(), true);

    sendDragStateChanged();
}

void DragableAndDropAbleControl::mouseUp (const juce::MouseEvent&)
{
    if (!dragging)
        return;

    dragging = false;
    sendDragStateChanged();
}

void DragableAndDropAbleControl::dragOperationEnded (const juce::DragAndDropTarget::SourceDetails&)
{
    if (owner != nullptr)
        if (auto* peer = owner->getPeer())
            peer->grabFocus();
}

void DragableAndDropAbleControl::addListener (Listener* listener)
{
    if (listener == nullptr)
        return;

    for (auto& existing : listeners)
        if (existing.get() == listener)
            return;

    listeners.removeIf ([] (const juce::WeakReference<Listener>& l) { return l.get() == nullptr; });
    listeners.add (listener);
}

void DragableAndDropAbleControl::removeListener (Listener* listener)
{
    listeners.removeIf ([listener] (const juce::WeakReference<Listener>& l) { return l.get() == listener; });
}

int DragableAndDropAbleControl::getNumListeners() const
{
    int count = 0;
    for (auto& listener : listeners)
        if (listener.get() != nullptr)
            ++count;
    return count;
}

void DragableAndDropAbleControl::sendDragStateChanged()
{
    queueUpdate (new DragStateChangedUpdater (listeners, *this, dragging), juce::sendNotificationAsync);
}
