#include "skin/SkinStyle.h"

namespace skin
{
juce::Font captionFont (float height, bool bold)
{
    return juce::Font ("DejaVu Sans", height, bold ? juce::Font::bold : juce::Font::plain);
}

juce::Image newImage (int width, int height)
{
    return juce::Image (juce::Image::ARGB, width, height, true, juce::SoftwareImageType());
}

void addGrain (juce::Image& image, juce::Rectangle<int> area, int strength, bool streaks, juce::int64 seed)
{
    juce::Random random (seed);
    area = area.getIntersection (image.getBounds());
    juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        int shift = 0;
        int runLeft = 0;

        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            if (!streaks || runLeft-- <= 0)
            {
                shift = random.nextInt (2 * strength + 1) - strength;
                runLeft = streaks ? 6 + random.nextInt (40) : 0;
            }

            const auto colour = pixels.getPixelColour (x, y);

            if (colour.getAlpha() == 0)
                continue;

            auto channel = [shift] (juce::uint8 value)
            { return (juce::uint8)juce::jlimit (0, 255, (int)value + shift); };

            pixels.setPixelColour (x, y,
                                   juce::Colour (channel (colour.getRed()), channel (colour.getGreen()),
                                                 channel (colour.getBlue()), colour.getAlpha()));
        }
    }
}

juce::ColourGradient verticalGradient (juce::Colour top, juce::Colour bottom, juce::Rectangle<float> area)
{
    return juce::ColourGradient (top, area.getX(), area.getY(), bottom, area.getX(), area.getBottom(), false);
}

void drawGlow (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour colour,
               float radius)
{
    const int steps = juce::jmax (1, juce::roundToInt (radius * 2.0f));

    for (int i = steps; i >= 1; --i)
    {
        const auto spread = radius * (float)i / (float)steps;
        const auto alpha = colour.getFloatAlpha() * 0.22f * (1.0f - (float)(i - 1) / (float)steps);
        g.setColour (colour.withAlpha (alpha));
        g.drawRoundedRectangle (area.expanded (spread), corner + spread, 1.0f);
    }
}

void drawKey (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour top,
              juce::Colour bottom, juce::Colour edge)
{
    // Drop shadow first, then the key, then its bevel.
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.0f), corner);

    g.setGradientFill (verticalGradient (top, bottom, area));
    g.fillRoundedRectangle (area, corner);

    g.setColour (juce::Colours::white.withAlpha (0.45f));
    g.drawLine (area.getX() + corner, area.getY() + 1.0f, area.getRight() - corner, area.getY() + 1.0f, 1.0f);

    g.setColour (edge);
    g.drawRoundedRectangle (area.reduced (0.5f), corner, 1.0f);
}

void drawRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill)
{
    g.setColour (fill);
    g.fillRoundedRectangle (area, corner);

    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.55f), area.getX(), area.getY(),
                                             juce::Colours::transparentBlack, area.getX(), area.getY() + 6.0f,
                                             false));
    g.fillRoundedRectangle (area, corner);

    g.setColour (juce::Colours::white.withAlpha (0.07f));
    g.drawLine (area.getX() + corner, area.getBottom() + 0.5f, area.getRight() - corner,
                area.getBottom() + 0.5f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.drawRoundedRectangle (area.reduced (0.5f), corner, 1.0f);
}

void drawGraphiteButton (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption,
                         float fontHeight, ButtonState state)
{
    auto top = colours::graphiteTop;
    auto bottom = colours::graphiteBottom;
    auto text = juce::Colours::white;
    float textDrop = 0.0f;

    if (state == ButtonState::over)
    {
        top = top.brighter (0.35f);
        bottom = bottom.brighter (0.35f);
    }
    else if (state == ButtonState::down)
    {
        // Held down the button sinks: its light comes from below and its caption moves down.
        std::swap (top, bottom);
        top = top.darker (0.3f);
        text = juce::Colour (0xffd8d8d8);
        textDrop = 1.0f;
    }

    const float corner = juce::jmin (4.0f, area.getHeight() * 0.2f);
    g.setGradientFill (verticalGradient (top, bottom, area));
    g.fillRoundedRectangle (area, corner);

    if (state != ButtonState::down)
    {
        g.setColour (juce::Colours::white.withAlpha (0.22f));
        g.drawLine (area.getX() + corner, area.getY() + 1.5f, area.getRight() - corner, area.getY() + 1.5f,
                    1.0f);
    }
    else
    {
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.drawLine (area.getX() + corner, area.getY() + 1.5f, area.getRight() - corner, area.getY() + 1.5f,
                    1.0f);
    }

    if (state == ButtonState::over)
    {
        g.setColour (colours::accent);
        g.drawLine (area.getX() + corner + 2.0f, area.getBottom() - 2.0f, area.getRight() - corner - 2.0f,
                    area.getBottom() - 2.0f, 1.0f);
    }

    g.setColour (colours::graphiteEdge);
    g.drawRoundedRectangle (area.reduced (0.5f), corner, 1.0f);

    g.setFont (captionFont (fontHeight));
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.drawText (caption, area.translated (0.0f, textDrop - 1.0f), juce::Justification::centred, false);
    g.setColour (text);
    g.drawText (caption, area.translated (0.0f, textDrop), juce::Justification::centred, false);
}

void drawPrintedText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                      juce::Justification justification, juce::Font font, juce::Colour colour,
                      juce::Colour shadow)
{
    g.setFont (font);
    g.setColour (shadow);
    g.drawText (text, area.translated (0.0f, 1.0f), justification, false);
    g.setColour (colour);
    g.drawText (text, area, justification, false);
}
} // namespace skin
