#include "editor/PadView.h"

#include "editor/PadColourPalette.h"
#include "text/UiText.h"
#include "widgets/SkinImages.h"

namespace
{
const juce::String channelPrefix ("MIDI CH:");
const juce::String commonChannel ("COM");
const char* const portLetters[] = {"A", "B"};
const char* const triggerModes[] = {"MOM", "TOG"};
constexpr int channelsPerPort = 16;
} // namespace

PadView::PadView (VexoPad::Ptr padToShow, const juce::String& number, const juce::Image& normal,
                  const juce::Image& mouseOver, const juce::Image& toggledOn)
    : juce::Button (number)
    , ControlView (number, normal, mouseOver, toggledOn)
    , DragableAndDropAbleControl (static_cast<ControlView&> (*this))
    , palette (PadColourPalette::getColours())
    , overlayImage (getSkinImage (SkinImageId::padOverlay))
    , numberText (number)
    , pad (std::move (padToShow))
{
    setSize (normal.getWidth(), normal.getHeight());

    // Binding reports the pad's current value at once, so the view is complete when this returns.
    const std::pair<juce::Value*, const char*> bindings[] = {
        {&typeValue, VexoPad::Param::parameterType},    {&channelValue, VexoPad::Param::midiChannel},
        {&lsbValue, VexoPad::Param::programLsb},        {&msbValue, VexoPad::Param::programMsb},
        {&programValue, VexoPad::Param::programNumber}, {&modeValue, VexoPad::Param::noteToggleMode},
        {&noteValue, VexoPad::Param::midiNote},         {&onColourValue, VexoPad::Param::colorOn},
        {&offColourValue, VexoPad::Param::colorOff},
    };

    for (auto& [value, name] : bindings)
    {
        value->addListener (this);
        if (pad != nullptr)
            pad->referToParameter (name, *value, true);
    }
}

// A view still holding itself when it goes was deleted outright, not through its count; its drag
// part gives that reference back without deleting it a second time, so nothing is left to do here.
PadView::~PadView() = default;

juce::Colour PadView::getPaletteColour (const juce::Array<juce::Colour>& palette, int value)
{
    if (juce::isPositiveAndBelow (value, palette.size()))
        return palette.getUnchecked (value);
    return juce::Colours::transparentBlack;
}

juce::String PadView::formatChannel (int value)
{
    if (value == 0)
        return channelPrefix + commonChannel;

    // The port letter only where there is a port; any other value keeps its number.
    const auto channel = value > channelsPerPort ? value - channelsPerPort : value;
    const auto port = (value - 1) / channelsPerPort;
    const juce::String letter = value > 0 && port < (int)std::size (portLetters) ? portLetters[port] : "";
    return channelPrefix + letter + juce::String (channel);
}

juce::String PadView::formatTriggerMode (int value)
{
    if (juce::isPositiveAndBelow (value, (int)std::size (triggerModes)))
        return triggerModes[value];
    return {};
}

void PadView::showMidiChannel (int value)
{
    channelText = formatChannel (value);
    repaint();
}

void PadView::setPadType (int value)
{
    padType = value;
    repaint();
}

void PadView::showTriggerMode (int value)
{
    modeText = formatTriggerMode (value);
    repaint();
}

void PadView::showProgram (int value)
{
    programText = UiText::programPrefix + juce::String (value);
    repaint();
}

void PadView::showProgramMsb (int value)
{
    msbText = UiText::msbPrefix + juce::String (value);
    repaint();
}

void PadView::showProgramLsb (int value)
{
    lsbText = UiText::lsbPrefix + juce::String (value);
    repaint();
}

void PadView::showNote (int value)
{
    noteText = UiText::formatNoteLabel (value);
    repaint();
}

void PadView::valueChanged (juce::Value& value)
{
    const int v = value.getValue();
    const int lowByte = v & 0xff;

    if (value.refersToSameSourceAs (typeValue))
        setPadType (lowByte);
    else if (value.refersToSameSourceAs (channelValue))
        showMidiChannel (lowByte);
    else if (value.refersToSameSourceAs (msbValue))
        showProgramMsb (lowByte);
    else if (value.refersToSameSourceAs (lsbValue))
        showProgramLsb (lowByte);
    else if (value.refersToSameSourceAs (programValue))
        showProgram (lowByte);
    else if (value.refersToSameSourceAs (noteValue))
        showNote (lowByte);
    else if (value.refersToSameSourceAs (modeValue))
        showTriggerMode (v);
    else if (value.refersToSameSourceAs (offColourValue))
    {
        offColour = getPaletteColour (palette, v);
        repaint();
    }
    else if (value.refersToSameSourceAs (onColourValue))
    {
        onColour = getPaletteColour (palette, v);
        repaint();
    }
}

void PadView::paintButton (juce::Graphics& g, bool isMouseOverButton, bool)
{
    const int w = getWidth();
    g.drawImageAt (imageForState (isMouseOverButton), 0, 0);

    // Every line ends inside the frame, and the bank's two halves do not run into each other: a
    // text too wide for its place is narrowed a little first and only then cut short, so that
    // the texts stay whole in a font wider than the one this layout was drawn for.
    const int lineWidth = w - 15;
    const int halfWidth = (w - 18) / 2;
    const auto write = [&g] (const juce::String& line, int x, int y, int width)
    { g.drawFittedText (line, x, y, width, 20, juce::Justification::left, 1, 0.75f); };

    g.setColour (juce::Colours::white);
    g.setFont (12.0f);

    // A type the pad has no page for shows neither the note lines nor the program lines.
    if (padType == note)
    {
        write (noteText, 8, 10, lineWidth);
        write (modeText, 8, 30, lineWidth);
    }
    else if (padType == program || padType == programBank)
    {
        write (programText, 8, 10, lineWidth);
        if (padType == programBank)
        {
            write (msbText, 8, 30, halfWidth);
            write (lsbText, w / 2 + 2, 30, halfWidth);
        }
    }

    write (channelText, 8, 50, lineWidth);

    g.setColour (juce::Colour (211, 211, 211));
    write (numberText, 8, 72, lineWidth);

    g.setColour (offColour);
    g.drawLine (5.0f, 91.0f, 93.0f, 91.0f, 2.0f);
    g.drawLine (5.0f, 5.0f, 5.0f, 92.0f, 2.0f);
    g.setColour (onColour);
    g.drawLine (5.0f, 5.0f, 93.0f, 4.0f, 2.0f);
    g.drawLine (93.0f, 4.0f, 93.0f, 92.0f, 2.0f);

    g.drawImageAt (overlayImage, 0, 0);
}
