#include "editor/lcd/LCDTypeView.h"

namespace
{
// A caption reaches up to its field, which keeps its place; its text keeps a small gap before it.
constexpr int captionX[] = {5, 255};
constexpr int fieldX[] = {130, 380};
constexpr int fieldWidths[] = {120, 100};
const juce::BorderSize<int> captionBorder (1, 5, 1, 3);
constexpr float smallestCaptionFontHeight = 10.0f;

juce::String captionTextFor (const juce::String& fieldName)
{
    return fieldName.isEmpty() ? juce::String() : fieldName + ": ";
}

int captionTextWidth (int column)
{
    return fieldX[column] - captionX[column] - captionBorder.getLeftAndRight();
}
} // namespace

LCDTypeView::LCDTypeView() = default;

LCDTypeView::~LCDTypeView() = default;

void LCDTypeView::addComponent (juce::Component* field)
{
    fields.add (field);

    if (field != nullptr)
        field->setSize (fieldWidth, fieldHeight);
}

juce::Component* LCDTypeView::getField (int index) const
{
    return fields[index].getComponent();
}

juce::Label* LCDTypeView::getCaption (int index) const
{
    return captions[index];
}

float LCDTypeView::fittingFontHeight (const juce::String& text, float width, float largest)
{
    // As a label draws it: without the blanks at its ends.
    auto height = largest;
    while (height > smallestCaptionFontHeight &&
           juce::Font (height, juce::Font::plain).getStringWidthFloat (text.trim()) > width)
        height -= 0.5f;
    return height;
}

float LCDTypeView::getFittingCaptionFontHeight() const
{
    auto height = defaultCaptionFontHeight;

    for (int i = 0; i < fields.size(); ++i)
        if (auto* field = fields.getReference (i).getComponent())
            height = fittingFontHeight (captionTextFor (field->getName()),
                                        (float)captionTextWidth (i < rowsPerColumn ? 0 : 1), height);

    return height;
}

void LCDTypeView::setCaptionFontHeight (float height)
{
    captionFontHeight = height;
}

void LCDTypeView::resized()
{
    const juce::Font captionFont (captionFontHeight, juce::Font::plain);
    captions.clear();

    for (int i = 0; i < fields.size(); ++i)
    {
        auto* field = fields.getReference (i).getComponent();

        // Keep captions and fields at the same index even if a field has gone.
        if (field == nullptr)
        {
            captions.add (nullptr);
            continue;
        }

        auto* caption = captions.add (new juce::Label (field->getName(), {}));
        caption->setFont (captionFont);

        if (field->getName().isNotEmpty())
            caption->setText (captionTextFor (field->getName()), juce::dontSendNotification);

        caption->setColour (juce::Label::textColourId, juce::Colours::white);
        caption->setJustificationType (juce::Justification::left);
        caption->setBorderSize (captionBorder);

        const int h = field->getHeight();
        const int column = i < rowsPerColumn ? 0 : 1;
        const int y = (i - column * rowsPerColumn) * h;
        caption->setBounds (captionX[column], y, fieldX[column] - captionX[column], h);
        field->setBounds (fieldX[column], y, fieldWidths[column], 18);

        addAndMakeVisible (caption);
        addAndMakeVisible (field);
    }
}
