#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The look of the dialogs and tool windows: flat rounded scroll bars and flat rounded combo boxes
// with a small triangle, on those windows' backgrounds. Each window owns its own instance.
class CustomLookForAuxiliaryWindows : public juce::LookAndFeel_V3
{
public:
    CustomLookForAuxiliaryWindows();
    ~CustomLookForAuxiliaryWindows() override;

    // For the list boxes of those windows: their viewports' scroll-bar thickness and background.
    static int getScrollBarThickness();
    static juce::Colour getListBoxBackgroundColour();

    void drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollBar, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool isMouseOver,
                        bool isMouseDown) override;

    void drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox& box) override;

    // The framework ends a box's text a box's height short of its right edge, for an arrow button
    // as wide as the box is high. This look's arrow is narrower and keeps its own distance from the
    // edge, so in a box lower than 20 the text ran up against it (the Auto Populate tool's
    // "MOMENTARY", "CHROMATIC"). The text ends a clear gap short of the arrow instead, whatever the
    // height, and starts a little nearer the left edge, so that it keeps about the room it had.
    void positionComboBoxText (juce::ComboBox& box, juce::Label& label) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomLookForAuxiliaryWindows)
};

// Grey writing on a dark box, as the dialogs show their choices.
void styleAuxiliaryComboBox (juce::ComboBox& box);
