#include "autopopulate/VexoBAutoPopulateComponent.h"

#include "model/ControlBank.h"
#include "widgets/SkinImages.h"

namespace
{
constexpr int firstPageTop = 30;
// The tallest area (INC/DEC 1 of the knobs: two rows and three boxes below the TYPE row) needs the
// whole of it.
constexpr int pageHeightNeeded = 156;
} // namespace

VexoBAutoPopulateComponent::VexoBAutoPopulateComponent (VexoBEditorPreset::Ptr presetToFill)
    : preset (std::move (presetToFill))
{
    jassert (preset != nullptr);

    juce::ReferenceCountedArray<VexoPad> pads;
    for (int i = 0; i < ControlBank::numPads; ++i)
        pads.add (preset->getPad (i));
    padPage = std::make_unique<VexoPadAutoPopulateComponent> (pads);

    juce::ReferenceCountedArray<VexoKnob> knobs;
    for (int i = 0; i < ControlBank::numKnobs; ++i)
        knobs.add (preset->getKnob (i));
    knobPage = std::make_unique<VexoKnobAutoPopulateComponent> (knobs);

    juce::ReferenceCountedArray<VexoFader> faders;
    for (int i = 0; i < ControlBank::numFaders; ++i)
        faders.add (preset->getFader (i));
    faderPage = std::make_unique<VexoFaderAutoPopulateComponent> (faders);

    juce::ReferenceCountedArray<VexoSwitch> switches;
    for (int i = 0; i < ControlBank::numSwitches; ++i)
        switches.add (preset->getSwitch (i));
    switchPage = std::make_unique<VexoSwitchAutoPopulateComponent> (switches);

    addAndMakeVisible (*padPage);
    addAndMakeVisible (*knobPage);
    addAndMakeVisible (*faderPage);
    addAndMakeVisible (*switchPage);
    setSize (width, height);
}

VexoBAutoPopulateComponent::~VexoBAutoPopulateComponent()
{
    switchPage = nullptr;
    faderPage = nullptr;
    knobPage = nullptr;
    padPage = nullptr;
    preset = nullptr;
}

void VexoBAutoPopulateComponent::resized()
{
    // Four pages of equal height under the title, the room left over shared out between them, so
    // that the last one ends inside the body.
    const auto pageHeight = juce::jmax (pageHeightNeeded, (getHeight() - 50) / 4);
    const auto gap = juce::jmax (0, (getHeight() - firstPageTop - 4 * pageHeight) / 3);

    auto y = firstPageTop;
    for (auto* page : {(juce::Component*)padPage.get(), (juce::Component*)knobPage.get(),
                       (juce::Component*)faderPage.get(), (juce::Component*)switchPage.get()})
    {
        page->setBounds (0, y, getWidth(), pageHeight);
        y = page->getBottom() + gap;
    }
}

juce::Array<int> VexoBAutoPopulateComponent::getDividerPositions() const
{
    const auto between = [] (const juce::Component& above, const juce::Component& below)
    { return above.getBottom() + (below.getY() - above.getBottom() - 3) / 2; };
    return {between (*padPage, *knobPage), between (*knobPage, *faderPage),
            between (*faderPage, *switchPage)};
}

void VexoBAutoPopulateComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);
    g.drawImageAt (getSkinImage (SkinImageId::autoPopulateTitle), 225, 10);

    const auto divider = getSkinImage (SkinImageId::divider);
    for (auto y : getDividerPositions())
        g.drawImageAt (divider, 5, y);
}
