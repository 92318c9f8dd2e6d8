#include "autopopulate/VexoPadAutoPopulateComponent.h"

#include "autopopulate/AutoPopulateText.h"
#include "model/ControlBank.h"
#include "widgets/ImageButtonFactories.h"

using Param = VexoPad::Param;

VexoPadAutoPopulateComponent::ProgramSubMode::ProgramSubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse, AscendingOrDescendingAutoPopulateFunction::Ptr functionToStart)
    : AutoPopulateSubMode (rowsToShow, std::move (stripToUse), functionToStart.get())
{
    addBox (AutoPopulateText::programBoxName, 0, 127, AutoPopulateText::startLabel);
}

void VexoPadAutoPopulateComponent::ProgramSubMode::numberBoxChanged (NumberBox* box)
{
    if (box == &getStartBox())
        function->start = box->getValue() & 0xff;
}

VexoPadAutoPopulateComponent::VexoPadAutoPopulateComponent (const juce::ReferenceCountedArray<VexoPad>& pads)
    : AutoPopulatePage (AutoPopulateText::padsTitle, ControlBank::padsPerBank, ControlBank::numPadBanks)
{
    takeControls (pads);

    juce::ReferenceCountedArray<ImageToggleButton> toggles;
    toggles.add (createBankAToggleButton());
    toggles.add (createBankBToggleButton());
    toggles.add (createBankCToggleButton());
    toggles.add (createBankDToggleButton());
    makeStrip (toggles);

    juce::ReferenceCountedArray<AutoPopulateParameter> fixed;
    fixed.add (makeOnColorRow());
    fixed.add (makeOffColorRow());
    fixed.add (makeMidiChannelRow());
    fixed.add (makeMidiToDinRow());
    setFixedRows (fixed);

    strip->setTopLeftPosition (490, 24);

    makeTypeRow();
    showNoteArea();
}

VexoPadAutoPopulateComponent::~VexoPadAutoPopulateComponent() = default;

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeOnColorRow()
{
    return makeComboRow (createOnColorComboBox (nullptr), Param::colorOn, false,
                         AutoPopulateText::padOnColorLabel);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeOffColorRow()
{
    return makeComboRow (createOffColorComboBox (nullptr), Param::colorOff, false,
                         AutoPopulateText::padOffColorLabel);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeMidiChannelRow()
{
    return makeComboRow (createMidiChannelComboBox (nullptr), Param::midiChannel, false);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeMidiToDinRow()
{
    return makeComboRow (createMidiToDinComboBox (nullptr), Param::toMidiDin, false);
}

void VexoPadAutoPopulateComponent::makeTypeRow()
{
    setTypeRow (createPadTypeComboBox (nullptr), Param::parameterType);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeAftertouchRow()
{
    return makeComboRow (createAftertouchComboBox (nullptr), Param::aftertouchType, true,
                         AutoPopulateText::aftertouchLabel);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeModeRow()
{
    return makeComboRow (createTriggerModeComboBox (nullptr), Param::noteToggleMode, true,
                         AutoPopulateText::modeLabel);
}

AutoPopulateParameter::Ptr
VexoPadAutoPopulateComponent::makeScaleRow (NoteScaleAutoPopulateFunction::Ptr function)
{
    auto box = std::make_unique<juce::ComboBox> (AutoPopulateText::scaleLabel);
    box->addItemList (AutoPopulateScale::getNames(), 1);
    AutoPopulateParameterType::Ptr editor = new ComboBoxParameterComponent (std::move (box), -1);
    editor->setName (AutoPopulateText::scaleLabel);
    return AutoPopulateParameter::create (function.get(), editor, true);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeProgramMsbRow()
{
    return makeNumberRow (createProgramMsbNumberBox (nullptr), Param::programMsb, true,
                          AutoPopulateText::msbLabel);
}

AutoPopulateParameter::Ptr VexoPadAutoPopulateComponent::makeProgramLsbRow()
{
    return makeNumberRow (createProgramLsbNumberBox (nullptr), Param::programLsb, true,
                          AutoPopulateText::lsbLabel);
}

void VexoPadAutoPopulateComponent::showNoteArea()
{
    NoteScaleAutoPopulateFunction::Ptr notes = new NoteScaleAutoPopulateFunction (&targets, Param::midiNote);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeAftertouchRow());
    rows.add (makeModeRow());
    rows.add (makeScaleRow (notes));

    replaceArea (new NoteSubMode (rows, strip, notes));
    resized();
}

void VexoPadAutoPopulateComponent::showProgramArea()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr programs =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::programNumber);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (AutoPopulateParameter::createOrder (programs.get()));

    replaceArea (new ProgramSubMode (rows, strip, programs));
    resized();
}

void VexoPadAutoPopulateComponent::showProgramBankArea()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr programs =
        new AscendingOrDescendingAutoPopulateFunction (&targets, Param::programNumber);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (makeProgramMsbRow());
    rows.add (makeProgramLsbRow());
    rows.add (AutoPopulateParameter::createOrder (programs.get()));

    replaceArea (new ProgramSubMode (rows, strip, programs));
    resized();
}

void VexoPadAutoPopulateComponent::comboBoxChanged (juce::ComboBox* box)
{
    switch (box->getSelectedId())
    {
        case 1:
            showNoteArea();
            break;
        case 2:
            showProgramArea();
            break;
        case 3:
            showProgramBankArea();
            break;
        default:
            break;
    }
    resized();
}

void VexoPadAutoPopulateComponent::resized()
{
    layOutRowsAndArea (150);
}
