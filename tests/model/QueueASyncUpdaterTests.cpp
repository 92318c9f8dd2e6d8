#include "support/MessageLoop.h"

#include "model/QueueASyncUpdater.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace
{
struct Delivery
{
    juce::String listener;
    int value;
    int pass;
    bool onMessageThread;
};

class NumberSource : public QueueASyncUpdater
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void numberChanged (int value) = 0;
    };

    class NumberUpdater : public ListenerUpdater
    {
    public:
        NumberUpdater (juce::ListenerList<Listener>& listenersToCall, int newValue,
                       std::shared_ptr<std::atomic<int>> liveCount)
            : listeners (listenersToCall)
            , value (newValue)
            , live (std::move (liveCount))
        {
            ++*live;
        }

        ~NumberUpdater() override { --*live; }

        void callListeners() override
        {
            listeners.call ([this] (Listener& l) { l.numberChanged (value); });
        }

    private:
        juce::ListenerList<Listener>& listeners;
        int value;
        std::shared_ptr<std::atomic<int>> live;
    };

    ~NumberSource() override { cancelQueuedUpdates(); }

    void announce (int value, juce::NotificationType notification = juce::sendNotificationAsync)
    {
        queueUpdate (new NumberUpdater (listeners, value, liveUpdaters), notification);
    }

    void handleAsyncUpdate() override
    {
        ++passes;
        QueueASyncUpdater::handleAsyncUpdate();
    }

    juce::ListenerList<Listener> listeners;
    std::shared_ptr<std::atomic<int>> liveUpdaters = std::make_shared<std::atomic<int>> (0);
    int passes = 0;
};

class RecordingListener : public NumberSource::Listener
{
public:
    RecordingListener (juce::String nameToUse, NumberSource& sourceToWatch, std::vector<Delivery>& log)
        : name (std::move (nameToUse))
        , source (sourceToWatch)
        , deliveries (log)
    {
        source.listeners.add (this);
    }

    ~RecordingListener() override { source.listeners.remove (this); }

    void numberChanged (int value) override
    {
        deliveries.push_back (
            {name, value, source.passes, juce::MessageManager::getInstance()->isThisTheMessageThread()});

        if (onCall)
            onCall (value);
    }

    juce::String name;
    NumberSource& source;
    std::vector<Delivery>& deliveries;
    std::function<void (int)> onCall;
};

std::vector<int> valuesOf (const std::vector<Delivery>& deliveries)
{
    std::vector<int> values;

    for (auto& d : deliveries)
        values.push_back (d.value);

    return values;
}
} // namespace

TEST (UpdaterQueue, UpdatesFromAnotherThreadArriveOnTheMessageThreadInOrderOnce)
{
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener listener ("L", source, log);

    std::thread producer (
        [&]
        {
            for (int i = 1; i <= 3; ++i)
                source.announce (i);
        });
    producer.join();
    EXPECT_TRUE (log.empty());

    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 3; }));
    testing_support::pumpMessages (30);

    EXPECT_EQ (valuesOf (log), (std::vector<int>{1, 2, 3}));
    for (auto& d : log)
        EXPECT_TRUE (d.onMessageThread);
    EXPECT_EQ (source.getNumQueuedUpdates(), 0);
    EXPECT_EQ (source.liveUpdaters->load(), 0);
}

TEST (UpdaterQueue, ManyThreadsEachKeepTheirOrderAndNothingIsLostOrRepeated)
{
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener listener ("L", source, log);

    constexpr int numThreads = 4, perThread = 500;
    std::vector<std::thread> producers;

    for (int t = 0; t < numThreads; ++t)
        producers.emplace_back (
            [&source, t]
            {
                for (int i = 0; i < perThread; ++i)
                    source.announce (t * perThread + i);
            });

    // Deliver while the producers are still queueing.
    EXPECT_TRUE (
        testing_support::pumpUntil ([&] { return log.size() >= (size_t)(numThreads * perThread); }, 20000));

    for (auto& p : producers)
        p.join();

    testing_support::pumpMessages (30);
    ASSERT_EQ (log.size(), (size_t)(numThreads * perThread));

    std::vector<int> next (numThreads);
    for (int t = 0; t < numThreads; ++t)
        next[(size_t)t] = t * perThread;

    for (auto& d : log)
    {
        auto t = (size_t)(d.value / perThread);
        EXPECT_EQ (d.value, next[t]);
        next[t] = d.value + 1;
    }
}

TEST (UpdaterQueue, AnUpdateQueuedByAListenerComesInALaterPass)
{
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener listener ("L", source, log);
    listener.onCall = [&] (int value)
    {
        if (value == 1)
            source.announce (10);
    };

    source.announce (1);
    source.announce (2);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 3; }));
    testing_support::pumpMessages (30);

    ASSERT_EQ (valuesOf (log), (std::vector<int>{1, 2, 10}));
    EXPECT_EQ (log[0].pass, log[1].pass);
    EXPECT_GT (log[2].pass, log[1].pass);
}

TEST (UpdaterQueue, ANestedDeliveryDuringACallbackNeitherRepeatsNorDrops)
{
    // A listener that runs the message loop (a modal dialog) lets a second pass start inside the first.
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener listener ("L", source, log);
    bool nested = false;
    listener.onCall = [&] (int value)
    {
        if (value == 1 && !nested)
        {
            nested = true;
            source.announce (4);
            source.handleAsyncUpdate();
        }
    };

    source.announce (1);
    source.announce (2);
    source.announce (3);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 4; }));
    testing_support::pumpMessages (30);

    EXPECT_EQ (valuesOf (log), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ (source.getNumQueuedUpdates(), 0);
}

TEST (UpdaterQueue, LastAddedListenerFirstAndSelfRemovalSkipsNobody)
{
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener a ("A", source, log), b ("B", source, log), c ("C", source, log);
    b.onCall = [&] (int) { source.listeners.remove (&b); };

    source.announce (1);
    source.announce (2);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 5; }));
    testing_support::pumpMessages (30);

    juce::StringArray order;
    for (auto& d : log)
        order.add (d.listener + juce::String (d.value));

    EXPECT_EQ (order.joinIntoString (" "), "C1 B1 A1 C2 A2");
}

TEST (UpdaterQueue, DestructionDropsQueuedUpdatesUncalled)
{
    struct CountingListener : NumberSource::Listener
    {
        void numberChanged (int) override { ++calls; }
        int calls = 0;
    } listener;

    auto source = std::make_unique<NumberSource>();
    auto liveUpdaters = source->liveUpdaters;
    source->listeners.add (&listener);
    source->announce (1);
    source->announce (2);
    EXPECT_EQ (source->getNumQueuedUpdates(), 2);
    EXPECT_EQ (liveUpdaters->load(), 2);

    source.reset();
    EXPECT_EQ (liveUpdaters->load(), 0);

    testing_support::pumpMessages (50);
    EXPECT_EQ (listener.calls, 0);
}

TEST (UpdaterQueue, SynchronousNotificationCallsAtOnceAndQueuesNothing)
{
    NumberSource source;
    std::vector<Delivery> log;
    RecordingListener listener ("L", source, log);

    source.announce (1);
    source.announce (2, juce::sendNotificationSync);
    ASSERT_EQ (valuesOf (log), (std::vector<int>{2}));
    EXPECT_EQ (source.getNumQueuedUpdates(), 1);

    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 2; }));
    EXPECT_EQ (valuesOf (log), (std::vector<int>{2, 1}));
}
