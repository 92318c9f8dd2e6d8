#include "sequencer/SequencerLookAndFeel.h"

#include "sequencer/StepColumnLayout.h"

#include <cmath>

namespace
{
const juce::Colour headerText (200, 200, 200);
} // namespace

SequencerLookAndFeel::SequencerLookAndFeel() = default;

SequencerLookAndFeel::~SequencerLookAndFeel() = default;

juce::Colour SequencerLookAndFeel::getBarColour (float sliderPos, float maxSliderPos)
{
    // A vertical bar's position is the y of its value, so the ratio falls as the value rises. A
    // slider without a usable maximum position would divide by nothing; its bar counts as full.
    auto scaled = maxSliderPos > 0.0f ? sliderPos / maxSliderPos * 255.0f : 0.0f;
    if (!std::isfinite (scaled))
        scaled = 0.0f;
    const auto whole = (int)juce::jlimit (-1.0e6f, 1.0e6f, scaled);
    return juce::Colour ((juce::uint8)255, (juce::uint8) (whole & 0xff), (juce::uint8)0);
}

void SequencerLookAndFeel::drawLinearSlider (juce::Graphics& g, int x, int, int width, int height,
                                             float sliderPos, float, float maxSliderPos,
                                             juce::Slider::SliderStyle, juce::Slider& slider)
{
    // An off step has no bar at all.
    if ((double)slider.getValueObject().getValue() < 1.0)
        return;

    g.setColour (getBarColour (sliderPos, maxSliderPos));
    g.fillRect (juce::Rectangle<float> ((float)x, sliderPos, (float)width, (float)height - sliderPos));
}

void SequencerLookAndFeel::drawLinearSliderBackground (juce::Graphics& g, int, int, int, int, float, float,
                                                       float, juce::Slider::SliderStyle, juce::Slider& slider)
{
    g.fillAll (slider.findColour (juce::Slider::backgroundColourId));
}

void SequencerLookAndFeel::drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent&)
{
    g.fillAll (juce::Colours::black);
}

float SequencerLookAndFeel::getHeaderFontHeight (int columnId)
{
    return columnId >= StepColumnLayout::noteColumnId ? 16.0f : 18.0f;
}

void SequencerLookAndFeel::drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent&,
                                                  const juce::String& columnName, int columnId, int width,
                                                  int height, bool, bool, int)
{
    g.setFont (juce::Font (getHeaderFontHeight (columnId), juce::Font::plain));
    g.setColour (headerText);
    g.drawText (columnName, 0, 0, width, height, juce::Justification::centred, true);
}
