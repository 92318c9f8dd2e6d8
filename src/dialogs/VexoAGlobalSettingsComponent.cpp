#include "dialogs/VexoAGlobalSettingsComponent.h"

#include "services/ApplicationServices.h"
#include "widgets/EditorFactories.h"
#include "widgets/ImageButtonFactories.h"
#include "widgets/SkinImages.h"

namespace
{
using BoxFactory = std::unique_ptr<juce::ComboBox> (*) (juce::ComboBox::Listener*);

struct SettingPlace
{
    GlobalSettingIndex index;
    BoxFactory makeBox;
    int x;            // of the caption; the box is 140 or 150 to its right
    int y;            // of the row
    int captionWidth; // the left captions reach under their boxes, which are drawn over them
};

// In the order the editor makes them, which is also the reading order of the left column and then
// the right one.
constexpr int leftCaptionX = 10, leftBoxX = 150, rightCaptionX = 300, rightBoxX = 450;

const SettingPlace places[numGlobalSettings] = {
    {CommonChannelIndex, createCommonChannelComboBox, leftCaptionX, 40, 175},
    {NoteTypeIndex, createNoteDisplayComboBox, leftCaptionX, 65, 175},
    {ScreenContrastIndex, createLcdContrastComboBox, leftCaptionX, 90, 175},
    {TapAverageIndex, createTapAverageComboBox, leftCaptionX, 115, 175},
    {TempoLEDIndex, createTempoLedComboBox, leftCaptionX, 140, 175},
    {ClockSourceIndex, createMidiClockComboBox, rightCaptionX, 140, 175},
    {TransportToDinIndex, createTransportToDinComboBox, rightCaptionX, 40, 150},
    {PadThresholdIndex, createPadThresholdComboBox, rightCaptionX, 90, 150},
    {PadCurveIndex, createPadCurveComboBox, rightCaptionX, 115, 150},
    {PadGainIndex, createPadGainComboBox, rightCaptionX, 65, 150},
};

int boxXFor (const SettingPlace& place)
{
    return place.x == leftCaptionX ? leftBoxX : rightBoxX;
}

constexpr int titleY = 5;
constexpr int buttonsFromBottom = 40;

VexoAGlobalSettings::Ptr settingsOfCurrentEngine()
{
    if (auto* services = ApplicationServices::get())
        if (auto engine = services->getEngine())
            return dynamic_cast<VexoAGlobalSettings*> (engine->getGlobalSettings().get());
    return nullptr;
}
} // namespace

VexoAGlobalSettingsComponent::VexoAGlobalSettingsComponent()
    : VexoAGlobalSettingsComponent (settingsOfCurrentEngine())
{
}

VexoAGlobalSettingsComponent::VexoAGlobalSettingsComponent (VexoAGlobalSettings::Ptr settingsToShow)
    : shownSettings (std::move (settingsToShow))
{
    const auto background = getSkinImage (SkinImageId::dialogBackground);

    for (const auto& place : places)
    {
        auto box = place.makeBox (nullptr);
        box->setLookAndFeel (&look);
        styleAuxiliaryComboBox (*box);
        box->setSelectedId (1, juce::dontSendNotification);

        auto caption = std::make_unique<juce::Label>();
        caption->setText (box->getName(), juce::dontSendNotification);
        caption->setJustificationType (juce::Justification::centredLeft);
        // Dark writing on the light dialog background, whatever look the program uses elsewhere.
        caption->setColour (juce::Label::textColourId, juce::Colours::black);

        // The caption first, so that the box, which overlaps its end, lies over it and takes every
        // click on itself.
        addAndMakeVisible (*caption);
        addAndMakeVisible (*box);

        boxes[(size_t)(place.index - firstGlobalSettingIndex)] = std::move (box);
        captions[(size_t)(place.index - firstGlobalSettingIndex)] = std::move (caption);
    }

    revertButton = createRevertButton();
    getButton = createGetButton();
    sendButton = createSendButton();
    addAndMakeVisible (*revertButton);
    addAndMakeVisible (*sendButton);
    addAndMakeVisible (*getButton);

    if (shownSettings != nullptr)
    {
        shownSettings->addListener (this);
        shownSettings->notifyAllSettings (juce::sendNotification);
    }

    setSize (background.getWidth(), editorHeight);
}

VexoAGlobalSettingsComponent::~VexoAGlobalSettingsComponent()
{
    // Before the boxes go: a change announced from now on must find nobody to show it.
    if (shownSettings != nullptr)
        shownSettings->removeListener (this);

    for (auto& box : boxes)
        box->setLookAndFeel (nullptr);
    removeAllChildren();
}

