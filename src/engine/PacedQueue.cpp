#include "engine/PacedQueue.h"

#include <juce_events/juce_events.h>

void PacedQueue::add (EditorPreset::Ptr preset, int slot)
{
    JUCE_ASSERT_MESSAGE_THREAD
    entries.push_back ({std::move (preset), slot});
}

std::optional<PacedQueue::Entry> PacedQueue::peekNext() const
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (onItsWay || entries.empty())
        return std::nullopt;
    return entries.front();
}

void PacedQueue::handOver()
{
    JUCE_ASSERT_MESSAGE_THREAD
    onItsWay = !entries.empty();
}

EditorPreset::Ptr PacedQueue::takeOnItsWay()
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (!onItsWay)
        return nullptr;
    onItsWay = false;
    auto preset = entries.front().preset;
    entries.pop_front();
    return preset;
}

std::vector<EditorPreset::Ptr> PacedQueue::takeWaiting()
{
    JUCE_ASSERT_MESSAGE_THREAD
    std::vector<EditorPreset::Ptr> waiting;
    const auto first = entries.begin() + (onItsWay ? 1 : 0);
    for (auto it = first; it != entries.end(); ++it)
        waiting.push_back (it->preset);
    entries.erase (first, entries.end());
    return waiting;
}

int PacedQueue::size() const
{
    JUCE_ASSERT_MESSAGE_THREAD
    return (int)entries.size();
}

EditorPreset::Ptr PacedQueue::getOnItsWay() const
{
    JUCE_ASSERT_MESSAGE_THREAD
    return onItsWay ? entries.front().preset : nullptr;
}
