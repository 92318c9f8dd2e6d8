#include "skin/ContactSheet.h"

#include "skin/SkinStyle.h"

namespace
{
constexpr int sheetWidth = 1640;
constexpr int margin = 16;
constexpr int captionHeight = 30;

float displayScale (const juce::Image& image)
{
    if (image.getWidth() > 600)
        return 0.5f;

    if (image.getWidth() <= 40 && image.getHeight() <= 40)
        return 2.0f;

    return 1.0f;
}

struct Tile
{
    const RenderedSkinImage* item;
    juce::Rectangle<int> bounds;
    juce::Rectangle<int> picture;
};

std::vector<Tile> layOut (const std::vector<RenderedSkinImage>& images, int& sheetHeight)
{
    std::vector<Tile> tiles;
    int x = margin;
    int y = margin;
    int rowHeight = 0;

    for (const auto& item : images)
    {
        const auto scale = displayScale (item.image);
        const int w = juce::roundToInt ((float)item.image.getWidth() * scale);
        const int h = juce::roundToInt ((float)item.image.getHeight() * scale);
        const int tileWidth = juce::jmax (w, 150) + 12;
        const int tileHeight = h + 12 + captionHeight;

        if (x + tileWidth > sheetWidth - margin)
        {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }

        Tile tile{&item, {x, y, tileWidth, tileHeight}, {x + 6, y + 6, w, h}};
        tiles.push_back (tile);
        x += tileWidth + margin;
        rowHeight = juce::jmax (rowHeight, tileHeight);
    }

    sheetHeight = y + rowHeight + margin;
    return tiles;
}

// Transparent parts of an image show as a chequer, so they can be told from dark paint.
void drawChequer (juce::Graphics& g, juce::Rectangle<int> area)
{
    g.setColour (juce::Colour (0xff8a8c90));
    g.fillRect (area);
    g.setColour (juce::Colour (0xff6e7074));

    for (int y = area.getY(); y < area.getBottom(); y += 8)
        for (int x = area.getX() + ((y - area.getY()) / 8 % 2) * 8; x < area.getRight(); x += 16)
            g.fillRect (juce::Rectangle<int> (x, y, 8, 8).getIntersection (area));
}

juce::String sizeCaption (const RenderedSkinImage& item)
{
    auto text = juce::String (item.image.getWidth()) + " x " + juce::String (item.image.getHeight()) + " px";
    const auto scale = displayScale (item.image);

    if (scale != 1.0f)
        text << "  (shown at " << juce::roundToInt (scale * 100.0f) << "%)";

    return text;
}
} // namespace

juce::Image paintContactSheet (const std::vector<RenderedSkinImage>& images)
{
    int sheetHeight = 0;
    const auto tiles = layOut (images, sheetHeight);

    juce::Image sheet (juce::Image::RGB, sheetWidth, sheetHeight, true, juce::SoftwareImageType());
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff3a3c40));
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);

    for (const auto& tile : tiles)
    {
        g.setColour (juce::Colour (0xff4a4c51));
        g.fillRect (tile.bounds);
        drawChequer (g, tile.picture);
        g.drawImage (tile.item->image, tile.picture.toFloat());

        auto caption = tile.bounds.withTop (tile.picture.getBottom() + 3).reduced (6, 0);
        g.setColour (juce::Colours::white);
        g.setFont (skin::captionFont (11.0f));
        g.drawText (tile.item->info.role, caption.removeFromTop (14), juce::Justification::centredLeft, true);
        g.setColour (juce::Colour (0xffc8cacf));
        g.setFont (skin::captionFont (10.5f, false));
        g.drawText (sizeCaption (*tile.item), caption.removeFromTop (13), juce::Justification::centredLeft,
                    true);
    }

    return sheet;
}
