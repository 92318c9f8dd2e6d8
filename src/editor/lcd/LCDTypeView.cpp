#include "editor/lcd/LCDTypeView.h"

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

void LCDTypeView::resized()
{
    const juce::Font captionFont (16.0f, juce::Font::plain);
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
            caption->setText (field->getName() + ": ", juce::dontSendNotification);

        caption->setColour (juce::Label::textColourId, juce::Colours::white);
        caption->setJustificationType (juce::Justification::left);

        const int h = field->getHeight();

        if (i < rowsPerColumn)
        {
            caption->setBounds (5, i * h, 120, h);
            field->setBounds (130, i * h, 120, 18);
        }
        else
        {
            caption->setBounds (255, (i - rowsPerColumn) * h, 100, h);
            field->setBounds (380, (i - rowsPerColumn) * h, 100, 18);
        }

        addAndMakeVisible (caption);
        addAndMakeVisible (field);
    }
}
