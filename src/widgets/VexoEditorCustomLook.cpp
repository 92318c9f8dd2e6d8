#include "widgets/VexoEditorCustomLook.h"

VexoEditorCustomLook::VexoEditorCustomLook() = default;

VexoEditorCustomLook::~VexoEditorCustomLook() = default;

void VexoEditorCustomLook::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button,
                                             bool isMouseOverButton, bool isButtonDown)
{
    const auto height = (float)button.getHeight();
    const auto width = button.getWidth();
    const auto tickSize = juce::jmin (15.0f, height * 0.75f) * 1.1f;

    drawTickBox (g, button, 4.0f, (height - tickSize) * 0.5f, tickSize, tickSize, button.getToggleState(),
                 button.isEnabled(), isMouseOverButton, isButtonDown);

    if (!button.isEnabled())
        g.setOpacity (0.5f);

    // The caption keeps whatever colour and font the context has; this look sets neither.
    const int textX = (int)tickSize + 5;
    g.drawFittedText (button.getButtonText(), textX, 0, width - textX - 2, button.getHeight(),
                      juce::Justification::centredLeft, 10, 0.7f);
}

void VexoEditorCustomLook::drawTickBox (juce::Graphics& g, juce::Component&, float, float, float width,
                                        float height, bool ticked, bool, bool, bool)
{
    // Drawn at the component's origin whatever position is asked for, the same in every state.
    g.setColour (juce::Colours::black);
    g.drawRect (juce::Rectangle<float> (0.0f, 0.0f, width, height), 1.0f);

    if (ticked)
    {
        g.drawLine (0.0f, 0.0f, width, height, 1.0f);
        g.drawLine (0.0f, height, width, 0.0f, 1.0f);
    }
}

void VexoEditorCustomLook::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                            double progress, const juce::String& text)
{
    g.fillAll (bar.findColour (juce::ProgressBar::backgroundColourId));

    if (progress >= 0.0 && progress <= 1.0)
    {
        const juce::Colour light (49, 177, 249);
        const juce::Colour deep (43, 160, 238);

        juce::ColourGradient gradient (light, 0.0f, 0.0f, deep, 0.0f, (float)height, false);
        gradient.addColour (0.0, light);
        gradient.addColour (0.3, deep);
        gradient.addColour (1.0, juce::Colour (49, 177, 248));

        const auto filled = juce::jlimit (0.0, (double)(width - 2), progress * (width - 2));
        g.setGradientFill (gradient);
        g.fillRect (juce::Rectangle<float> (1.0f, 1.0f, (float)filled, (float)(height - 2)));
    }

    if (text.isNotEmpty())
    {
        g.setColour (juce::Colours::black);
        g.setFont ((float)height * 0.6f);
        g.drawText (text, 0, 0, width, height, juce::Justification::centred, false);
    }
}
