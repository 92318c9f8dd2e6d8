#include "autopopulate/VexoKnobAutoPopulateComponent.h"

#include "autopopulate/AutoPopulateText.h"
#include "model/ControlBank.h"
#include "widgets/ImageButtonFactories.h"

using Param = VexoKnob::Param;

VexoKnobAutoPopulateComponent::CCSubMode::CCSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AscendingOrDescendingAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    addBox (AutoPopulateText::startLabel, 0, 127, AutoPopulateText::startLabel);
}

void VexoKnobAutoPopulateComponent::CCSubMode::resized()
{
    AutoPopulateSubMode::resized();
}

VexoKnobAutoPopulateComponent::INCDEC1SubMode::INCDEC1SubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    for (auto* row : rows)
        row->setIndented (true);

    addBox (AutoPopulateText::startLabel, 0, 16383, AutoPopulateText::startLabel);
    addBox (AutoPopulateText::msbLabel, 0, 127, AutoPopulateText::msbLabel);
    addBox (AutoPopulateText::lsbLabel, 0, 127, AutoPopulateText::lsbLabel);
}

void VexoKnobAutoPopulateComponent::INCDEC1SubMode::resized()
{
    AutoPopulateSubMode::resized();
}

void VexoKnobAutoPopulateComponent::INCDEC1SubMode::numberBoxChanged (NumberBox* box)
{
    if (box == &getStartBox())
    {
        function->start = box->getValue();
        const auto [msb, lsb] = split14BitValue (box->getValue());
        getLsbBox().setValue (lsb, juce::dontSendNotification);
        getMsbBox().setValue (msb, juce::dontSendNotification);
        return;
    }

    getStartBox().setValue (
        join14BitValue ((juce::uint8)getMsbBox().getValue(), (juce::uint8)getLsbBox().getValue()),
        juce::sendNotification);
}

VexoKnobAutoPopulateComponent::VexoKnobAutoPopulateComponent (
    const juce::ReferenceCountedArray<VexoKnob>& knobs)
    : AutoPopulatePage (AutoPopulateText::knobsTitle, ControlBank::controlsPerBank,
                        ControlBank::numControlBanks)
{
    takeControls (knobs);

    juce::ReferenceCountedArray<ImageToggleButton> toggles;
    toggles.add (createBankAToggleButton());
    toggles.add (createBankBToggleButton());
    toggles.add (createBankCToggleButton());
    makeStrip (toggles);

    juce::ReferenceCountedArray<AutoPopulateParameter> fixed;
    fixed.add (makeComboRow (createMidiChannelComboBox (nullptr), Param::midiChannel, false));
    fixed.add (makeComboRow (createMidiToDinComboBox (nullptr), Param::toMidiDin, false));
    setFixedRows (fixed);

    setTypeRow (createKnobTypeComboBox (nullptr), Param::parameterType);
}

VexoKnobAutoPopulateComponent::~VexoKnobAutoPopulateComponent() = default;

AutoPopulateParameter::Ptr VexoKnobAutoPopulateComponent::makeMinRow()
{
    return makeNumberRow (createMinNumberBox (nullptr), Param::minValue, true);
}

AutoPopulateParameter::Ptr VexoKnobAutoPopulateComponent::makeMaxRow()
{
    auto box = createMaxNumberBox (nullptr);
    box->setValue (127, juce::dontSendNotification);
    return makeNumberRow (std::move (box), Param::maxValue, true);
}

AutoPopulateParameter::Ptr VexoKnobAutoPopulateComponent::makeValueRow()
{
    return makeNumberRow (createValueNumberBox (nullptr), Param::nrpnValue, false);
}

void VexoKnobAutoPopulateComponent::showCCRun (bool withRange)
{
    AscendingOrDescendingAutoPopulateFunction::Ptr controllers =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::ccNumber);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    if (withRange)
    {
        rows.add (makeMinRow());
        rows.add (makeMaxRow());
    }
    rows.add (AutoPopulateParameter::createOrder (controllers.get()));

    replaceArea (new CCSubMode (rows, strip, controllers));
    resized();
}

void VexoKnobAutoPopulateComponent::showCCArea()
{
    showCCRun (true);
}

void VexoKnobAutoPopulateComponent::showAftertouchArea()
{
    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeMinRow());
    rows.add (makeMaxRow());

    replaceArea (new AutoPopulateParameterContainer (rows, strip));
    resized();
}

void VexoKnobAutoPopulateComponent::showIncDec1Area()
{
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr nrpn =
        new SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&targets);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeValueRow());
    rows.add (AutoPopulateParameter::createOrder (nrpn.get()));

    replaceArea (new INCDEC1SubMode (rows, strip, nrpn));
    resized();
}

void VexoKnobAutoPopulateComponent::showIncDec2Area()
{
    showCCRun (false);
}

void VexoKnobAutoPopulateComponent::comboBoxChanged (juce::ComboBox* box)
{
    switch (box->getSelectedId())
    {
        case 1:
            showCCArea();
            break;
        case 2:
            showAftertouchArea();
            break;
        case 3:
            showIncDec1Area();
            break;
        case 4:
            showIncDec2Area();
            break;
        default:
            break;
    }
    resized();
}

void VexoKnobAutoPopulateComponent::resized()
{
    strip->setTopLeftPosition (490, 24);
    layOutRowsAndArea (200);
}
