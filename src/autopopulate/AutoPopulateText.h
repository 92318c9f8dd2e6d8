#pragma once

#include <juce_core/juce_core.h>

// The Auto Populate tool's own words: window title, captions and row labels.
namespace AutoPopulateText
{
extern const juce::String windowTitle;
extern const juce::String windowTitlePrefix;
extern const juce::String applyToBanks;
extern const juce::String enabledToggle;

extern const juce::String padsTitle;
extern const juce::String knobsTitle;
extern const juce::String fadersTitle;
extern const juce::String switchesTitle;

extern const juce::String typeLabel;
extern const juce::String orderLabel;
extern const juce::String ascending;
extern const juce::String descending;
extern const juce::String scaleLabel;
extern const juce::String startLabel;
extern const juce::String padOnColorLabel;
extern const juce::String padOffColorLabel;
extern const juce::String aftertouchLabel;
extern const juce::String modeLabel;
extern const juce::String msbLabel;
extern const juce::String lsbLabel;
extern const juce::String programBoxName;
extern const juce::String switchProgramBoxName;
} // namespace AutoPopulateText
