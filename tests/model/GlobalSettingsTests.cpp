#include "support/MessageLoop.h"

#include "model/VexoAGlobalSettings.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
// Logs every callback as "<listener>:<callback>=<value>".
class LoggingListener : public VexoAGlobalSettings::Listener
{
public:
    LoggingListener (juce::String nameToUse, juce::StringArray& logToUse)
        : name (std::move (nameToUse))
        , log (logToUse)
    {
    }

    void commonChannelChanged (juce::uint8 v) override { note ("commonChannel", v); }
    void screenContrastChanged (juce::uint8 v) override { note ("screenContrast", v); }
    void tapAverageChanged (juce::uint8 v) override { note ("tapAverage", v); }
    void tempoLEDChanged (juce::uint8 v) override { note ("tempoLED", v); }
    void clockSourceChanged (juce::uint8 v) override { note ("clockSource", v); }
    void transportToDinChanged (juce::uint8 v) override { note ("transportToDin", v); }
    void padThresholdChanged (juce::uint8 v) override { note ("padThreshold", v); }
    void padGainChanged (juce::uint8 v) override { note ("padGain", v); }
    void padCurveChanged (juce::uint8 v) override { note ("padCurve", v); }
    void noteTypeChanged (juce::uint8 v) override { note ("noteType", v); }

    bool allOnMessageThread = true;

private:
    void note (const char* callback, juce::uint8 value)
    {
        allOnMessageThread =
            allOnMessageThread && juce::MessageManager::getInstance()->isThisTheMessageThread();
        log.add (name + ":" + callback + "=" + juce::String (value));
    }

    juce::String name;
    juce::StringArray& log;
};

juce::Array<juce::uint16> packed (const juce::Array<GlobalSettingValuePair>& pairs)
{
    juce::Array<juce::uint16> result;

    for (auto& pair : pairs)
        result.add (pair.toUint16());

    return result;
}
} // namespace

TEST (GlobalSettings, PairsPackIndexLowAndValueHigh)
{
    GlobalSettingValuePair pair (TapAverageIndex, 2);
    EXPECT_EQ (pair.toUint16(), 0x0203);
    EXPECT_EQ (GlobalSettingValuePair::fromUint16 (0x1409), GlobalSettingValuePair (PadGainIndex, 20));
}

TEST (GlobalSettings, NewSettingsHoldTheirInitialValues)
{
    VexoAGlobalSettings settings;
    EXPECT_EQ (packed (settings.getSettings()),
               (juce::Array<juce::uint16>{0x0001, 0x0002, 0x0203, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008,
                                          0x0009, 0x000A}));
}

TEST (GlobalSettings, EachSettingAcceptsExactlyItsRange)
{
    const int maxima[] = {31, 99, 4, 1, 1, 1, 19, 5, 20, 10};

    for (int index = 1; index <= 10; ++index)
    {
        VexoAGlobalSettings settings;
        const auto max = (juce::uint8)maxima[index - 1];
        const auto min = (juce::uint8) (index == TapAverageIndex ? 2 : 0);

        EXPECT_TRUE (settings.setSetting ({(juce::uint8)index, max}, juce::dontSendNotification));
        EXPECT_EQ (settings.getSettingValue (index), max) << index;
        EXPECT_TRUE (
            settings.setSetting ({(juce::uint8)index, (juce::uint8) (max + 1)}, juce::dontSendNotification));
        EXPECT_EQ (settings.getSettingValue (index), max) << index;
        EXPECT_TRUE (settings.setSetting ({(juce::uint8)index, min}, juce::dontSendNotification));
        EXPECT_EQ (settings.getSettingValue (index), min) << index;
        EXPECT_TRUE (settings.setSetting ({(juce::uint8)index, 255}, juce::dontSendNotification));
        EXPECT_EQ (settings.getSettingValue (index), min) << index;
        EXPECT_EQ (VexoAGlobalSettings::getMaximumValue (index), max);
    }

    VexoAGlobalSettings settings;
    settings.setTapAverage (1, juce::dontSendNotification);
    EXPECT_EQ (settings.getTapAverage(), 2);
    settings.setTapAverage (5, juce::dontSendNotification);
    EXPECT_EQ (settings.getTapAverage(), 2);
    settings.setTapAverage (4, juce::dontSendNotification);
    EXPECT_EQ (settings.getTapAverage(), 4);
}

