#include "skin/DevicePainter.h"

#include "skin/DeviceLayout.h"
#include "skin/SkinStyle.h"

namespace skin
{
namespace
{

juce::Rectangle<float> toFloat (juce::Rectangle<int> r)
{
    return r.toFloat();
}

void drawScrew (juce::Graphics& g, juce::Point<float> centre)
{
    const auto r = juce::Rectangle<float> (12.0f, 12.0f).withCentre (centre);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillEllipse (r.translated (0.0f, 1.0f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff8a8d93), r.getX(), r.getY(),
                                             juce::Colour (0xff3a3c40), r.getRight(), r.getBottom(), false));
    g.fillEllipse (r);
    g.setColour (juce::Colour (0xff1c1d20));
    g.drawLine (centre.x - 4.0f, centre.y + 2.0f, centre.x + 4.0f, centre.y - 2.0f, 1.6f);
}

void drawLcd (juce::Graphics& g, juce::Rectangle<float> screen)
{
    g.setGradientFill (verticalGradient (colours::lcdTop, colours::lcdBottom, screen));
    g.fillRoundedRectangle (screen, 3.0f);

    // Fine scan lines give the screen a little depth without disturbing the text on it.
    g.setColour (juce::Colours::black.withAlpha (0.12f));
    for (auto y = screen.getY() + 2.0f; y < screen.getBottom() - 1.0f; y += 3.0f)
        g.drawHorizontalLine ((int)y, screen.getX() + 2.0f, screen.getRight() - 2.0f);

    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.06f), screen.getX(),
                                             screen.getY(), juce::Colours::transparentWhite, screen.getX(),
                                             screen.getY() + screen.getHeight() * 0.45f, false));
    g.fillRoundedRectangle (screen, 3.0f);

    g.setColour (colours::lcdEdge);
    g.drawRoundedRectangle (screen.reduced (0.5f), 3.0f, 1.0f);
}

void drawLed (juce::Graphics& g, juce::Point<float> centre, juce::Colour colour, bool lit)
{
    const auto r = juce::Rectangle<float> (7.0f, 7.0f).withCentre (centre);

    if (lit)
    {
        g.setColour (colour.withAlpha (0.25f));
        g.fillEllipse (r.expanded (4.0f));
        g.setColour (colour.withAlpha (0.45f));
        g.fillEllipse (r.expanded (2.0f));
    }

    g.setColour (lit ? colour : colour.withMultipliedBrightness (0.3f));
    g.fillEllipse (r);
    g.setColour (juce::Colours::white.withAlpha (lit ? 0.7f : 0.15f));
    g.fillEllipse (r.reduced (2.0f).translated (-0.8f, -0.8f));
    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.drawEllipse (r, 1.0f);
}

// Letters printed on the panel, spaced out a little as small capitals usually are.
void drawSilkscreen (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                     juce::Justification justification, float height = 10.5f)
{
    auto font = captionFont (height);
    font.setExtraKerningFactor (0.12f);
    drawPrintedText (g, text, area, justification, font, colours::silkscreen,
                     juce::Colours::black.withAlpha (0.6f));
}
} // namespace

