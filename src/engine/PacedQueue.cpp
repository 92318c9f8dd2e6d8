#include "engine/PacedQueue.h"

void PacedQueue::add (EditorPreset::Ptr preset, int slot)
{
    const juce::ScopedLock sl (lock);
    entries.push_back ({std::move (preset), slot});
}

std::optional<PacedQueue::Entry> PacedQueue::takeWithdrawn()
{
    const juce::ScopedLock sl (lock);
    if (onItsWay || entries.empty() || entries.front().withdrawnWith < 0)
        return std::nullopt;
    auto entry = entries.front();
    entries.pop_front();
    return entry;
}

std::optional<PacedQueue::Entry> PacedQueue::peekNext() const
{
    const juce::ScopedLock sl (lock);
    if (onItsWay || entries.empty())
        return std::nullopt;
    return entries.front();
}

void PacedQueue::handOver (juce::uint32 nowMs)
{
    const juce::ScopedLock sl (lock);
    onItsWay = !entries.empty();
    handedOverMs = nowMs;
}

EditorPreset::Ptr PacedQueue::takeOnItsWay()
{
    const juce::ScopedLock sl (lock);
    if (!onItsWay)
        return nullptr;
    onItsWay = false;
    auto preset = entries.front().preset;
    entries.pop_front();
    return preset;
}

void PacedQueue::withdraw (int result, const juce::ReferenceCountedArray<EditorPreset>* only)
{
    const juce::ScopedLock sl (lock);
    for (auto it = entries.begin() + (onItsWay ? 1 : 0); it != entries.end(); ++it)
        if (it->withdrawnWith < 0 && (only == nullptr || only->contains (it->preset.get())))
            it->withdrawnWith = result;
}

int PacedQueue::remainingOf (int timeoutMs, juce::uint32 nowMs) const
{
    const juce::ScopedLock sl (lock);
    return onItsWay ? juce::jmax (0, timeoutMs - (int)(nowMs - handedOverMs)) : 0;
}

int PacedQueue::size() const
{
    const juce::ScopedLock sl (lock);
    return (int)entries.size();
}

EditorPreset::Ptr PacedQueue::getOnItsWay() const
{
    const juce::ScopedLock sl (lock);
    return onItsWay ? entries.front().preset : nullptr;
}

void PacedQueue::clear()
{
    const juce::ScopedLock sl (lock);
    entries.clear();
    onItsWay = false;
}
