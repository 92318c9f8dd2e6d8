#include "support/MessageLoop.h"

#include <juce_events/juce_events.h>

namespace testing_support
{
void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

bool pumpUntil (const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMilliseconds;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return condition();
        pumpMessages (5);
    }
    return true;
}
} // namespace testing_support
