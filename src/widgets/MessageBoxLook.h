#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The framework's default look, with the program's message boxes (the framework's alert windows)
// made readable. The program makes it the default look.
// - The framework draws a box's icon larger than the column the box keeps for it and partly
//   outside the box, so that its top and left edges are cut off. Here the icon stands in that
//   column, left of the text, at the text's top.
// - The box breaks its lines at spaces only: a path was broken inside a name with a space in it
//   (the user guide's), and one with no space at all ran past the box's edge. A path in a message
//   is shown with its names whole, broken only after a separator.
class MessageBoxLook final : public juce::LookAndFeel_V4
{
public:
    // onBoxMade hears of each box as it is made, before it is shown.
    explicit MessageBoxLook (std::function<void (juce::Component&)> onBoxMade = {});

    juce::AlertWindow* createAlertWindow (const juce::String& title, const juce::String& message,
                                          const juce::String& button1, const juce::String& button2,
                                          const juce::String& button3, juce::MessageBoxIconType iconType,
                                          int numButtons, juce::Component* associatedComponent) override;

    void drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                       juce::TextLayout& textLayout) override;

    // The message as the box is given it. A path starts at a word that is an absolute path and runs to
    // the end of its line (the program's messages end a line with a path). Its spaces become no-break
    // spaces, and it is broken after a separator where its line would be wider than maxLineWidth in
    // the font; a single name wider than that stays whole.
    static juce::String keepPathsWhole (const juce::String& message, const juce::Font& font,
                                        float maxLineWidth);

private:
    std::function<void (juce::Component&)> onBoxMade;
};
