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