juce::Image paintMainEditorBackground()
{
    auto image =
        juce::Image (juce::Image::RGB, layout::width, layout::height, true, juce::SoftwareImageType());
    juce::Graphics g (image);

    g.fillAll (colours::windowEdge);

    const auto body =
        juce::Rectangle<float> (5.0f, 5.0f, (float)layout::width - 10.0f, (float)layout::height - 10.0f);
    g.setGradientFill (verticalGradient (colours::bodyTop, colours::bodyBottom, body));
    g.fillRoundedRectangle (body, 16.0f);
    addGrain (image, body.toNearestInt().reduced (4), 3, true, 11);

    g.setColour (juce::Colours::white.withAlpha (0.12f));
    g.drawLine (body.getX() + 16.0f, body.getY() + 1.0f, body.getRight() - 16.0f, body.getY() + 1.0f, 1.0f);
    g.setColour (juce::Colours::black);
    g.drawRoundedRectangle (body.reduced (0.5f), 16.0f, 1.0f);

    for (auto centre : {juce::Point<float> (22.0f, 22.0f), juce::Point<float> (1154.0f, 22.0f),
                        juce::Point<float> (22.0f, 699.0f), juce::Point<float> (1154.0f, 699.0f)})
        drawScrew (g, centre);

    // Name plate.
    {
        auto brand = captionFont (34.0f);
        brand.setExtraKerningFactor (0.04f);
        drawPrintedText (g, "VexoB", {44.0f, 26.0f, 200.0f, 44.0f}, juce::Justification::centredLeft, brand,
                         juce::Colour (0xffeeeeee), juce::Colours::black.withAlpha (0.8f));
        g.setColour (colours::accent);
        g.fillRect (46.0f, 66.0f, 30.0f, 3.0f);
        drawSilkscreen (g, "PAD  &  CONTROL  SURFACE", {160.0f, 44.0f, 300.0f, 16.0f},
                        juce::Justification::centredLeft, 10.0f);
        drawSilkscreen (g,
                        juce::String::fromUTF8 (
                            "64 PADS   \xc2\xb7   24 KNOBS   \xc2\xb7   24 FADERS   \xc2\xb7   24 SWITCHES"),
                        {640.0f, 44.0f, 480.0f, 16.0f}, juce::Justification::centredRight, 10.0f);
    }

    // The display window with the control's screen and the common-parameters screen.
    {
        const auto bezel = juce::Rectangle<float> (60.0f, 84.0f, 862.0f, 124.0f);
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.fillRoundedRectangle (bezel.translated (0.0f, 2.0f), 8.0f);
        g.setGradientFill (verticalGradient (juce::Colour (0xff151618), colours::glass, bezel));
        g.fillRoundedRectangle (bezel, 8.0f);
        g.setColour (juce::Colour (0xff45484e));
        g.drawRoundedRectangle (bezel.reduced (0.5f), 8.0f, 1.0f);

        drawLcd (g, toFloat (layout::lcdPanel.expanded (6, 5)));
        drawLcd (g, toFloat (layout::commonPanel.expanded (8, 5)));
    }

    // Status lights beside the display.
    {
        const char* names[] = {"POWER", "USB", "MIDI IN", "MIDI OUT"};

        for (int i = 0; i < 4; ++i)
        {
            const float y = 104.0f + 26.0f * (float)i;
            drawLed (g, {960.0f, y}, i == 0 ? colours::accent : juce::Colour (0xff4fd16a), i == 0);
            drawSilkscreen (g, names[i], {974.0f, y - 8.0f, 140.0f, 16.0f}, juce::Justification::centredLeft);
        }
    }

    // Bank selectors.
    drawSilkscreen (g, "PAD BANK", {40.0f, 222.0f, 100.0f, 21.0f}, juce::Justification::centredRight);
    drawSilkscreen (g, "CONTROL BANK", {440.0f, 222.0f, 140.0f, 21.0f}, juce::Justification::centredRight);

    auto drawBankSocket = [&g] (juce::Point<int> at)
    {
        const auto button = juce::Rectangle<int> (at.x, at.y, layout::bankButtonSize, layout::bankButtonSize);
        drawRecess (g, button.expanded (3).toFloat(), 4.0f, colours::deepRecess);
    };

    for (int j = 0; j < 4; ++j)
        drawBankSocket (layout::padBankButton (j));

    for (int j = 0; j < 3; ++j)
        drawBankSocket (layout::controlBankButton (j));

    // The pad field: one well per pad.
    {
        const auto first = layout::pad (12);
        const auto last = layout::pad (3);
        const auto field = juce::Rectangle<int>::leftTopRightBottom (
                               first.x, first.y, last.x + layout::padWidth, last.y + layout::padHeight)
                               .expanded (10, 8)
                               .toFloat();
        drawRecess (g, field, 10.0f, colours::recess);

        for (int i = 0; i < 16; ++i)
        {
            const auto at = layout::pad (i);
            drawRecess (g, juce::Rectangle<float> ((float)at.x + 1.0f, (float)at.y, 96.0f, 96.0f), 8.0f,
                        colours::deepRecess);
        }
    }

    // The control field: knobs, the fader number strip, faders and switches.
    {
        const auto topLeft = layout::knob (0);
        const auto bottomRight =
            layout::switchView (7) + juce::Point<int> (layout::switchWidth, layout::switchHeight);
        const auto field = juce::Rectangle<int>::leftTopRightBottom (
                               topLeft.x - 14, topLeft.y - 10, layout::knob (7).x + layout::knobSize + 14,
                               bottomRight.y + 12)
                               .toFloat();
        drawRecess (g, field, 10.0f, colours::recess);

        for (int i = 0; i < 8; ++i)
        {
            const auto knob = layout::knob (i);
            const auto centre = juce::Point<float> ((float)knob.x + layout::knobSize * 0.5f,
                                                    (float)knob.y + layout::knobSize * 0.5f);
            g.setColour (colours::deepRecess);
            g.fillEllipse (juce::Rectangle<float> (50.0f, 50.0f).withCentre (centre));
            g.setColour (juce::Colours::white.withAlpha (0.06f));
            g.drawEllipse (juce::Rectangle<float> (51.0f, 51.0f).withCentre (centre), 1.0f);

            const auto fader = layout::fader (i);
            drawRecess (g,
                        juce::Rectangle<float> ((float)fader.x + 4.0f, (float)fader.y + 2.0f, 55.0f, 179.0f),
                        5.0f, juce::Colour (0xff1b1c1f));

            const auto sw = layout::switchView (i);
            drawRecess (g,
                        juce::Rectangle<int> (sw.x, sw.y, layout::switchWidth, layout::switchHeight)
                            .expanded (2)
                            .toFloat(),
                        5.0f, colours::deepRecess);
        }

        // The number strip above the faders, one cell per fader.
        const auto strip = layout::faderLabel (0).getUnion (layout::faderLabel (7)).expanded (5, 0).toFloat();
        g.setColour (colours::glass);
        g.fillRoundedRectangle (strip, 3.0f);

        for (int i = 0; i < 8; ++i)
        {
            const auto cell = layout::faderLabel (i).toFloat().reduced (1.0f, 2.0f);
            g.setGradientFill (verticalGradient (colours::lcdTop, colours::lcdBottom, cell));
            g.fillRoundedRectangle (cell, 2.0f);
        }

        g.setColour (juce::Colour (0xff3a3c40));
        g.drawRoundedRectangle (strip.reduced (0.5f), 3.0f, 1.0f);
    }

    // Maker's mark in the empty corner under the controls.
    {
        auto mark = captionFont (40.0f);
        mark.setExtraKerningFactor (0.05f);
        drawPrintedText (g, "VexoB", {880.0f, 618.0f, 240.0f, 56.0f}, juce::Justification::centredRight, mark,
                         juce::Colour (0xff2a2c30), juce::Colours::white.withAlpha (0.07f));
    }

    return image;
}

