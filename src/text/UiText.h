#pragma once

#include <juce_core/juce_core.h>

// Every text that more than one window shows, defined once. They are constants of static storage,
// built before the application object and read-only afterwards.
namespace UiText
{
// Messages
extern const juce::String midiDeviceNotFound;
extern const juce::String noPresetAcknowledgement;
extern const juce::String presetSentSuccessfully;
extern const juce::String errorOpeningFile;
extern const juce::String errorSavingFile;

// Editor labels
extern const juce::String midiChannelLabel;
extern const juce::String midiToDinLabel;
extern const juce::String midiNoteLabel;
extern const juce::String midiCcLabel;
extern const juce::String programNumberLabel;
extern const juce::String programLsbLabel;
extern const juce::String programMsbLabel;
extern const juce::String triggerModeLabel;
extern const juce::String minValueLabel;
extern const juce::String maxValueLabel;
extern const juce::String tempoLedLabel;
extern const juce::String commonChannelLabel;
extern const juce::String noteDisplayLabel;
extern const juce::String lcdContrastLabel;
extern const juce::String tapAverageLabel;
extern const juce::String midiClockLabel;
extern const juce::String transportToDinLabel;
extern const juce::String padThresholdLabel;
extern const juce::String padCurveLabel;
extern const juce::String padGainLabel;
extern const juce::String padTypeLabel;
extern const juce::String switchTypeLabel;
extern const juce::String knobTypeLabel;
extern const juce::String faderTypeLabel;
extern const juce::String onColorLabel;
extern const juce::String offColorLabel;
extern const juce::String aftertouchLabel;
extern const juce::String velocityLabel;
extern const juce::String nrpnMsbLabel;
extern const juce::String nrpnLsbLabel;
extern const juce::String nrpnValueLabel;

// Choice words
extern const juce::String offChoice;
extern const juce::String onChoice;
extern const juce::String commonChoice;

// Command names
extern const juce::String newCommand;
extern const juce::String openPresetCommand;
extern const juce::String closeWindowCommand;
extern const juce::String saveCommand;
extern const juce::String saveAsCommand;
extern const juce::String loadFromHardwareCommand;
extern const juce::String sendToHardwareCommand;
extern const juce::String midiSetupCommand;
extern const juce::String autoPopulateCommand;
extern const juce::String sendMultiplePresetsCommand;
extern const juce::String globalSettingsEditorCommand;
extern const juce::String sequenceEditCommand;
extern const juce::String minimizeWindowCommand;
extern const juce::String bringAllToFrontCommand;
extern const juce::String openUserGuideCommand;
extern const juce::String aboutCommand;

// Dialog texts
extern const juce::String sendToHardwareLabel;
extern const juce::String ramSlot;
extern const juce::String sendPresetWindowTitle;
extern const juce::String loadPresetWindowTitle;
extern const juce::String midiSetupWindowTitle;
extern const juce::String inputHeading;
extern const juce::String outputHeading;
extern const juce::String saveAsChooserTitle;
extern const juce::String saveDocumentTitle;
extern const juce::String saveDocumentQuestion;
extern const juce::String applicationVersion;

// Pad view prefixes
extern const juce::String notePrefix;
extern const juce::String programPrefix;
extern const juce::String msbPrefix;
extern const juce::String lsbPrefix;

// Button captions, which are also the buttons' component names
extern const juce::String sendButton;
extern const juce::String applyButton;
extern const juce::String refreshButton;
extern const juce::String getButton;
extern const juce::String okButton;
extern const juce::String cancelButton;
extern const juce::String revertButton;
extern const juce::String browseButton;
extern const juce::String clearButton;

// "Version: 1.0.8", translated, for the About box.
juce::String versionLine();

// "NOTE:60 (C4)": the note number and its name with sharps, middle C in octave 4.
juce::String formatNoteLabel (int noteNumber);
} // namespace UiText
