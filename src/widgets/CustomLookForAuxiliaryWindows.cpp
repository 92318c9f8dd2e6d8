#include "widgets/CustomLookForAuxiliaryWindows.h"

namespace
{
constexpr int scrollBarThickness = 10;
constexpr float scrollBarCorner = 6.0f;
constexpr float comboBoxCorner = 2.0f;

// The arrow is 10 wide and ends 5 from the right edge; the text keeps 7 from it.
constexpr int arrowWidth = 10;
constexpr int arrowToEdge = 5;
constexpr int textToArrow = 7;
constexpr int textToEdge = 4;

int arrowLeft (int boxWidth)
{
    return boxWidth - arrowToEdge - arrowWidth;
}

const juce::Colour dialogComboText (212, 212, 212);
const juce::Colour dialogComboBackground (28, 28, 28);
} // namespace

CustomLookForAuxiliaryWindows::CustomLookForAuxiliaryWindows() = default;

CustomLookForAuxiliaryWindows::~CustomLookForAuxiliaryWindows() = default;

int CustomLookForAuxiliaryWindows::getScrollBarThickness()
{
    return scrollBarThickness;
}

juce::Colour CustomLookForAuxiliaryWindows::getListBoxBackgroundColour()
{
    return juce::Colours::black;
}

void CustomLookForAuxiliaryWindows::drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollBar, int x,
                                                   int y, int width, int height, bool isScrollbarVertical,
                                                   int thumbStartPosition, int thumbSize, bool, bool)
{
    g.setColour (scrollBar.findColour (juce::ScrollBar::backgroundColourId));
    g.fillRoundedRectangle ((float)x, (float)y, (float)(width - 2), (float)(height - 2), scrollBarCorner);

    const auto thumb = isScrollbarVertical
                           ? juce::Rectangle<int> (x + 1, thumbStartPosition, width - 2, thumbSize)
                           : juce::Rectangle<int> (thumbStartPosition, y + 1, thumbSize, height - 4);

    g.setColour (scrollBar.findColour (juce::ScrollBar::thumbColourId));
    g.fillRoundedRectangle (thumb.toFloat(), scrollBarCorner);
}

void CustomLookForAuxiliaryWindows::drawComboBox (juce::Graphics& g, int width, int height, bool, int, int,
                                                  int, int, juce::ComboBox& box)
{
    g.setColour (box.findColour (juce::ComboBox::backgroundColourId));
    g.fillRoundedRectangle (0.0f, 0.0f, (float)width, (float)height, comboBoxCorner);

    const int middle = height / 2;
    juce::Path arrow;
    const auto left = (float)arrowLeft (width);
    arrow.addTriangle (left + (float)arrowWidth / 2.0f, (float)(middle + 4), left + (float)arrowWidth,
                       (float)middle, left, (float)middle);

    g.setColour (box.findColour (juce::ComboBox::arrowColourId));
    g.fillPath (arrow);
}

void CustomLookForAuxiliaryWindows::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    // The label's own borders are the text's gaps: the left one from the label's left edge at 1.
    label.setBorderSize ({1, textToEdge - 1, 1, 0});
    label.setBounds (1, 1, juce::jmax (0, arrowLeft (box.getWidth()) - textToArrow - 1), box.getHeight() - 2);
    label.setFont (getComboBoxFont (box));
}

void styleAuxiliaryComboBox (juce::ComboBox& box)
{
    box.setColour (juce::ComboBox::arrowColourId, dialogComboText);
    box.setColour (juce::ComboBox::textColourId, dialogComboText);
    box.setColour (juce::ComboBox::backgroundColourId, dialogComboBackground);
}
