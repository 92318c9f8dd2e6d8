#pragma once

#include "model/ListenerUpdater.h"
#include "model/QueueASyncUpdater.h"
#include "model/VexoGlobalSettings.h"

// The global settings of the device (both models use these). Every accepted change is announced to the
// listeners later, on the message thread, whichever thread made it.
class VexoAGlobalSettings : public VexoGlobalSettings,
                            public virtual juce::ReferenceCountedObject,
                            public virtual QueueASyncUpdater
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoAGlobalSettings>;

    // Hears every announced change. Pad gain comes before pad curve here, the reverse of their indexes.
    class Listener
    {
    public:
        virtual ~Listener() = default;

        virtual void commonChannelChanged (juce::uint8 value) = 0;
        virtual void screenContrastChanged (juce::uint8 value) = 0;
        virtual void tapAverageChanged (juce::uint8 value) = 0;
        virtual void tempoLEDChanged (juce::uint8 value) = 0;
        virtual void clockSourceChanged (juce::uint8 value) = 0;
        virtual void transportToDinChanged (juce::uint8 value) = 0;
        virtual void padThresholdChanged (juce::uint8 value) = 0;
        virtual void padGainChanged (juce::uint8 value) = 0;
        virtual void padCurveChanged (juce::uint8 value) = 0;
        virtual void noteTypeChanged (juce::uint8 value) = 0;
    };

    using ListenerListType = juce::ListenerList<Listener>;

    // Calls one setting's callback, with the value it carries, on every listener (last added first).
    template <void (Listener::*callback) (juce::uint8)>
    class SettingUpdater : public ListenerUpdater, public virtual juce::ReferenceCountedObject
    {
    public:
        SettingUpdater (ListenerListType& listenersToCall, juce::uint8 newValue)
            : listeners (listenersToCall)
            , value (newValue)
        {
        }

        void callListeners() override
        {
            listeners.call ([this] (Listener& listener) { (listener.*callback) (value); });
        }

    private:
        ListenerListType& listeners;
        const juce::uint8 value;
    };

    using CommonChannelUpdater = SettingUpdater<&Listener::commonChannelChanged>;
    using ScreenContrastUpdater = SettingUpdater<&Listener::screenContrastChanged>;
    using TapAverageUpdater = SettingUpdater<&Listener::tapAverageChanged>;
    using TempoLEDUpdater = SettingUpdater<&Listener::tempoLEDChanged>;
    using ClockSourceUpdater = SettingUpdater<&Listener::clockSourceChanged>;
    using TransportToDinUpdater = SettingUpdater<&Listener::transportToDinChanged>;
    using PadThresholdUpdater = SettingUpdater<&Listener::padThresholdChanged>;
    using PadCurveUpdater = SettingUpdater<&Listener::padCurveChanged>;
    using PadGainUpdater = SettingUpdater<&Listener::padGainChanged>;
    using NoteTypeUpdater = SettingUpdater<&Listener::noteTypeChanged>;

    // Every setting at its initial value (tap average 2, the others 0), no listeners.
    VexoAGlobalSettings();
    ~VexoAGlobalSettings() override;

    juce::Array<GlobalSettingValuePair> getSettings() const override;
    bool setSetting (GlobalSettingValuePair pair, juce::NotificationType notification) override;
    void notifyAllSettings (juce::NotificationType notification) override;

    // A value outside the setting's range is ignored: nothing stored, nobody told. An accepted value is
    // announced asynchronously unless the notification is juce::dontSendNotification.
    void setCommonChannel (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setScreenContrast (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setTapAverage (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setTempoLED (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setClockSource (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setTransportToDin (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setPadThreshold (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setPadCurve (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setPadGain (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);
    void setNoteType (juce::uint8 value, juce::NotificationType notification = juce::sendNotification);

    juce::uint8 getCommonChannel() const { return getSettingValue (CommonChannelIndex); }
    juce::uint8 getScreenContrast() const { return getSettingValue (ScreenContrastIndex); }
    juce::uint8 getTapAverage() const { return getSettingValue (TapAverageIndex); }
    juce::uint8 getTempoLED() const { return getSettingValue (TempoLEDIndex); }
    juce::uint8 getClockSource() const { return getSettingValue (ClockSourceIndex); }
    juce::uint8 getTransportToDin() const { return getSettingValue (TransportToDinIndex); }
    juce::uint8 getPadThreshold() const { return getSettingValue (PadThresholdIndex); }
    juce::uint8 getPadCurve() const { return getSettingValue (PadCurveIndex); }
    juce::uint8 getPadGain() const { return getSettingValue (PadGainIndex); }
    juce::uint8 getNoteType() const { return getSettingValue (NoteTypeIndex); }

    // The value of the setting with that index; 0 for an index outside 1..10.
    juce::uint8 getSettingValue (int index) const;

    // The smallest and largest value a setting accepts (0 and 0 for an index outside 1..10).
    static juce::uint8 getMinimumValue (int index);
    static juce::uint8 getMaximumValue (int index);

    // A null pointer is ignored, and a listener is added only once. A listener removes itself before it
    // goes.
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

private:
    template <typename UpdaterType>
    void store (GlobalSettingIndex index, juce::uint8 value, juce::NotificationType notification);

    juce::uint8 settings[numGlobalSettings];
    ListenerListType listeners;

    JUCE_DECLARE_NON_COPYABLE (VexoAGlobalSettings)
};
