#include "model/MEditorControlParameterData.h"

MEditorControlParameterData::MEditorControlParameterData (const juce::var& initialValue,
                                                          const juce::var& minimum, const juce::var& maximum)
    : value (initialValue)
    , min (minimum)
    , max (maximum)
{
}
