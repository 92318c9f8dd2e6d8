#include "widgets/MessageBoxLook.h"

namespace
{
// The alert window leaves this much room left of its text for an icon, and sizes itself for its
// text starting this far down.
constexpr int iconColumn = 80;
constexpr int textTop = 30;

constexpr float iconSide = 50.0f;
constexpr float boxCorner = 4.0f;

// The box is never wider than this share of the screen, less its margins on both sides.
constexpr float widestBoxShare = 0.7f;
constexpr int boxMargins = 40;

const juce::Colour warningColour (0x66ff2a00);
const juce::Colour noticeColour (0x6600b0b9);

// A triangle with "!" for a warning, a disc with "i" or "?" for the others; the sign is cut out.
juce::Path makeIcon (juce::MessageBoxIconType type, juce::Rectangle<float> area)
{
    const auto warning = type == juce::MessageBoxIconType::WarningIcon;
    juce::Path icon;
    if (warning)
    {
        icon.addTriangle (area.getCentreX(), area.getY(), area.getRight(), area.getBottom(), area.getX(),
                          area.getBottom());
        icon = icon.createPathWithRoundedCorners (4.0f);
    }
    else
    {
        icon.addEllipse (area);
    }

    // A triangle's sign sits low, where the triangle is wide enough for it.
    const auto signArea = warning ? area.withTrimmedTop (area.getHeight() * 0.3f) : area;
    juce::GlyphArrangement sign;
    sign.addFittedText (juce::Font (signArea.getHeight() * 0.8f, juce::Font::bold),
                        warning ? "!" : (type == juce::MessageBoxIconType::InfoIcon ? "i" : "?"),
                        signArea.getX(), signArea.getY(), signArea.getWidth(), signArea.getHeight(),
                        juce::Justification::centred, 1);
    sign.createPath (icon);
    icon.setUsingNonZeroWinding (false);
    return icon;
}

// The path's parts, each ending with its separator but the last.
juce::StringArray splitAfterSeparators (const juce::String& path)
{
    juce::StringArray parts;
    auto rest = path;
    for (auto end = rest.indexOfChar (juce::File::getSeparatorChar()); end >= 0 && end < rest.length() - 1;
         end = rest.indexOfChar (juce::File::getSeparatorChar()))
    {
        parts.add (rest.substring (0, end + 1));
        rest = rest.substring (end + 1);
    }
    parts.add (rest);
    return parts;
}

// Kept whole in every name, and broken after a separator only where the line would be too wide.
juce::String keepPathWhole (const juce::String& path, const juce::Font& font, float maxLineWidth)
{
    const juce::String noBreakSpace (juce::CharPointer_UTF8 ("\xc2\xa0"));
    juce::String shown;
    juce::String line;
    for (const auto& part : splitAfterSeparators (path.replace (" ", noBreakSpace)))
    {
        if (line.isNotEmpty() && font.getStringWidthFloat (line + part) > maxLineWidth)
        {
            shown << line << "\n";
            line.clear();
        }
        line << part;
    }
    return shown + line;
}
} // namespace

juce::String MessageBoxLook::keepPathsWhole (const juce::String& message, const juce::Font& font,
                                             float maxLineWidth)
{
    auto lines = juce::StringArray::fromTokens (message, "\n", {});
    for (auto& line : lines)
    {
        const auto words = juce::StringArray::fromTokens (line, " ", {});
        int start = 0;
        for (const auto& word : words)
        {
            if (juce::File::isAbsolutePath (word))
            {
                line = line.substring (0, start) + keepPathWhole (line.substring (start), font, maxLineWidth);
                break;
            }
            start += word.length() + 1;
        }
    }
    return lines.joinIntoString ("\n");
}

MessageBoxLook::MessageBoxLook (std::function<void (juce::Component&)> onBoxMadeToUse)
    : onBoxMade (std::move (onBoxMadeToUse))
{
}

juce::AlertWindow* MessageBoxLook::createAlertWindow (const juce::String& title, const juce::String& message,
                                                      const juce::String& button1,
                                                      const juce::String& button2,
                                                      const juce::String& button3,
                                                      juce::MessageBoxIconType iconType, int numButtons,
                                                      juce::Component* associatedComponent)
{
    const auto* screen = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    const auto screenWidth = screen != nullptr ? screen->userArea.getWidth() : 1024;
    const auto widestLine = widestBoxShare * (float)screenWidth - (float)boxMargins -
                            (iconType == juce::MessageBoxIconType::NoIcon ? 0.0f : (float)iconColumn);
    auto* box = LookAndFeel_V4::createAlertWindow (
        title, keepPathsWhole (message, getAlertWindowMessageFont(), widestLine), button1, button2, button3,
        iconType, numButtons, associatedComponent);
    if (onBoxMade && box != nullptr)
        onBoxMade (*box);
    return box;
}

void MessageBoxLook::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>&,
                                   juce::TextLayout& textLayout)
{
    g.setColour (alert.findColour (juce::AlertWindow::outlineColourId));
    g.drawRoundedRectangle (alert.getLocalBounds().toFloat(), boxCorner, 2.0f);

    const auto inside = alert.getLocalBounds().reduced (1);
    g.setColour (alert.findColour (juce::AlertWindow::backgroundColourId));
    g.fillRoundedRectangle (inside.toFloat(), boxCorner);

    const auto type = alert.getAlertType();
    const auto hasIcon = type != juce::MessageBoxIconType::NoIcon;
    if (hasIcon)
    {
        const auto area =
            juce::Rectangle<float> (iconSide, iconSide)
                .withPosition ((float)inside.getX() + ((float)iconColumn - iconSide) / 2.0f, (float)textTop);
        g.setColour (type == juce::MessageBoxIconType::WarningIcon ? warningColour : noticeColour);
        g.fillPath (makeIcon (type, area));
    }

    // Down to just above the buttons, where the box has placed them.
    g.setColour (alert.findColour (juce::AlertWindow::textColourId));
    textLayout.draw (g, juce::Rectangle<int> (inside.getX() + (hasIcon ? iconColumn : 0), textTop,
                                              inside.getWidth(),
                                              inside.getHeight() - getAlertWindowButtonHeight() - 20)
                            .toFloat());
}
