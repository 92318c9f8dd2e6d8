#include "autopopulate/VexoSwitchAutoPopulateComponent.h"

#include "autopopulate/AutoPopulateText.h"
#include "model/ControlBank.h"
#include "widgets/ChoiceLists.h"
#include "widgets/SkinImages.h"

using Param = VexoSwitch::Param;

VexoSwitchAutoPopulateComponent::CCSubMode::CCSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AscendingOrDescendingAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    addBox (AutoPopulateText::startLabel, 0, 127, AutoPopulateText::startLabel);
}

VexoSwitchAutoPopulateComponent::ProgramSubMode::ProgramSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AscendingOrDescendingAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    addBox (AutoPopulateText::switchProgramBoxName, 0, 127, AutoPopulateText::startLabel);
}

VexoSwitchAutoPopulateComponent::VexoSwitchAutoPopulateComponent (
    const juce::ReferenceCountedArray<VexoSwitch>& switches)
    : AutoPopulatePage (AutoPopulateText::switchesTitle, ControlBank::controlsPerBank,
                        ControlBank::numControlBanks)
{
    takeControls (switches);

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

    strip->setTopLeftPosition (490, 24);

    // Key strokes are set up on the device's own panel, not in bulk.
    auto type = createSwitchTypeComboBox (nullptr);
    auto types = ChoiceLists::getSwitchTypeNames();
    types.remove (types.size() - 1);
    type->clear (juce::dontSendNotification);
    type->addItemList (types, 1);
    setTypeRow (std::move (type), Param::parameterType);

    showNoteArea();
}

VexoSwitchAutoPopulateComponent::~VexoSwitchAutoPopulateComponent() = default;

void VexoSwitchAutoPopulateComponent::showCCArea()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr controllers =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::midiCc);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (AutoPopulateParameter::createOrder (controllers.get()));

    replaceArea (new CCSubMode (rows, strip, controllers));
    resized();
}

void VexoSwitchAutoPopulateComponent::showNoteArea()
{
    NoteScaleAutoPopulateFunction::Ptr notes = new NoteScaleAutoPopulateFunction (&targets, Param::midiNote);

    auto scale = std::make_unique<juce::ComboBox> (AutoPopulateText::scaleLabel);
    scale->addItem (AutoPopulateScale::getNames()[AutoPopulateScale::chromatic], 1);
    styleAuxiliaryComboBox (*scale);
    AutoPopulateParameterType::Ptr scaleEditor = new ComboBoxParameterComponent (std::move (scale), -1);
    scaleEditor->setName (AutoPopulateText::scaleLabel);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeComboRow (createTriggerModeComboBox (nullptr), Param::switchMode, true,
                            AutoPopulateText::modeLabel));
    rows.add (AutoPopulateParameter::create (notes.get(), scaleEditor, true));

    replaceArea (new NoteSubMode (rows, strip, notes));
    resized();
}

void VexoSwitchAutoPopulateComponent::showProgramRun (bool withBank)
{
    AscendingOrDescendingAutoPopulateFunction::Ptr programs =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::programNumber);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    if (withBank)
    {
        rows.add (makeNumberRow (createProgramMsbNumberBox (nullptr), Param::programMsb, true,
                                 AutoPopulateText::msbLabel));
        rows.add (makeNumberRow (createProgramLsbNumberBox (nullptr), Param::programLsb, true,
                                 AutoPopulateText::lsbLabel));
    }
    rows.add (AutoPopulateParameter::createOrder (programs.get()));

    replaceArea (new ProgramSubMode (rows, strip, programs));
    resized();
}

void VexoSwitchAutoPopulateComponent::showProgramArea()
{
    showProgramRun (false);
}

void VexoSwitchAutoPopulateComponent::showProgramBankArea()
{
    showProgramRun (true);
}

void VexoSwitchAutoPopulateComponent::comboBoxChanged (juce::ComboBox* box)
{
    switch (box->getSelectedId())
    {
        case 1:
            showCCArea();
            break;
        case 2:
            showNoteArea();
            break;
        case 3:
            showProgramArea();
            break;
        case 4:
            showProgramBankArea();
            break;
        default:
            break;
    }
    resized();
}

void VexoSwitchAutoPopulateComponent::resized()
{
    layOutRowsAndArea (150);
}