juce::Image paintKnob (ControlState state)
{
    auto image = newImage (layout::knobSize, layout::knobSize);
    juce::Graphics g (image);
    const juce::Point<float> centre (28.5f, 28.5f);
    constexpr float pi = juce::MathConstants<float>::pi;

    auto tickColour = state == ControlState::over ? juce::Colour (0xfff4f5f7) : juce::Colour (0xff7c7f85);
    if (state == ControlState::on)
        tickColour = colours::accent;

    if (state == ControlState::over)
    {
        g.setColour (juce::Colours::white.withAlpha (0.12f));
        g.drawEllipse (juce::Rectangle<float> (44.0f, 44.0f).withCentre (centre), 2.0f);
    }

    for (int k = 0; k <= 10; ++k)
    {
        const float angle = (-135.0f + 27.0f * (float)k) * pi / 180.0f;
        const float inner = (k == 0 || k == 5 || k == 10) ? 23.5f : 24.5f;
        g.setColour (tickColour);
        g.drawLine (
            {centre.getPointOnCircumference (inner, angle), centre.getPointOnCircumference (27.5f, angle)},
            1.2f);
    }

    if (state == ControlState::on)
    {
        juce::Path arc;
        arc.addCentredArc (centre.x, centre.y, 22.0f, 22.0f, 0.0f, -135.0f * pi / 180.0f,
                           135.0f * pi / 180.0f, true);
        g.setColour (colours::accent.withAlpha (0.3f));
        g.strokePath (arc, juce::PathStrokeType (4.0f));
        g.setColour (colours::accent);
        g.strokePath (arc, juce::PathStrokeType (1.5f));
    }

    const float lift = state == ControlState::normal ? 0.0f : 0.3f;
    const auto body = juce::Rectangle<float> (38.0f, 38.0f).withCentre (centre);
    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.fillEllipse (body.translated (0.0f, 1.5f).expanded (0.5f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff505359).brighter (lift), body.getX(),
                                             body.getY(), juce::Colour (0xff141517), body.getRight(),
                                             body.getBottom(), false));
    g.fillEllipse (body);

    // Knurled rim.
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    for (int k = 0; k < 36; ++k)
    {
        const float angle = (float)k * 2.0f * pi / 36.0f;
        g.drawLine (
            {centre.getPointOnCircumference (16.0f, angle), centre.getPointOnCircumference (18.6f, angle)},
            1.0f);
    }

    const auto cap = juce::Rectangle<float> (29.0f, 29.0f).withCentre (centre);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff4a4d53).brighter (lift), cap.getX(),
                                             cap.getY(), juce::Colour (0xff222326), cap.getX(),
                                             cap.getBottom(), false));
    g.fillEllipse (cap);
    g.setColour (juce::Colours::white.withAlpha (0.18f));
    g.drawEllipse (cap.reduced (0.5f), 1.0f);

    g.setColour (state == ControlState::on ? colours::accentLight : juce::Colour (0xfff2f2f2));
    g.drawLine ({centre.getPointOnCircumference (5.0f, 0.0f), centre.getPointOnCircumference (17.0f, 0.0f)},
                2.2f);

    return image;
}

