#pragma once

#include <juce_graphics/juce_graphics.h>

// The colours a pad lights in, by colour value: 0 OFF, 1 RED, ... 16 GREY, as the colour list names
// them. Made once; every pad view takes its own copy.
struct PadColourPalette
{
    static constexpr int numColours = 17;

    static const juce::Array<juce::Colour>& getColours();
};
