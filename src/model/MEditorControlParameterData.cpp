#include "model/MEditorControlParameterData.h"

MEditorControlParameterData::MEditorControlParameterData (const juce::var& initialValue,
                                                          const juce::var& minimum, const juce::var& maximum)
    : value (initialValue)
    , min (minimum)
    , max (maximum)
{
}

MEditorControlParameterData::MEditorControlParameterData (const juce::Value& sharedValue,
                                                          const juce::var& minimum, const juce::var& maximum)
    : value (sharedValue)
    , min (minimum)
    , max (maximum)
{
}
