#include "dialogs/DialogLists.h"

void styleDialogList (juce::ListBox& list, CustomLookForAuxiliaryWindows& look)
{
    list.setRowHeight (dialogListRowHeight);

    auto& scrollBar = list.getVerticalScrollBar();
    scrollBar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (85, 85, 85));
    scrollBar.setColour (juce::ScrollBar::thumbColourId, juce::Colour (128, 128, 128));
    list.getHorizontalScrollBar().setAutoHide (true);

    if (auto* viewport = list.getViewport())
        viewport->setScrollBarThickness (CustomLookForAuxiliaryWindows::getScrollBarThickness());

    list.setLookAndFeel (&look);
    list.setColour (juce::ListBox::backgroundColourId,
                    CustomLookForAuxiliaryWindows::getListBoxBackgroundColour());
}

void paintDialogListRow (juce::Graphics& g, int width, int height, bool selected)
{
    g.setColour (selected ? juce::Colour (28, 28, 28) : juce::Colours::black);
    g.fillRect (0, 0, width, height);
}

void drawDialogRowCaption (juce::Graphics& g, const juce::String& text)
{
    g.setColour (juce::Colours::white);
    g.drawText (text, juce::Rectangle<int> (10, 0, 100, 20), juce::Justification (0), true);
}

void styleStatusLine (juce::Label& label)
{
    label.setFont (juce::Font (12.0f, juce::Font::plain));
    label.setColour (juce::Label::textColourId, juce::Colours::black);
}