int VexoAGlobalSettingsComponent::identifierFromValue (int settingIndex, int value)
{
    return settingIndex == TapAverageIndex ? value - 1 : value + 1;
}

juce::uint8 VexoAGlobalSettingsComponent::valueFromIdentifier (int settingIndex, int identifier)
{
    return (juce::uint8) ((settingIndex == TapAverageIndex ? identifier + 1 : identifier - 1) & 0xff);
}

juce::ComboBox& VexoAGlobalSettingsComponent::getBox (int settingIndex) const
{
    jassert (settingIndex >= firstGlobalSettingIndex && settingIndex <= lastGlobalSettingIndex);
    return *boxes[(size_t)(settingIndex - firstGlobalSettingIndex)];
}

juce::Label& VexoAGlobalSettingsComponent::getCaption (int settingIndex) const
{
    jassert (settingIndex >= firstGlobalSettingIndex && settingIndex <= lastGlobalSettingIndex);
    return *captions[(size_t)(settingIndex - firstGlobalSettingIndex)];
}

VexoGlobalSettings::Ptr VexoAGlobalSettingsComponent::getGlobalSettings()
{
    VexoAGlobalSettings::Ptr settings (new VexoAGlobalSettings());

    for (int index = firstGlobalSettingIndex; index <= lastGlobalSettingIndex; ++index)
    {
        const auto identifier = getBox (index).getSelectedId();
        const auto chosen = valueFromIdentifier (index, identifier);
        const bool isChoice = identifier != 0 && chosen >= VexoAGlobalSettings::getMinimumValue (index) &&
                              chosen <= VexoAGlobalSettings::getMaximumValue (index);

        if (isChoice)
            settings->setSetting ({(juce::uint8)index, chosen}, juce::dontSendNotification);
        else if (shownSettings != nullptr)
            settings->setSetting ({(juce::uint8)index, shownSettings->getSettingValue (index)},
                                  juce::dontSendNotification);
    }

    return settings.get();
}

void VexoAGlobalSettingsComponent::addButtonListener (juce::Button::Listener* listener)
{
    revertButton->addListener (listener);
    sendButton->addListener (listener);
    getButton->addListener (listener);
}

void VexoAGlobalSettingsComponent::removeButtonListener (juce::Button::Listener* listener)
{
    revertButton->removeListener (listener);
    sendButton->removeListener (listener);
    getButton->removeListener (listener);
}

void VexoAGlobalSettingsComponent::show (int settingIndex, juce::uint8 value)
{
    getBox (settingIndex)
        .setSelectedId (identifierFromValue (settingIndex, value), juce::dontSendNotification);
}

void VexoAGlobalSettingsComponent::commonChannelChanged (juce::uint8 value)
{
    show (CommonChannelIndex, value);
}

void VexoAGlobalSettingsComponent::screenContrastChanged (juce::uint8 value)
{
    show (ScreenContrastIndex, value);
}

void VexoAGlobalSettingsComponent::tapAverageChanged (juce::uint8 value)
{
    show (TapAverageIndex, value);
}

void VexoAGlobalSettingsComponent::tempoLEDChanged (juce::uint8 value)
{
    show (TempoLEDIndex, value);
}

void VexoAGlobalSettingsComponent::clockSourceChanged (juce::uint8 value)
{
    show (ClockSourceIndex, value);
}

void VexoAGlobalSettingsComponent::transportToDinChanged (juce::uint8 value)
{
    show (TransportToDinIndex, value);
}

void VexoAGlobalSettingsComponent::padThresholdChanged (juce::uint8 value)
{
    show (PadThresholdIndex, value);
}

void VexoAGlobalSettingsComponent::padGainChanged (juce::uint8 value)
{
    show (PadGainIndex, value);
}

void VexoAGlobalSettingsComponent::padCurveChanged (juce::uint8 value)
{
    show (PadCurveIndex, value);
}

void VexoAGlobalSettingsComponent::noteTypeChanged (juce::uint8 value)
{
    show (NoteTypeIndex, value);
}

void VexoAGlobalSettingsComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);

    const auto title = getSkinImage (SkinImageId::globalSettingsTitle);
    g.drawImageAt (title, (getWidth() - title.getWidth()) / 2, titleY);
}

void VexoAGlobalSettingsComponent::resized()
{
    for (const auto& place : places)
    {
        getCaption (place.index).setBounds (place.x, place.y, place.captionWidth, rowHeight);
        getBox (place.index).setBounds (boxXFor (place), place.y, boxWidth, rowHeight);
    }

    const int buttonY = getHeight() - buttonsFromBottom;
    revertButton->setTopLeftPosition (10, buttonY);
    getButton->setTopLeftPosition (410, buttonY);
    sendButton->setTopLeftPosition (510, buttonY);
}
