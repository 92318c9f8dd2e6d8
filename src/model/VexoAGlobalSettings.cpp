#include "model/VexoAGlobalSettings.h"

namespace
{
struct SettingRange
{
    juce::uint8 minimum, maximum, initial;
};

// By index 1 to 10.
constexpr SettingRange settingRanges[numGlobalSettings] = {
    {0, 31, 0}, // common channel
    {0, 99, 0}, // screen contrast
    {2, 4, 2},  // tap average
    {0, 1, 0},  // tempo LED
    {0, 1, 0},  // clock source
    {0, 1, 0},  // transport to DIN
    {0, 19, 0}, // pad threshold
    {0, 5, 0},  // pad curve
    {0, 20, 0}, // pad gain
    {0, 10, 0}, // note type
};

bool isValidIndex (int index)
{
    return index >= firstGlobalSettingIndex && index <= lastGlobalSettingIndex;
}

const SettingRange& rangeOf (int index)
{
    return settingRanges[index - firstGlobalSettingIndex];
}
} // namespace

VexoAGlobalSettings::VexoAGlobalSettings()
{
    for (int index = firstGlobalSettingIndex; index <= lastGlobalSettingIndex; ++index)
        settings[index - firstGlobalSettingIndex] = rangeOf (index).initial;
}

VexoAGlobalSettings::~VexoAGlobalSettings()
{
    // The queued updaters point at the listener list, which goes before the queue's own destructor runs.
    cancelQueuedUpdates();
}

juce::uint8 VexoAGlobalSettings::getMinimumValue (int index)
{
    return isValidIndex (index) ? rangeOf (index).minimum : 0;
}

juce::uint8 VexoAGlobalSettings::getMaximumValue (int index)
{
    return isValidIndex (index) ? rangeOf (index).maximum : 0;
}

juce::uint8 VexoAGlobalSettings::getSettingValue (int index) const
{
    return isValidIndex (index) ? settings[index - firstGlobalSettingIndex] : 0;
}

template <typename UpdaterType>
void VexoAGlobalSettings::store (GlobalSettingIndex index, juce::uint8 value,
                                 juce::NotificationType notification)
{
    auto& range = rangeOf (index);

    if (value < range.minimum || value > range.maximum)
        return;

    settings[index - firstGlobalSettingIndex] = value;

    // Listeners always hear of a change later, on the message thread, even when a synchronous call was
    // asked for: a setter may run on the MIDI input thread.
    if (notification != juce::dontSendNotification)
        queueUpdate (new UpdaterType (listeners, value), juce::sendNotification);
}

void VexoAGlobalSettings::setCommonChannel (juce::uint8 value, juce::NotificationType notification)
{
    store<CommonChannelUpdater> (CommonChannelIndex, value, notification);
}

void VexoAGlobalSettings::setScreenContrast (juce::uint8 value, juce::NotificationType notification)
{
    store<ScreenContrastUpdater> (ScreenContrastIndex, value, notification);
}

void VexoAGlobalSettings::setTapAverage (juce::uint8 value, juce::NotificationType notification)
{
    store<TapAverageUpdater> (TapAverageIndex, value, notification);
}

void VexoAGlobalSettings::setTempoLED (juce::uint8 value, juce::NotificationType notification)
{
    store<TempoLEDUpdater> (TempoLEDIndex, value, notification);
}

void VexoAGlobalSettings::setClockSource (juce::uint8 value, juce::NotificationType notification)
{
    store<ClockSourceUpdater> (ClockSourceIndex, value, notification);
}

void VexoAGlobalSettings::setTransportToDin (juce::uint8 value, juce::NotificationType notification)
{
    store<TransportToDinUpdater> (TransportToDinIndex, value, notification);
}

void VexoAGlobalSettings::setPadThreshold (juce::uint8 value, juce::NotificationType notification)
{
    store<PadThresholdUpdater> (PadThresholdIndex, value, notification);
}

void VexoAGlobalSettings::setPadCurve (juce::uint8 value, juce::NotificationType notification)
{
    store<PadCurveUpdater> (PadCurveIndex, value, notification);
}

void VexoAGlobalSettings::setPadGain (juce::uint8 value, juce::NotificationType notification)
{
    store<PadGainUpdater> (PadGainIndex, value, notification);
}

void VexoAGlobalSettings::setNoteType (juce::uint8 value, juce::NotificationType notification)
{
    store<NoteTypeUpdater> (NoteTypeIndex, value, notification);
}

juce::Array<GlobalSettingValuePair> VexoAGlobalSettings::getSettings() const
{
    juce::Array<GlobalSettingValuePair> pairs;

    for (int index = firstGlobalSettingIndex; index <= lastGlobalSettingIndex; ++index)
        pairs.add ({(juce::uint8)index, getSettingValue (index)});

    return pairs;
}

bool VexoAGlobalSettings::setSetting (GlobalSettingValuePair pair, juce::NotificationType notification)
{
    switch (pair.index)
    {
        case CommonChannelIndex:
            setCommonChannel (pair.value, notification);
            break;
        case ScreenContrastIndex:
            setScreenContrast (pair.value, notification);
            break;
        case TapAverageIndex:
            setTapAverage (pair.value, notification);
            break;
        case TempoLEDIndex:
            setTempoLED (pair.value, notification);
            break;
        case ClockSourceIndex:
            setClockSource (pair.value, notification);
            break;
        case TransportToDinIndex:
            setTransportToDin (pair.value, notification);
            break;
        case PadThresholdIndex:
            setPadThreshold (pair.value, notification);
            break;
        case PadCurveIndex:
            setPadCurve (pair.value, notification);
            break;
        case PadGainIndex:
            setPadGain (pair.value, notification);
            break;
        case NoteTypeIndex:
            setNoteType (pair.value, notification);
            break;
        default:
            return false;
    }

    return true;
}

void VexoAGlobalSettings::notifyAllSettings (juce::NotificationType notification)
{
    for (auto& pair : getSettings())
        setSetting (pair, notification);
}

void VexoAGlobalSettings::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void VexoAGlobalSettings::removeListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.remove (listener);
}
