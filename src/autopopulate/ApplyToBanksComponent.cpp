#include "autopopulate/ApplyToBanksComponent.h"

#include "autopopulate/AutoPopulateText.h"
#include "widgets/ImageButtonFactories.h"

ApplyToBanksComponent::ApplyToBanksComponent (ControlSorter::Ptr sorterToUse,
                                              const juce::ReferenceCountedArray<ImageToggleButton>& toggles)
    : applyButton (createApplyButton())
    , sorter (std::move (sorterToUse))
{
    for (auto* toggle : toggles)
    {
        bankToggles.add (toggle);
        toggle->setSize (18, 17);
        addAndMakeVisible (toggle);
        toggle->setToggleState (false, juce::dontSendNotification);
        toggle->addListener (this);
    }

    addAndMakeVisible (*applyButton);
    setSize (140, 200);
}

ApplyToBanksComponent::~ApplyToBanksComponent()
{
    for (auto* toggle : bankToggles)
        toggle->removeListener (this);
}

void ApplyToBanksComponent::addApplyListener (juce::Button::Listener* listener)
{
    applyButton->addListener (listener);
}

void ApplyToBanksComponent::removeApplyListener (juce::Button::Listener* listener)
{
    applyButton->removeListener (listener);
}

void ApplyToBanksComponent::buttonClicked (juce::Button*)
{
    juce::Array<bool> chosenBanks;
    for (auto* toggle : bankToggles)
        chosenBanks.add (toggle->getToggleState());

    if (sorter != nullptr)
        sorter->sort (chosenBanks);
}

void ApplyToBanksComponent::paint (juce::Graphics& g)
{
    g.setFont (20.0f);
    g.setColour (juce::Colours::black);
    g.drawText (AutoPopulateText::applyToBanks, 0, 0, getWidth(), 20, juce::Justification::centred, true);
}

void ApplyToBanksComponent::resized()
{
    int togglesWidth = 0;
    for (auto* toggle : bankToggles)
        togglesWidth += toggle->getWidth();

    const auto offset = (getWidth() - togglesWidth - 5 * (bankToggles.size() - 1)) / 2;

    for (int i = 0; i < bankToggles.size(); ++i)
    {
        auto* toggle = bankToggles.getObjectPointerUnchecked (i);
        toggle->setTopLeftPosition (i * (toggle->getWidth() + 5) + offset, 30);
    }

    applyButton->setTopLeftPosition ((getWidth() - applyButton->getWidth()) / 2, 60);
}