juce::Image paintFader (ControlState state)
{
    auto image = newImage (layout::faderWidth, layout::faderHeight);
    juce::Graphics g (image);
    const float cx = 31.5f;

    auto tickColour = state == ControlState::over ? juce::Colour (0xffeeeff2) : juce::Colour (0xff6f7278);
    if (state == ControlState::on)
        tickColour = colours::accent.withAlpha (0.85f);

    for (int k = 0; k <= 10; ++k)
    {
        const float y = 14.5f + 15.5f * (float)k;
        const bool major = k % 5 == 0;
        g.setColour (tickColour);
        g.drawLine (major ? 8.0f : 12.0f, y, 20.0f, y, 1.0f);
        g.drawLine (43.0f, y, major ? 55.0f : 51.0f, y, 1.0f);
    }

    const auto slot = juce::Rectangle<float> (cx - 2.5f, 12.0f, 5.0f, 159.0f);
    if (state == ControlState::on)
        drawGlow (g, slot, 2.5f, colours::accent, 3.0f);
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (slot, 2.5f);
    g.setColour (state == ControlState::on ? colours::accent : juce::Colours::white.withAlpha (0.12f));
    g.drawRoundedRectangle (slot.reduced (0.5f), 2.0f, 1.0f);

    const auto cap = juce::Rectangle<float> (cx - 20.0f, 77.0f, 40.0f, 29.0f);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillRoundedRectangle (cap.translated (0.0f, 3.0f), 3.0f);

    const float lift = state == ControlState::normal ? 0.0f : 0.45f;
    g.setGradientFill (
        verticalGradient (juce::Colour (0xff62656c).brighter (lift), juce::Colour (0xff26282b), cap));
    g.fillRoundedRectangle (cap, 3.0f);

    g.setColour (juce::Colours::black.withAlpha (0.35f));
    for (float y = cap.getY() + 5.0f; y < cap.getBottom() - 3.0f; y += 4.0f)
        if (std::abs (y - cap.getCentreY()) > 3.0f)
            g.drawLine (cap.getX() + 4.0f, y, cap.getRight() - 4.0f, y, 1.0f);

    g.setColour (state == ControlState::on ? colours::accentLight : juce::Colour (0xfff0f0f0));
    g.fillRect (cap.getX() + 2.0f, cap.getCentreY() - 1.0f, cap.getWidth() - 4.0f, 2.0f);

    g.setColour (state == ControlState::on ? colours::accent : juce::Colour (0xff0d0e10));
    g.drawRoundedRectangle (cap.reduced (0.5f), 3.0f, 1.0f);

    return image;
}

