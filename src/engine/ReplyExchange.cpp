#include "engine/ReplyExchange.h"

#include <cmath>

namespace
{
double now()
{
    return juce::Time::getMillisecondCounterHiRes();
}
} // namespace

ReplyExchange::ReplyExchange (Hooks hooksToUse, juce::MultiTimer& timerToUse, int id, int roundTripBytes,
                              bool& linkFasterThanCable)
    : hooks (std::move (hooksToUse))
    , timer (timerToUse)
    , timerId (id)
    , cableRoundTripMs (roundTripBytes * 1000.0 / cableBytesPerSecond)
    , fasterThanCable (linkFasterThanCable)
{
}

void ReplyExchange::add (EditorPreset::Ptr preset, int slot)
{
    JUCE_ASSERT_MESSAGE_THREAD
    waiting.push_back ({std::move (preset), slot});
    goOn (now());
}

int ReplyExchange::size() const
{
    return static_cast<int> (waiting.size()) + (onItsWay ? 1 : 0);
}

bool ReplyExchange::replyReceived (const juce::MidiMessage& reply, double receivedMs)
{
    JUCE_ASSERT_MESSAGE_THREAD
    // On a link faster than a cable only the wait tells a late reply; once it has passed, what is
    // owed is forgotten.
    if (fasterThanCable && receivedMs >= waitEndsMs)
        owed = 0;

    // One that came before the message on its way was handed over, a stray that raced the hand-over
    // on its way to this thread, answers something earlier or nothing.
    if (!onItsWay || receivedMs < onItsWay->handedOverMs)
    {
        if (owed == 0)
            return false;
        --owed;
        goOn (now());
        return true;
    }

    if (held)
    {
        // The device answers in order: the one held was the owed one, and this is the entry's own.
        held.reset();
        owed = juce::jmax (0, owed - 1);
        answer (reply);
        return true;
    }

    const bool soonerThanACable = receivedMs < onItsWay->handedOverMs + cableRoundTripMs;
    if (soonerThanACable && owed > 0)
    {
        held = reply;
        return true;
    }
    if (soonerThanACable)
        fasterThanCable = true;
    answer (reply);
    return true;
}

void ReplyExchange::timerFired()
{
    JUCE_ASSERT_MESSAGE_THREAD
    // The framework's timers count a new timer's time from the timer thread's last wake-up, so
    // after the message thread has been busy one can fire early: each waits its whole time.
    const auto nowMs = now();
    if (nowMs < dueMs)
    {
        setTimerFor (dueMs, nowMs);
        return;
    }
    timer.stopTimer (timerId);

    if (onItsWay)
    {
        if (held)
        {
            // No other reply came: the held one was the entry's own, sooner than a cable allows.
            fasterThanCable = true;
            owed = 0;
            const auto reply = *held;
            held.reset();
            answer (reply);
            return;
        }
        const auto entry = takeOnItsWay();
        ++owed;
        waitEndsMs = nowMs + lateReplyWaitMs;
        hooks.ended (entry, Ending::timedOut);
    }
    goOn (nowMs);
}

void ReplyExchange::portLost (bool repliesCanStillCome)
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (held)
    {
        held.reset();
        owed = juce::jmax (0, owed - 1);
    }
    if (onItsWay)
    {
        const auto entry = takeOnItsWay();
        if (repliesCanStillCome)
        {
            ++owed;
            waitEndsMs = now() + lateReplyWaitMs;
        }
        hooks.ended (entry, Ending::portLost);
    }
    if (!repliesCanStillCome)
    {
        // Nothing owed can come through inputs that are gone, and what comes back may be another
        // link altogether.
        owed = 0;
        fasterThanCable = false;
    }
    endWaiting();
}

void ReplyExchange::goOn (double nowMs)
{
    if (onItsWay)
        return;
    if (waiting.empty())
    {
        timer.stopTimer (timerId);
        return;
    }
    if (!hooks.portOpen())
    {
        endWaiting();
        return;
    }
    if (owed > 0 && nowMs < waitEndsMs)
    {
        setTimerFor (waitEndsMs, nowMs);
        return;
    }

    onItsWay = OnItsWay{waiting.front(), nowMs};
    waiting.pop_front();
    setTimerFor (nowMs + replyTimeoutMs, nowMs);
    hooks.send (onItsWay->entry);
}

void ReplyExchange::answer (const juce::MidiMessage& reply)
{
    const auto entry = takeOnItsWay();
    hooks.answered (entry, reply);
    goOn (now());
}

ReplyExchange::Entry ReplyExchange::takeOnItsWay()
{
    timer.stopTimer (timerId);
    auto entry = std::move (onItsWay->entry);
    onItsWay.reset();
    return entry;
}

void ReplyExchange::endWaiting()
{
    auto ending = std::move (waiting);
    waiting.clear();
    for (const auto& entry : ending)
        hooks.ended (entry, Ending::portLost);
}

void ReplyExchange::setTimerFor (double due, double nowMs)
{
    dueMs = due;
    timer.startTimer (timerId, juce::jmax (1, static_cast<int> (std::ceil (due - nowMs))));
}
