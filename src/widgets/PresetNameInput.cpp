#include "widgets/PresetNameInput.h"

namespace
{
constexpr int maximumNameLength = 8;

const juce::String& allowedCharacters()
{
    static const juce::String characters = []
    {
        juce::String all;
        for (juce::juce_wchar code = 1; code < 128; ++code)
            all += juce::String::charToString (code);
        return all;
    }();
    return characters;
}
} // namespace

void restrictToPresetNames (juce::TextEditor& editor)
{
    editor.setInputRestrictions (maximumNameLength, allowedCharacters());
}

void widenForPresetNames (juce::TextEditor& editor)
{
    const auto font = editor.getFont();
    float widest = 0.0f;
    for (juce::juce_wchar code = ' '; code < 127; ++code)
        widest = juce::jmax (widest, font.getStringWidthFloat (juce::String::charToString (code)));

    // Besides the text, the editor lays out its indent, room for the caret at the end, and its border.
    constexpr int caretRoom = 2;
    const auto needed = (int)std::ceil (widest * (float)maximumNameLength) + editor.getLeftIndent() +
                        caretRoom + editor.getBorder().getLeftAndRight();
    editor.setSize (juce::jmax (editor.getWidth(), needed), editor.getHeight());
}
