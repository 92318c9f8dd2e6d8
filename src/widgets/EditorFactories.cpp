#include "widgets/EditorFactories.h"

#include "text/UiText.h"
#include "widgets/ChoiceLists.h"

using namespace ChoiceLists;

std::unique_ptr<juce::ComboBox> createComboBox (const juce::String& name, const juce::StringArray& items,
                                                juce::ComboBox::Listener* listener)
{
    auto box = std::make_unique<juce::ComboBox> (name);
    box->setColour (juce::ComboBox::textColourId, juce::Colours::white);
    box->setColour (juce::ComboBox::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::ComboBox::arrowColourId, juce::Colours::white);
    box->setColour (juce::ComboBox::outlineColourId, juce::Colours::transparentBlack);

    if (!items.isEmpty())
        box->addItemList (items, 1);

    if (listener != nullptr)
        box->addListener (listener);

    return box;
}

std::unique_ptr<NumberBox> createNumberBox (const juce::String& name, int minimum, int maximum,
                                            NumberBox::Listener* listener)
{
    auto box = std::make_unique<NumberBox> (name, minimum, maximum, minimum);
    box->setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::Label::textColourId, juce::Colours::white);
    // The label's editor is its child and looks these up from it.
    box->setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    box->setColour (juce::TextEditor::textColourId, juce::Colours::white);

    if (listener != nullptr)
        box->addListener (listener);

    return box;
}

namespace
{
std::unique_ptr<NumberBox> createMidiByteBox (const juce::String& name, NumberBox::Listener* listener)
{
    return createNumberBox (name, 0, 127, listener);
}
} // namespace

std::unique_ptr<juce::ComboBox> createMidiChannelComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::midiChannelLabel, getMidiChannelNames(), listener);
}

std::unique_ptr<NumberBox> createMidiCCNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::midiCcLabel, listener);
}

std::unique_ptr<juce::ComboBox> createMidiToDinComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::midiToDinLabel, getOffOnNames(), listener);
}

std::unique_ptr<NumberBox> createMidiNoteNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::midiNoteLabel, listener);
}

std::unique_ptr<NumberBox> createMinNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::minValueLabel, listener);
}

std::unique_ptr<NumberBox> createMaxNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::maxValueLabel, listener);
}

std::unique_ptr<NumberBox> createProgramNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::programNumberLabel, listener);
}

std::unique_ptr<NumberBox> createProgramMsbNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::programMsbLabel, listener);
}

std::unique_ptr<NumberBox> createProgramLsbNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::programLsbLabel, listener);
}

std::unique_ptr<juce::ComboBox> createTempoLedComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::tempoLedLabel, getOffOnListNames(), listener);
}

std::unique_ptr<juce::ComboBox> createCommonChannelComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::commonChannelLabel, getCommonChannelNames(), listener);
}

std::unique_ptr<juce::ComboBox> createNoteDisplayComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::noteDisplayLabel, getNoteDisplayNames(), listener);
}

std::unique_ptr<juce::ComboBox> createLcdContrastComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::lcdContrastLabel, getLcdContrastNames(), listener);
}

std::unique_ptr<juce::ComboBox> createTapAverageComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::tapAverageLabel, getTapAverageNames(), listener);
}

std::unique_ptr<juce::ComboBox> createMidiClockComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::midiClockLabel, getClockSourceNames(), listener);
}

std::unique_ptr<juce::ComboBox> createTransportToDinComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::transportToDinLabel, getOffOnNames(), listener);
}

std::unique_ptr<juce::ComboBox> createPadThresholdComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::padThresholdLabel, getPadThresholdNames(), listener);
}

std::unique_ptr<juce::ComboBox> createPadCurveComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::padCurveLabel, getPadCurveNames(), listener);
}

std::unique_ptr<juce::ComboBox> createPadGainComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::padGainLabel, getPadGainNames(), listener);
}

std::unique_ptr<juce::ComboBox> createPadTypeComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::padTypeLabel, getPadTypeNames(), listener);
}

std::unique_ptr<juce::ComboBox> createOnColorComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::onColorLabel, getPadColorNames(), listener);
}

std::unique_ptr<juce::ComboBox> createOffColorComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::offColorLabel, getPadColorNames(), listener);
}

std::unique_ptr<juce::ComboBox> createTriggerModeComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::triggerModeLabel, getTriggerModeNames(), listener);
}

std::unique_ptr<juce::ComboBox> createAftertouchComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::aftertouchLabel, getAftertouchTypeNames(), listener);
}

std::unique_ptr<juce::ComboBox> createSwitchTypeComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::switchTypeLabel, getSwitchTypeNames(), listener);
}

std::unique_ptr<NumberBox> createVelocityNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::velocityLabel, listener);
}

std::unique_ptr<juce::ComboBox> createKnobTypeComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::knobTypeLabel, getKnobTypeNames(), listener);
}

std::unique_ptr<NumberBox> createNrpnMsbNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::nrpnMsbLabel, listener);
}

std::unique_ptr<NumberBox> createNrpnLsbNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::nrpnLsbLabel, listener);
}

std::unique_ptr<juce::ComboBox> createFaderTypeComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox (UiText::faderTypeLabel, getFaderTypeNames(), listener);
}

std::unique_ptr<NumberBox> createValueNumberBox (NumberBox::Listener* listener)
{
    return createMidiByteBox (UiText::nrpnValueLabel, listener);
}

std::unique_ptr<juce::ComboBox> createKeyOneComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox ("KEY 1", getKeyStrokeKeyNames(), listener);
}

std::unique_ptr<juce::ComboBox> createKeyTwoComboBox (juce::ComboBox::Listener* listener)
{
    return createComboBox ("KEY 2", getKeyStrokeModifierNames(), listener);
}
