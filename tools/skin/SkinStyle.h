#pragma once

#include <juce_graphics/juce_graphics.h>

// The skin's palette and the drawing pieces that several images share, so that the device picture,
// its controls and the dialogs look like one product.
namespace skin
{
namespace colours
{
// The device body and its recesses.
inline const juce::Colour windowEdge{0xff0e0f11};
inline const juce::Colour bodyTop{0xff2f3135};
inline const juce::Colour bodyBottom{0xff1e2023};
inline const juce::Colour recess{0xff16171a};
inline const juce::Colour deepRecess{0xff0c0d0f};
inline const juce::Colour silkscreen{0xff9a9ca2};

// Displays.
inline const juce::Colour glass{0xff08090a};
inline const juce::Colour lcdTop{0xff142231};
inline const juce::Colour lcdBottom{0xff0b131b};
inline const juce::Colour lcdEdge{0xff2a3f52};

// The one accent: a selected control lights up in this amber.
inline const juce::Colour accent{0xffffa31a};
inline const juce::Colour accentLight{0xffffd27a};

// Light keys that carry black writing (switches, bank buttons).
inline const juce::Colour keyTop{0xffdfe1e4};
inline const juce::Colour keyBottom{0xffbcbfc4};
inline const juce::Colour keyEdge{0xff6d7075};

// Graphite buttons and plates that carry white writing.
inline const juce::Colour graphiteTop{0xff4c4f55};
inline const juce::Colour graphiteBottom{0xff2c2e32};
inline const juce::Colour graphiteEdge{0xff141517};

// The light aluminium of the dialogs, on which dialogs write in black.
inline const juce::Colour aluminiumTop{0xffdcdee1};
inline const juce::Colour aluminiumBottom{0xffc6c8cc};
} // namespace colours

// The sans-serif face every caption uses, named so that the images do not depend on which face
// the system would pick by default.
juce::Font captionFont (float height, bool bold = true);

// An empty, fully transparent image of the given size.
juce::Image newImage (int width, int height);

// Shifts the brightness of each pixel in the area by a small random amount; with streaks the
// shift is shared along short horizontal runs, which reads as brushed metal. Fixed seed: the
// same every build.
void addGrain (juce::Image& image, juce::Rectangle<int> area, int strength, bool streaks, juce::int64 seed);

// A vertical gradient over the rectangle.
juce::ColourGradient verticalGradient (juce::Colour top, juce::Colour bottom, juce::Rectangle<float> area);

// A soft blur-like glow around a rounded rectangle, made of widening translucent outlines.
void drawGlow (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour colour,
               float radius);

// A rounded key with a bevel: top highlight, bottom shade and a thin edge.
void drawKey (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour top,
              juce::Colour bottom, juce::Colour edge);

// A rounded recess cut into a panel: darker inside, shade at its top, light at its lower lip.
void drawRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill);

// The three looks of a graphite push button with its caption: normal, mouse over, held down.
enum class ButtonState
{
    normal,
    over,
    down
};

void drawGraphiteButton (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption,
                         float fontHeight, ButtonState state);

// Text with a one-pixel shadow below it, as printed on a panel.
void drawPrintedText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                      juce::Justification justification, juce::Font font, juce::Colour colour,
                      juce::Colour shadow);
} // namespace skin
