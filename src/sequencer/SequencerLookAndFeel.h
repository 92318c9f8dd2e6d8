#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The sequencer's own drawing: a black table header with light grey column names, and velocity
// bars that run from yellow at a low velocity to red at the highest.
class SequencerLookAndFeel : public juce::LookAndFeel_V3
{
public:
    SequencerLookAndFeel();
    ~SequencerLookAndFeel() override;

    // The bar's colour for the positions the slider passes: yellow near the bottom, red at the top.
    static juce::Colour getBarColour (float sliderPos, float maxSliderPos);

    void drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                           float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                           juce::Slider& slider) override;

    void drawLinearSliderBackground (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                     float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                                     juce::Slider& slider) override;

    void drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent& header) override;

    void drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent& header,
                                const juce::String& columnName, int columnId, int width, int height,
                                bool isMouseOver, bool isMouseDown, int columnFlags) override;

    // The NOTE column and any after it take the smaller font.
    static float getHeaderFontHeight (int columnId);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerLookAndFeel)
};