TEST (GlobalSettings, BadIndexesAndRefusedValuesTellNobody)
{
    VexoAGlobalSettings settings;
    juce::StringArray log;
    LoggingListener listener ("L", log);
    settings.addListener (&listener);

    const auto before = packed (settings.getSettings());
    EXPECT_FALSE (settings.setSetting ({0, 1}, juce::sendNotification));
    EXPECT_FALSE (settings.setSetting ({11, 1}, juce::sendNotification));
    EXPECT_TRUE (settings.setSetting ({ScreenContrastIndex, 100}, juce::sendNotification));
    EXPECT_EQ (packed (settings.getSettings()), before);
    EXPECT_EQ (settings.getNumQueuedUpdates(), 0);

    testing_support::pumpMessages (30);
    EXPECT_TRUE (log.isEmpty());
    settings.removeListener (&listener);
}

TEST (GlobalSettings, ChangesReachListenersLaterLastAddedFirst)
{
    VexoAGlobalSettings settings;
    juce::StringArray log;
    LoggingListener first ("first", log), second ("second", log);
    settings.addListener (&first);
    settings.addListener (&second);
    settings.addListener (&second); // only once
    settings.addListener (nullptr);

    settings.setPadGain (20, juce::sendNotification);
    settings.setPadCurve (3, juce::sendNotificationSync); // still delivered later
    settings.setNoteType (4, juce::dontSendNotification);
    EXPECT_TRUE (log.isEmpty());
    EXPECT_EQ (settings.getNoteType(), 4);

    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 4; }));
    testing_support::pumpMessages (30);
    EXPECT_EQ (log.joinIntoString (" "),
               "second:padGain=20 first:padGain=20 second:padCurve=3 first:padCurve=3");
    EXPECT_TRUE (first.allOnMessageThread && second.allOnMessageThread);

    settings.removeListener (&second);
    settings.removeListener (&first);
}

TEST (GlobalSettings, NotifyAllSettingsFollowsTheIndexes)
{
    VexoAGlobalSettings settings;
    settings.setCommonChannel (5, juce::dontSendNotification);
    juce::StringArray log;
    LoggingListener listener ("L", log);
    settings.addListener (&listener);

    settings.notifyAllSettings (juce::sendNotification);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 10; }));
    testing_support::pumpMessages (30);

    EXPECT_EQ (log.joinIntoString (" "), "L:commonChannel=5 L:screenContrast=0 L:tapAverage=2 L:tempoLED=0 "
                                         "L:clockSource=0 L:transportToDin=0 L:padThreshold=0 L:padCurve=0 "
                                         "L:padGain=0 L:noteType=0");
    settings.removeListener (&listener);
}

TEST (GlobalSettings, ChangesFromAnotherThreadArriveOnTheMessageThread)
{
    VexoAGlobalSettings settings;
    juce::StringArray log;
    LoggingListener listener ("L", log);
    settings.addListener (&listener);

    std::thread device (
        [&]
        {
            for (auto pair : {GlobalSettingValuePair (CommonChannelIndex, 9),
                              GlobalSettingValuePair (ClockSourceIndex, 1)})
                settings.setSetting (pair, juce::sendNotification);
        });
    device.join();

    EXPECT_TRUE (testing_support::pumpUntil ([&] { return log.size() >= 2; }));
    EXPECT_EQ (log.joinIntoString (" "), "L:commonChannel=9 L:clockSource=1");
    EXPECT_TRUE (listener.allOnMessageThread);
    settings.removeListener (&listener);
}

TEST (GlobalSettings, DestroyedSettingsDropTheirUndeliveredNotifications)
{
    juce::StringArray log;
    LoggingListener listener ("L", log);

    {
        VexoAGlobalSettings::Ptr settings = new VexoAGlobalSettings();
        settings->addListener (&listener);
        settings->notifyAllSettings (juce::sendNotification);
        EXPECT_EQ (settings->getNumQueuedUpdates(), 10);
    }

    testing_support::pumpMessages (50);
    EXPECT_TRUE (log.isEmpty());
}
