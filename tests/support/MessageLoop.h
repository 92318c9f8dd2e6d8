#pragma once

#include <functional>

// Tests run on the message thread; asynchronous deliveries only happen while the loop is pumped.
namespace testing_support
{
// Runs the message loop for the given time.
void pumpMessages (int milliseconds);

// Runs the message loop until the condition holds or the time is up; returns the condition.
bool pumpUntil (const std::function<bool()>& condition, int timeoutMilliseconds = 5000);
} // namespace testing_support
