#pragma once

#include "widgets/NumberBoxComponent.h"

#include <memory>

// The program's combo boxes and number boxes, already named, coloured, filled and wired, so that
// the same setting looks and numbers alike in every window. The caller owns, sizes and shows
// what it gets. The name of each box is its caption.

using NumberBox = NumberBoxComponent<int>;

// White writing on a transparent box; items numbered from 1; nothing selected.
std::unique_ptr<juce::ComboBox> createComboBox (const juce::String& name, const juce::StringArray& items,
                                                juce::ComboBox::Listener* listener = nullptr);

// White writing on a transparent box, starting at the minimum.
std::unique_ptr<NumberBox> createNumberBox (const juce::String& name, int minimum, int maximum,
                                            NumberBox::Listener* listener = nullptr);

std::unique_ptr<juce::ComboBox> createMidiChannelComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<NumberBox> createMidiCCNumberBox (NumberBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createMidiToDinComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<NumberBox> createMidiNoteNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createMinNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createMaxNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createProgramNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createProgramMsbNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createProgramLsbNumberBox (NumberBox::Listener* listener);

// The device's global settings.
std::unique_ptr<juce::ComboBox> createTempoLedComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createCommonChannelComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createNoteDisplayComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createLcdContrastComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createTapAverageComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createMidiClockComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createTransportToDinComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createPadThresholdComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createPadCurveComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createPadGainComboBox (juce::ComboBox::Listener* listener);

// Pads, knobs, faders and switches.
std::unique_ptr<juce::ComboBox> createPadTypeComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createOnColorComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createOffColorComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createTriggerModeComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createAftertouchComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createSwitchTypeComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<NumberBox> createVelocityNumberBox (NumberBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createKnobTypeComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<NumberBox> createNrpnMsbNumberBox (NumberBox::Listener* listener);
std::unique_ptr<NumberBox> createNrpnLsbNumberBox (NumberBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createFaderTypeComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<NumberBox> createValueNumberBox (NumberBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createKeyOneComboBox (juce::ComboBox::Listener* listener);
std::unique_ptr<juce::ComboBox> createKeyTwoComboBox (juce::ComboBox::Listener* listener);
