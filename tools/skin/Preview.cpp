#include "skin/Preview.h"

#include "skin/DeviceLayout.h"
#include "skin/SkinRenderer.h"
#include "text/UiText.h"

namespace skin
{
namespace
{
const juce::Colour sampleColours[] = {juce::Colour (113, 113, 113), juce::Colour (245, 3, 3),
                                      juce::Colour (28, 233, 30),   juce::Colour (10, 157, 251),
                                      juce::Colour (248, 188, 7),   juce::Colour (143, 37, 242)};

void drawSamplePad (juce::Graphics& g, juce::Point<int> at, int number, SkinImageId state)
{
    juce::Graphics::ScopedSaveState save (g);
    g.setOrigin (at);
    g.drawImageAt (renderSkinImage (state), 0, 0);

    g.setColour (juce::Colours::white);
    g.setFont (12.0f);
    g.drawText (UiText::formatNoteLabel (35 + number), 8, 10, 93, 20, juce::Justification::left, true);
    g.drawText (number % 3 == 0 ? "TOG" : "MOM", 8, 30, 93, 20, juce::Justification::left, true);
    g.drawText ("MIDI CH:COM", 8, 50, 90, 20, juce::Justification::left, true);
    g.setColour (juce::Colour (211, 211, 211));
    g.drawText (juce::String (number), 8, 72, 93, 20, juce::Justification::left, true);

    const auto off = sampleColours[number % 6];
    const auto on = sampleColours[(number + 2) % 6];
    g.setColour (off);
    g.drawLine (5, 91, 93, 91, 2);
    g.drawLine (5, 5, 5, 92, 2);
    g.setColour (on);
    g.drawLine (5, 5, 93, 4, 2);
    g.drawLine (93, 4, 93, 92, 2);

    g.drawImageAt (renderSkinImage (SkinImageId::padOverlay), 0, 0);
}

void drawCaptionedField (juce::Graphics& g, juce::Rectangle<int> caption, const juce::String& name,
                         juce::Rectangle<int> field, const juce::String& value)
{
    g.setColour (juce::Colours::white);
    g.setFont (16.0f);
    g.drawText (name + ": ", caption, juce::Justification::centredLeft, true);
    g.setFont (15.0f);
    g.drawText (value, field.withTrimmedLeft (4), juce::Justification::centredLeft, true);
}

void drawDialogComboBox (juce::Graphics& g, juce::Rectangle<int> box, const juce::String& text)
{
    g.setColour (juce::Colour (28, 28, 28));
    g.fillRoundedRectangle (box.toFloat(), 2.0f);
    g.setColour (juce::Colour (212, 212, 212));
    const int m = box.getHeight() / 2;
    juce::Path arrow;
    arrow.addTriangle ((float)(box.getRight() - 10), (float)(box.getY() + m + 4), (float)(box.getRight() - 5),
                       (float)(box.getY() + m), (float)(box.getRight() - 15), (float)(box.getY() + m));
    g.fillPath (arrow);
    g.setFont (15.0f);
    g.drawText (text, box.withTrimmedLeft (5), juce::Justification::centredLeft, true);
}

void drawDialogLabel (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area,
                      float height = 15.0f)
{
    g.setColour (juce::Colours::black);
    g.setFont (height);
    g.drawText (text, area, juce::Justification::centredLeft, true);
}
} // namespace

juce::Image paintDevicePreview()
{
    auto image = renderSkinImage (SkinImageId::mainEditorBackground).createCopy();
    juce::Graphics g (image);

    for (int i = 0; i < 16; ++i)
        drawSamplePad (g, layout::pad (i), i + 1,
                       i == 5 ? SkinImageId::padOn
                              : (i == 10 ? SkinImageId::padOver : SkinImageId::padNormal));

    for (int i = 0; i < 8; ++i)
    {
        const auto pick =
            [i] (SkinImageId normal, SkinImageId over, SkinImageId on, int onIndex, int overIndex)
        { return i == onIndex ? on : (i == overIndex ? over : normal); };

        g.drawImageAt (renderSkinImage (
                           pick (SkinImageId::knobNormal, SkinImageId::knobOver, SkinImageId::knobOn, 2, 5)),
                       layout::knob (i).x, layout::knob (i).y);
        g.drawImageAt (renderSkinImage (pick (SkinImageId::faderNormal, SkinImageId::faderOver,
                                              SkinImageId::faderOn, -1, 3)),
                       layout::fader (i).x, layout::fader (i).y);
        g.drawImageAt (renderSkinImage (pick (SkinImageId::switchNormal, SkinImageId::switchOver,
                                              SkinImageId::switchOn, -1, 6)),
                       layout::switchView (i).x, layout::switchView (i).y);

        g.setFont (14.0f);
        g.setColour (juce::Colours::white);
        g.drawText (juce::String (i + 1), layout::faderLabel (i), juce::Justification::centred, true);
        g.setColour (juce::Colours::black);
        g.drawText (juce::String (i + 1),
                    juce::Rectangle<int> (layout::switchView (i).x, layout::switchView (i).y,
                                          layout::switchWidth, layout::switchHeight),
                    juce::Justification::centred, true);
    }

    const char* letters[] = {"A", "B", "C", "D"};

    for (int j = 0; j < 4; ++j)
    {
        const auto at = layout::padBankButton (j);
        g.drawImageAt (renderSkinImage (j == 0 ? SkinImageId::bankButtonOn : SkinImageId::bankButtonNormal),
                       at.x, at.y);
        g.setColour (juce::Colours::black);
        g.setFont (14.0f);
        g.drawText (letters[j], at.x + 6, at.y + 1, 21, 20, juce::Justification::left, true);

        if (j < 3)
        {
            const auto c = layout::controlBankButton (j);
            g.drawImageAt (renderSkinImage (j == 1 ? SkinImageId::bankButtonOn
                                                   : (j == 2 ? SkinImageId::bankButtonOver
                                                             : SkinImageId::bankButtonNormal)),
                           c.x, c.y);
            g.drawText (letters[j], c.x + 6, c.y + 1, 21, 20, juce::Justification::left, true);
        }
    }

    // An LCD panel for a pad and the common parameters, as the panels lay them out.
    {
        const auto lcd = layout::lcdPanel.getTopLeft();
        g.setColour (juce::Colours::white);
        g.setFont (18.0f);
        g.drawText ("Pad 6", lcd.x + 5, lcd.y, 100, 22, juce::Justification::centredLeft, true);
        const char* names[] = {"TYPE",       "MIDI CHANNEL", "MIDI NOTE", "TRIGGER MODE",
                               "AFTERTOUCH", "ON COLOR",     "OFF COLOR", "MIDI TO DIN"};
        const char* values[] = {"NOTE", "COMMON", "41", "MOMENTARY", "OFF", "GREEN", "RED", "ON"};

        for (int i = 0; i < 8; ++i)
        {
            const int row = i % 4;
            const int x = i < 4 ? 5 : 255;
            const int fieldX = i < 4 ? 130 : 380;
            drawCaptionedField (g, {lcd.x + x, lcd.y + 22 + row * 18, i < 4 ? 120 : 100, 18}, names[i],
                                {lcd.x + fieldX, lcd.y + 22 + row * 18, i < 4 ? 120 : 100, 18}, values[i]);
        }

        const auto common = layout::commonPanel.getTopLeft();
        g.setFont (15.0f);
        const char* captions[] = {"PRESET:", "TEMPO:", "SWING:", "GATE:", "TIME DIVISION:"};
        const char* settings[] = {"Generic", "120", "50", "50", "1/16"};

        for (int i = 0; i < 5; ++i)
        {
            g.drawText (captions[i], common.x, common.y + 20 * i, 100, 20, juce::Justification::centredLeft,
                        true);
            g.drawText (settings[i], common.x + (i == 4 ? 100 : 52), common.y + 20 * i, 80, 20,
                        juce::Justification::centredLeft, true);
        }

        const char* rightCaptions[] = {"NOTE REPEAT SWITCH:", "TIME DIV SWITCH:", "TRANSPORT TYPE:"};
        const char* rightSettings[] = {"MOMENTARY", "TOGGLE", "MMC"};

        for (int i = 0; i < 3; ++i)
        {
            g.drawText (rightCaptions[i], common.x + 80, common.y + 20 * (i + 1), 130, 20,
                        juce::Justification::centredLeft, true);
            g.drawText (rightSettings[i], common.x + 212, common.y + 20 * (i + 1), 85, 20,
                        juce::Justification::centredLeft, true);
        }
    }

    return image;
}

juce::Image paintDialogPreview()
{
    juce::Image image (juce::Image::RGB, 633 + 20 + 633, 677, true, juce::SoftwareImageType());
    juce::Graphics g (image);
    g.fillAll (juce::Colours::black);
    const auto background = renderSkinImage (SkinImageId::dialogBackground);

    // The Auto Populate tool, its pad page filled in part.
    {
        g.drawImageAt (background, 0, 0);
        g.drawImageAt (renderSkinImage (SkinImageId::autoPopulateTitle), 225, 10);

        for (int y : {180, 360, 515})
            g.drawImageAt (renderSkinImage (SkinImageId::divider), 5, y);

        const char* pages[] = {"PADS", "KNOBS", "FADER", "SWITCHES"};
        const int pageTops[] = {30, 196, 367, 533};

        for (int p = 0; p < 4; ++p)
        {
            const int top = pageTops[p];
            g.setColour (juce::Colours::black);
            g.setFont (22.0f);
            g.drawText (pages[p], 10, top, 100, 24, juce::Justification::centredLeft, true);

            g.setFont (20.0f);
            g.drawText ("Apply to Banks", 490, top + 24, 140, 20, juce::Justification::centred, true);
            const SkinImageId offs[] = {SkinImageId::bankAToggleOff, SkinImageId::bankBToggleOff,
                                        SkinImageId::bankCToggleOff, SkinImageId::bankDToggleOff};
            const SkinImageId ons[] = {SkinImageId::bankAToggleOn, SkinImageId::bankBToggleOn,
                                       SkinImageId::bankCToggleOn, SkinImageId::bankDToggleOn};
            const int n = p == 0 ? 4 : 3;
            const int offset = (140 - 18 * n - 5 * (n - 1)) / 2;

            for (int i = 0; i < n; ++i)
                g.drawImageAt (renderSkinImage (i == 1 ? ons[i] : offs[i]), 490 + i * 23 + offset, top + 54);

            g.drawImageAt (renderSkinImage (SkinImageId::applyButtonNormal), 490 + 22, top + 84);

            const char* rows[] = {"PAD ON COLOR", "PAD OFF COLOR", "MIDI CHANNEL", "MIDI TO DIN"};
            const char* values[] = {"GREEN", "OFF", "COMMON", "ON"};

            for (int r = 0; r < 4; ++r)
            {
                const int y = top + 24 + 22 * r;
                g.drawImageAt (
                    renderSkinImage (r == 0 ? SkinImageId::enabledToggleOn : SkinImageId::enabledToggleOff),
                    240, y);
                drawDialogLabel (g, rows[r], {258, y, 110, 18}, 13.0f);
                drawDialogComboBox (g, {365, y, 100, 18}, values[r]);
            }

            g.drawImageAt (renderSkinImage (SkinImageId::enabledToggleOff), 10, top + 24);
            drawDialogLabel (g, "TYPE", {30, top + 24, 80, 18}, 13.0f);
            drawDialogComboBox (g, {95, top + 24, 100, 18}, "NOTE");
        }
    }

    // The global settings editor above the Send To Hardware dialog.
    {
        juce::Graphics::ScopedSaveState save (g);
        g.setOrigin (653, 0);
        g.reduceClipRegion (0, 0, 633, 273);
        g.drawImageAt (background, 0, 0);
        g.drawImageAt (renderSkinImage (SkinImageId::globalSettingsTitle), (633 - 409) / 2, 5);

        const char* left[] = {"COMMON CHANNEL", "NOTE DISPLAY", "LCD CONTRAST", "TAP AVERAGE", "TEMPO LED"};
        const char* right[] = {"TRANSPORT TO DIN", "PAD GAIN", "PAD THRESHOLD", "PAD CURVE", "MIDI CLOCK"};
        const char* leftValues[] = {"A1", "VALUE", "50", "2", "ON"};
        const char* rightValues[] = {"OFF", "10", "1", "LINEAR", "INTERNAL"};

        for (int r = 0; r < 5; ++r)
        {
            const int y = 40 + 25 * r;
            drawDialogLabel (g, left[r], {10, y, 175, 22});
            drawDialogComboBox (g, {150, y, 150, 22}, leftValues[r]);
            drawDialogLabel (g, right[r], {300, y, 150, 22});
            drawDialogComboBox (g, {450, y, 150, 22}, rightValues[r]);
        }

        g.drawImageAt (renderSkinImage (SkinImageId::revertButtonNormal), 10, 273 - 40);
        g.drawImageAt (renderSkinImage (SkinImageId::getButtonOver), 410, 273 - 40);
        g.drawImageAt (renderSkinImage (SkinImageId::sendButtonNormal), 510, 273 - 40);
    }

    {
        juce::Graphics::ScopedSaveState save (g);
        g.setOrigin (653, 300);
        g.reduceClipRegion (0, 0, 366, 143);
        g.drawImageAt (background, 0, 0);
        g.drawImageAt (renderSkinImage (SkinImageId::sendToHardwareTitle), 100, 10);
        drawDialogLabel (g, UiText::sendToHardwareLabel, {0, 50, 250, 25}, 16.0f);
        drawDialogComboBox (g, {250, 50, 75, 25}, "RAM");
        g.drawImageAt (renderSkinImage (SkinImageId::sendButtonNormal), 250, 100);
    }

    // The MIDI Setup dialog.
    {
        juce::Graphics::ScopedSaveState save (g);
        g.setOrigin (653, 470);
        g.reduceClipRegion (0, 0, 633, 207);
        g.drawImageAt (background, 0, 0);
        g.drawImageAt (renderSkinImage (SkinImageId::midiSetupTitle), (633 - 200) / 2, 20);
        drawDialogLabel (g, UiText::inputHeading, {20, 50, 285, 20}, 20.0f);
        drawDialogLabel (g, UiText::outputHeading, {325, 50, 285, 20}, 20.0f);
        g.setColour (juce::Colours::black);
        g.fillRoundedRectangle (20, 75, 285, 90, 2);
        g.fillRoundedRectangle (325, 75, 285, 90, 2);
        g.setColour (juce::Colour (128, 128, 128));
        g.fillRect (20, 75, 285, 20);
        g.setColour (juce::Colours::white);
        g.setFont (14.0f);
        g.drawText ("VexoB Remote", 25, 75, 280, 20, juce::Justification::centredLeft, true);
        g.drawImageAt (renderSkinImage (SkinImageId::cancelButtonNormal), 20, 175);
        g.drawImageAt (renderSkinImage (SkinImageId::okButtonNormal), 411, 175);
        g.drawImageAt (renderSkinImage (SkinImageId::applyButtonNormal), 514, 175);
    }

    return image;
}
juce::Image paintControlsPreview()
{
    const SkinImageId rows[][3] = {
        {SkinImageId::padNormal, SkinImageId::padOver, SkinImageId::padOn},
        {SkinImageId::knobNormal, SkinImageId::knobOver, SkinImageId::knobOn},
        {SkinImageId::switchNormal, SkinImageId::switchOver, SkinImageId::switchOn},
        {SkinImageId::bankButtonNormal, SkinImageId::bankButtonOver, SkinImageId::bankButtonOn},
    };

    juce::Image picture (juce::Image::RGB, 3 * 110 + 3 * 70, 110 + 60 + 40 + 30, true,
                         juce::SoftwareImageType());
    {
        juce::Graphics g (picture);
        g.fillAll (juce::Colour (0xff222427));
        int y = 4;

        for (const auto& states : rows)
        {
            int x = 4;
            int rowHeight = 0;

            for (auto id : states)
            {
                const auto image = renderSkinImage (id);
                g.drawImageAt (image, x, y);

                if (id == SkinImageId::padNormal || id == SkinImageId::padOver || id == SkinImageId::padOn)
                    drawSamplePad (g, {x, y}, 6, id);

                x += image.getWidth() + 8;
                rowHeight = juce::jmax (rowHeight, image.getHeight());
            }

            if (states[0] == SkinImageId::knobNormal)
                for (int i = 0; i < 3; ++i)
                {
                    const auto fader = renderSkinImage (i == 0   ? SkinImageId::faderNormal
                                                        : i == 1 ? SkinImageId::faderOver
                                                                 : SkinImageId::faderOn);
                    g.drawImageAt (fader, 330 + 70 * i, 4);
                }

            y += rowHeight + 6;
        }
    }

    return picture.rescaled (picture.getWidth() * 3, picture.getHeight() * 3,
                             juce::Graphics::lowResamplingQuality);
}
} // namespace skin
