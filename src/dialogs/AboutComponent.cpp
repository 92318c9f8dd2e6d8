#include "dialogs/AboutComponent.h"

#include "text/UiText.h"

const juce::Colour AboutComponent::textColour (255, 255, 255);
const juce::String
    AboutComponent::firstNoticeLine ("Presets, step sequences and global settings of the VexoB controller.");
const juce::String AboutComponent::secondNoticeLine ("Click anywhere on this box to close it.");

AboutComponent::AboutComponent (juce::Image logoToShow)
    : logo (std::move (logoToShow))
{
    versionLabel.setText (UiText::versionLine(), juce::dontSendNotification);
    versionLabel.setFont (juce::Font (textHeight, juce::Font::plain));
    versionLabel.setJustificationType (juce::Justification::centred);
    versionLabel.setEditable (false, false, false);
    versionLabel.setColour (juce::Label::textColourId, textColour);

    setSize (logo.getWidth(), logo.getHeight());
    addAndMakeVisible (versionLabel);
}

AboutComponent::~AboutComponent() = default;

void AboutComponent::mouseUp (const juce::MouseEvent&)
{
    // The window object lives on, for the next About to show it again as it was.
    if (auto* window = getParentComponent())
        window->removeFromDesktop();
}

void AboutComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (logo, 0, 0);

    g.setColour (textColour);
    g.setFont (juce::Font (textHeight, juce::Font::plain));
    g.drawText (firstNoticeLine, getFirstNoticeArea (getWidth()), juce::Justification::centred, true);
    g.drawText (secondNoticeLine, getSecondNoticeArea (getWidth()), juce::Justification::centred, true);
}

void AboutComponent::resized()
{
    versionLabel.setBounds (0, getHeight() / 2 - 30, getWidth(), 15);
}