// Light keys, so that the black numbers and letters written on them read well; chosen ones glow.
namespace
{
juce::Image paintLightKey (int width, int height, float inset, float corner, ControlState state)
{
    auto image = newImage (width, height);
    juce::Graphics g (image);
    const auto key = image.getBounds().toFloat().reduced (inset);

    if (state == ControlState::on)
    {
        drawGlow (g, key, corner, colours::accent, inset);
        drawKey (g, key, corner, colours::accentLight, colours::accent, juce::Colour (0xff8a5200));
    }
    else if (state == ControlState::over)
    {
        drawKey (g, key, corner, juce::Colour (0xfff7f8f9), juce::Colour (0xffd6d8dc), colours::keyEdge);
    }
    else
    {
        drawKey (g, key, corner, colours::keyTop, colours::keyBottom, colours::keyEdge);
    }

    return image;
}
} // namespace

juce::Image paintSwitch (ControlState state)
{
    return paintLightKey (layout::switchWidth, layout::switchHeight, 2.0f, 4.0f, state);
}

juce::Image paintBankButton (ControlState state)
{
    return paintLightKey (layout::bankButtonSize, layout::bankButtonSize, 1.5f, 3.0f, state);
}

juce::Image paintPad (ControlState state)
{
    auto image = newImage (layout::padWidth, layout::padHeight);
    juce::Graphics g (image);
    const auto face = juce::Rectangle<float> (3.0f, 2.0f, 92.0f, 92.0f);

    auto top = juce::Colour (0xff3a3c41);
    auto bottom = juce::Colour (0xff26282b);

    if (state == ControlState::over)
    {
        top = top.brighter (0.3f);
        bottom = bottom.brighter (0.3f);
    }
    else if (state == ControlState::on)
    {
        // Lit from within: warm enough to stand out among the coloured frames, dark enough for
        // the white writing.
        top = juce::Colour (0xff6a5330);
        bottom = juce::Colour (0xff3e3020);
    }

    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.fillRoundedRectangle (face.translated (0.0f, 2.0f), 7.0f);
    g.setGradientFill (verticalGradient (top, bottom, face));
    g.fillRoundedRectangle (face, 7.0f);
    addGrain (image, face.toNearestInt().reduced (4), 2, false, 7 + (int)state);

    if (state == ControlState::on)
    {
        g.setColour (colours::accent);
        g.drawRoundedRectangle (face.expanded (1.75f), 8.5f, 2.5f);
        g.setColour (colours::accentLight.withAlpha (0.5f));
        g.drawRoundedRectangle (face.reduced (0.5f), 7.0f, 1.0f);
    }
    else
    {
        g.setColour (juce::Colour (0xff0b0c0d));
        g.drawRoundedRectangle (face.expanded (0.5f), 7.5f, 1.0f);
    }

    return image;
}

juce::Image paintPadOverlay()
{
    auto image = newImage (layout::padWidth, layout::padHeight);
    juce::Graphics g (image);
    const auto face = juce::Rectangle<float> (3.0f, 2.0f, 92.0f, 92.0f);

    // A soft sheen over the upper part of the rubber, fading out well before the writing's
    // lower lines; faint enough to leave the coloured frame its colour.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.08f), face.getX(), face.getY(),
                                             juce::Colours::transparentWhite, face.getX(),
                                             face.getY() + face.getHeight() * 0.5f, false));
    g.fillRoundedRectangle (face.reduced (1.0f), 6.0f);

    return image;
}
} // namespace skin
