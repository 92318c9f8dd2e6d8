#include "autopopulate/AutoPopulateText.h"

namespace AutoPopulateText
{
const juce::String windowTitle ("Auto Populate");
const juce::String windowTitlePrefix ("Auto Populate: ");
const juce::String applyToBanks ("Apply to Banks");
const juce::String enabledToggle ("Enabled");

const juce::String padsTitle ("PADS");
const juce::String knobsTitle ("KNOBS");
const juce::String fadersTitle ("FADER");
const juce::String switchesTitle ("SWITCHES");

const juce::String typeLabel ("TYPE");
const juce::String orderLabel ("ORDER");
const juce::String ascending ("ASCENDING");
const juce::String descending ("DESCENDING");
const juce::String scaleLabel ("SCALE");
const juce::String startLabel ("START");
const juce::String padOnColorLabel ("PAD ON COLOR");
const juce::String padOffColorLabel ("PAD OFF COLOR");
const juce::String aftertouchLabel ("AFT");
const juce::String modeLabel ("MODE");
const juce::String msbLabel ("MSB");
const juce::String lsbLabel ("LSB");
const juce::String programBoxName ("PROGRAM");
const juce::String switchProgramBoxName ("Program Number NumberBox");
} // namespace AutoPopulateText
