#include "skin/DialogPainter.h"

namespace skin
{
namespace
{
constexpr int toggleWidth = 18;
constexpr int toggleHeight = 17;

// The pad colours as the device shows them, for the little device drawn on the logo.
const juce::uint32 logoPadColours[] = {0xfff50303, 0xfff87e07, 0xfff8bc07, 0xfffaed15, 0xff1ce91e, 0xff09e59f,
                                       0xff0fd9e6, 0xff0a9dfb, 0xff0e65e7, 0xff8f25f2, 0xffdc55e4, 0xffe100c6,
                                       0xffb399e7, 0xffa7f7bb, 0xfff1b3e5, 0xffcee1eb};

void drawToggleBase (juce::Graphics& g, bool on)
{
    const auto key =
        juce::Rectangle<float> (0.5f, 0.5f, (float)toggleWidth - 1.0f, (float)toggleHeight - 1.5f);

    if (on)
        drawKey (g, key, 3.0f, colours::accentLight, colours::accent, juce::Colour (0xff8a5200));
    else
        drawKey (g, key, 3.0f, colours::graphiteTop, colours::graphiteBottom, colours::graphiteEdge);
}
} // namespace

juce::Image paintDialogBackground()
{
    auto image = juce::Image (juce::Image::RGB, 633, 677, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    const auto area = image.getBounds().toFloat();

    g.setGradientFill (verticalGradient (colours::aluminiumTop, colours::aluminiumBottom, area));
    g.fillAll();
    addGrain (image, image.getBounds(), 4, true, 23);

    // A thin amber edge along the top ties every dialog to the device's accent. The panel is cut
    // to each dialog's size from the top left, so nothing is drawn along the other edges.
    g.setColour (colours::accent);
    g.fillRect (0, 0, image.getWidth(), 2);
    g.setColour (juce::Colours::white.withAlpha (0.6f));
    g.fillRect (0, 2, image.getWidth(), 1);

    return image;
}

juce::Image paintDialogTitle (int width, const juce::String& title)
{
    auto image = newImage (width, 18);
    juce::Graphics g (image);
    const auto plate = image.getBounds().toFloat().reduced (0.5f, 0.5f);

    g.setGradientFill (verticalGradient (colours::graphiteTop, colours::graphiteBottom, plate));
    g.fillRoundedRectangle (plate, 3.0f);
    g.setColour (colours::graphiteEdge);
    g.drawRoundedRectangle (plate, 3.0f, 1.0f);

    g.setColour (colours::accent);
    g.fillRoundedRectangle ({5.0f, 5.0f, 3.0f, 8.0f}, 1.0f);
    g.fillRoundedRectangle ({(float)width - 8.0f, 5.0f, 3.0f, 8.0f}, 1.0f);

    auto font = captionFont (12.0f);
    font.setExtraKerningFactor (0.06f);
    drawPrintedText (g, title, plate, juce::Justification::centred, font, juce::Colours::white,
                     juce::Colours::black.withAlpha (0.6f));
    return image;
}

juce::Image paintDivider()
{
    auto image = newImage (618, 3);
    juce::Graphics g (image);

    // An engraved groove: shade above, the cut, light below.
    g.setColour (juce::Colour (0xff8d9095));
    g.fillRect (0, 0, 618, 1);
    g.setColour (juce::Colour (0xffa9acb1));
    g.fillRect (0, 1, 618, 1);
    g.setColour (juce::Colour (0xfff4f5f6));
    g.fillRect (0, 2, 618, 1);
    return image;
}

juce::Image paintAboutLogo()
{
    auto image = juce::Image (juce::Image::RGB, 501, 275, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    const auto area = image.getBounds().toFloat();

    g.setGradientFill (verticalGradient (juce::Colour (0xff2a2c30), juce::Colour (0xff101113), area));
    g.fillAll();
    g.setGradientFill (juce::ColourGradient (colours::accent.withAlpha (0.10f), 250.0f, 60.0f,
                                             juce::Colours::transparentBlack, 250.0f, 200.0f, true));
    g.fillAll();
    addGrain (image, image.getBounds(), 2, true, 31);

    // The name, over the version line that the About box writes at y 107.
    {
        juce::AttributedString name;
        name.setJustification (juce::Justification::centred);
        name.append ("VexoB", captionFont (48.0f), juce::Colours::white);
        name.append (" Editor", captionFont (48.0f, false), juce::Colour (0xffb9bcc2));
        name.draw (g, {0.0f, 30.0f, 501.0f, 60.0f});

        g.setColour (colours::accent);
        g.fillRect (200.0f, 94.0f, 101.0f, 3.0f);
    }

    // A little drawing of the device between the version line and the notice lines (y 211).
    {
        for (int i = 0; i < 16; ++i)
        {
            const auto pad = juce::Rectangle<float> (150.0f + 16.0f * (float)(i % 4),
                                                     134.0f + 16.0f * (float)(i / 4), 13.0f, 13.0f);
            g.setColour (juce::Colour (0xff2e3034));
            g.fillRoundedRectangle (pad, 2.0f);
            g.setColour (juce::Colour (logoPadColours[i]).withAlpha (0.85f));
            g.drawRoundedRectangle (pad.reduced (0.5f), 2.0f, 1.2f);
        }

        for (int i = 0; i < 8; ++i)
        {
            const float x = 232.0f + 15.0f * (float)i;
            g.setColour (juce::Colour (0xff4a4d53));
            g.fillEllipse (x, 134.0f, 10.0f, 10.0f);
            g.setColour (juce::Colours::white.withAlpha (0.8f));
            g.drawLine (x + 5.0f, 135.0f, x + 5.0f, 139.0f, 1.2f);

            g.setColour (juce::Colours::black);
            g.fillRect (x + 4.0f, 152.0f, 2.0f, 28.0f);
            g.setColour (juce::Colour (0xff8a8d93));
            g.fillRect (x + 1.0f, 158.0f + (float)((i * 7) % 16), 8.0f, 4.0f);

            g.setColour (i == 2 ? colours::accent : juce::Colour (0xffcfd1d5));
            g.fillRoundedRectangle (x, 187.0f, 10.0f, 7.0f, 1.5f);
        }
    }

    return image;
}

juce::Image paintPushButton (int width, int height, const juce::String& caption, float fontHeight,
                             ButtonState state, int faceHeight)
{
    auto image = newImage (width, height);
    juce::Graphics g (image);
    const auto face = faceHeight > 0 ? image.getBounds().withHeight (faceHeight) : image.getBounds();
    drawGraphiteButton (g, face.toFloat().reduced (0.5f), caption, fontHeight, state);
    return image;
}

juce::Image paintClearButton()
{
    auto image = newImage (14, 13);
    juce::Graphics g (image);
    const auto key = image.getBounds().toFloat().reduced (0.5f);

    g.setGradientFill (verticalGradient (juce::Colour (0xff5a5d63), juce::Colour (0xff35373b), key));
    g.fillRoundedRectangle (key, 2.5f);
    g.setColour (colours::graphiteEdge);
    g.drawRoundedRectangle (key, 2.5f, 1.0f);

    g.setColour (juce::Colour (0xffeeeeee));
    g.drawLine (4.0f, 3.5f, 10.0f, 9.5f, 1.6f);
    g.drawLine (4.0f, 9.5f, 10.0f, 3.5f, 1.6f);
    return image;
}

juce::Image paintBankToggle (const juce::String& letter, bool on)
{
    auto image = newImage (toggleWidth, toggleHeight);
    juce::Graphics g (image);
    drawToggleBase (g, on);

    g.setFont (captionFont (11.0f));
    g.setColour (on ? juce::Colours::black : juce::Colour (0xffe4e6ea));
    g.drawText (letter, image.getBounds().toFloat().withTrimmedBottom (1.0f), juce::Justification::centred,
                false);
    return image;
}

juce::Image paintEnabledToggle (bool on)
{
    auto image = newImage (toggleWidth, toggleHeight);
    juce::Graphics g (image);
    drawToggleBase (g, on);

    if (on)
    {
        juce::Path tick;
        tick.startNewSubPath (4.5f, 8.5f);
        tick.lineTo (7.5f, 11.5f);
        tick.lineTo (13.5f, 4.5f);
        g.setColour (juce::Colours::black);
        g.strokePath (
            tick, juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }
    else
    {
        const auto well = juce::Rectangle<float> (5.0f, 4.0f, 8.0f, 8.0f);
        g.setColour (juce::Colour (0xff141517));
        g.fillRoundedRectangle (well, 1.5f);
        g.setColour (juce::Colour (0xff8e9197));
        g.drawRoundedRectangle (well, 1.5f, 1.0f);
    }

    return image;
}
} // namespace skin
