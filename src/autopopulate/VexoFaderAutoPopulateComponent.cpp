#include "autopopulate/VexoFaderAutoPopulateComponent.h"

#include "autopopulate/AutoPopulateText.h"
#include "model/ControlBank.h"
#include "widgets/SkinImages.h"

using Param = VexoFader::Param;

VexoFaderAutoPopulateComponent::CCSubMode::CCSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AscendingOrDescendingAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    addBox (AutoPopulateText::startLabel, 0, 127, AutoPopulateText::startLabel);
}

void VexoFaderAutoPopulateComponent::CCSubMode::resized()
{
    AutoPopulateSubMode::resized();
}

VexoFaderAutoPopulateComponent::VexoFaderAutoPopulateComponent (
    const juce::ReferenceCountedArray<VexoFader>& faders)
    : AutoPopulatePage (AutoPopulateText::fadersTitle, ControlBank::controlsPerBank,
                        ControlBank::numControlBanks)
{
    takeControls (faders);

    juce::ReferenceCountedArray<ImageToggleButton> toggles;
    toggles.add (new ImageToggleButton ("A", getSkinImage (SkinImageId::bankAToggleOff),
                                        getSkinImage (SkinImageId::bankAToggleOn)));
    toggles.add (new ImageToggleButton ("B", getSkinImage (SkinImageId::bankBToggleOff),
                                        getSkinImage (SkinImageId::bankBToggleOn)));
    toggles.add (new ImageToggleButton ("C", getSkinImage (SkinImageId::bankCToggleOff),
                                        getSkinImage (SkinImageId::bankCToggleOn)));
    makeStrip (toggles);

    juce::ReferenceCountedArray<AutoPopulateParameter> fixed;
    fixed.add (makeComboRow (createMidiChannelComboBox (nullptr), Param::midiChannel, false));
    fixed.add (makeComboRow (createMidiToDinComboBox (nullptr), Param::toMidiDin, false));
    setFixedRows (fixed);

    setTypeRow (createFaderTypeComboBox (nullptr), Param::parameterType);
}

VexoFaderAutoPopulateComponent::~VexoFaderAutoPopulateComponent() = default;

AutoPopulateParameter::Ptr VexoFaderAutoPopulateComponent::makeMinRow()
{
    return makeNumberRow (createMinNumberBox (nullptr), Param::minValue, true);
}

AutoPopulateParameter::Ptr VexoFaderAutoPopulateComponent::makeMaxRow()
{
    auto box = createMaxNumberBox (nullptr);
    box->setValue (127, juce::dontSendNotification);
    return makeNumberRow (std::move (box), Param::maxValue, true);
}

void VexoFaderAutoPopulateComponent::showCCArea()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr controllers =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::ccNumber);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeMinRow());
    rows.add (makeMaxRow());
    rows.add (AutoPopulateParameter::createOrder (controllers.get()));

    replaceArea (new CCSubMode (rows, strip, controllers));
    resized();
}

void VexoFaderAutoPopulateComponent::showAftertouchArea()
{
    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeMinRow());
    rows.add (makeMaxRow());

    replaceArea (new AutoPopulateParameterContainer (rows, strip));
    resized();
}

void VexoFaderAutoPopulateComponent::comboBoxChanged (juce::ComboBox* box)
{
    // The builders lay the page out themselves.
    switch (box->getSelectedId())
    {
        case 1:
            showCCArea();
            break;
        case 2:
            showAftertouchArea();
            break;
        default:
            break;
    }
}

void VexoFaderAutoPopulateComponent::resized()
{
    strip->setTopLeftPosition (490, 24);
    layOutRowsAndArea (200);
}
