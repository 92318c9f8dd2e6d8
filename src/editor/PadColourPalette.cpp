#include "editor/PadColourPalette.h"

const juce::Array<juce::Colour>& PadColourPalette::getColours()
{
    static const juce::Array<juce::Colour> colours{
        juce::Colour (113, 113, 113), // OFF
        juce::Colour (245, 3, 3),     // RED
        juce::Colour (248, 126, 7),   // ORANGE
        juce::Colour (248, 188, 7),   // AMBER
        juce::Colour (250, 237, 21),  // YELLOW
        juce::Colour (28, 233, 30),   // GREEN
        juce::Colour (9, 229, 159),   // GREEN BLUE
        juce::Colour (15, 217, 230),  // AQUA
        juce::Colour (10, 157, 251),  // LIGHT BLUE
        juce::Colour (14, 101, 231),  // BLUE
        juce::Colour (143, 37, 242),  // PURPLE
        juce::Colour (220, 85, 228),  // PINK
        juce::Colour (225, 0, 198),   // HOT PINK
        juce::Colour (179, 153, 231), // LIGHT PURPLE
        juce::Colour (167, 247, 187), // LIGHT GREEN
        juce::Colour (241, 179, 229), // LIGHT PINK
        juce::Colour (206, 225, 235), // GREY
    };
    return colours;
}
