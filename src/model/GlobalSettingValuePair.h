#pragma once

#include <juce_core/juce_core.h>

// The ten global settings of the device, by the index they travel with.
enum GlobalSettingIndex : juce::uint8
{
    CommonChannelIndex = 1,
    ScreenContrastIndex = 2,
    TapAverageIndex = 3,
    TempoLEDIndex = 4,
    ClockSourceIndex = 5,
    TransportToDinIndex = 6,
    PadThresholdIndex = 7,
    PadCurveIndex = 8,
    PadGainIndex = 9,
    NoteTypeIndex = 10
};

constexpr int firstGlobalSettingIndex = CommonChannelIndex;
constexpr int lastGlobalSettingIndex = NoteTypeIndex;
constexpr int numGlobalSettings = lastGlobalSettingIndex - firstGlobalSettingIndex + 1;

// One setting as it travels: its index byte and its value byte. As one 16-bit number: index | value << 8.
struct GlobalSettingValuePair
{
    juce::uint8 index = 0;
    juce::uint8 value = 0;

    constexpr GlobalSettingValuePair() = default;
    constexpr GlobalSettingValuePair (juce::uint8 settingIndex, juce::uint8 settingValue)
        : index (settingIndex)
        , value (settingValue)
    {
    }

    static constexpr GlobalSettingValuePair fromUint16 (juce::uint16 packed)
    {
        return {(juce::uint8) (packed & 0xff), (juce::uint8) (packed >> 8)};
    }

    constexpr juce::uint16 toUint16() const { return (juce::uint16) (index | (value << 8)); }

    constexpr bool operator== (const GlobalSettingValuePair& other) const
    {
        return index == other.index && value == other.value;
    }
    constexpr bool operator!= (const GlobalSettingValuePair& other) const { return !operator== (other); }
};
