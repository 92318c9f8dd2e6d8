#include "text/UiText.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace UiText
{
const juce::String midiDeviceNotFound ("MIDI Device is not found.  Verify MIDI Settings in the MIDI Setup window.");
const juce::String noPresetAcknowledgement ("No Preset Acknowledgement returned. Verify Midi Input Settings.");
const juce::String presetSentSuccessfully ("Preset Sucessfully Sent to device.");
const juce::String errorOpeningFile ("Error Opening File.");
const juce::String errorSavingFile ("Error Saving File.");

const juce::String midiChannelLabel ("MIDI CHANNEL");
const juce::String midiToDinLabel ("MIDI TO DIN");
const juce::String midiNoteLabel ("MIDI NOTE");
const juce::String midiCcLabel ("MIDI CC");
const juce::String programNumberLabel ("PROGRAM NUMBER");
const juce::String programLsbLabel ("PROGRAM LSB");
const juce::String programMsbLabel ("PROGRAM MSB");
const juce::String triggerModeLabel ("TRIGGER MODE");
const juce::String minValueLabel ("MIN");
const juce::String maxValueLabel ("MAX");
const juce::String tempoLedLabel ("TEMPO LED");
const juce::String commonChannelLabel ("COMMON CHANNEL");
const juce::String noteDisplayLabel ("NOTE DISPLAY");
const juce::String lcdContrastLabel ("LCD CONTRAST");
const juce::String tapAverageLabel ("TAP AVERAGE");
const juce::String midiClockLabel ("MIDI CLOCK");
const juce::String transportToDinLabel ("TRANSPORT TO DIN");
const juce::String padThresholdLabel ("PAD THRESHOLD");
const juce::String padCurveLabel ("PAD CURVE");
const juce::String padGainLabel ("PAD GAIN");
const juce::String padTypeLabel ("TYPE");
const juce::String switchTypeLabel ("TYPE");
const juce::String knobTypeLabel ("TYPE");
const juce::String faderTypeLabel ("TYPE");
const juce::String onColorLabel ("ON COLOR");
const juce::String offColorLabel ("OFF COLOR");
const juce::String aftertouchLabel ("AFTERTOUCH");
const juce::String velocityLabel ("VELOCITY");
const juce::String nrpnMsbLabel ("NRPN MSB");
const juce::String nrpnLsbLabel ("NRPN LSB");
const juce::String nrpnValueLabel ("VALUE");

const juce::String offChoice ("OFF");
const juce::String onChoice ("ON");
const juce::String commonChoice ("COMMON");

const juce::String newCommand ("New");
const juce::String openPresetCommand ("Open Preset");
const juce::String closeWindowCommand ("Close Window");
const juce::String saveCommand ("Save");
const juce::String saveAsCommand ("Save As");
const juce::String loadFromHardwareCommand ("Load From Hardware");
const juce::String sendToHardwareCommand ("Send To Hardware");
const juce::String midiSetupCommand ("MIDI Setup");
const juce::String autoPopulateCommand ("Auto Populate Tool");
const juce::String sendMultiplePresetsCommand ("Send Multiple Presets");
const juce::String globalSettingsEditorCommand ("Global Settings Editor");
const juce::String sequenceEditCommand ("Sequence Edit");
const juce::String minimizeWindowCommand ("Minimize Window");
const juce::String bringAllToFrontCommand ("Bring All To Front");
const juce::String openUserGuideCommand ("Open User Guide");
const juce::String aboutCommand ("About");

const juce::String sendToHardwareLabel ("Save current preset to hardware as");
const juce::String ramSlot ("RAM");
const juce::String sendPresetWindowTitle ("Send Preset");
const juce::String loadPresetWindowTitle ("Load Preset");
const juce::String midiSetupWindowTitle ("MIDI Setup");
const juce::String inputHeading ("INPUT");
const juce::String outputHeading ("OUTPUT");
const juce::String saveAsChooserTitle ("Select filename to save");
const juce::String saveDocumentTitle ("Save Document");
const juce::String saveDocumentQuestion ("Save Preset: ");
const juce::String applicationVersion ("1.0.8");

const juce::String notePrefix ("NOTE:");
const juce::String programPrefix ("PROG:");
const juce::String msbPrefix ("MSB:");
const juce::String lsbPrefix ("LSB:");

const juce::String sendButton ("Send");
const juce::String applyButton ("Apply");
const juce::String refreshButton ("Refresh");
const juce::String getButton ("Get");
const juce::String okButton ("OK");
const juce::String cancelButton ("Cancel");
const juce::String revertButton ("Revert");
const juce::String browseButton ("Browse");
const juce::String clearButton ("Clear");

juce::String versionLine()
{
    return juce::translate ("Version: " + applicationVersion);
}

juce::String formatNoteLabel (int noteNumber)
{
    return notePrefix + juce::String (noteNumber) + " ("
         + juce::MidiMessage::getMidiNoteName (noteNumber, true, true, 4) + ")";
}
} // namespace UiText
