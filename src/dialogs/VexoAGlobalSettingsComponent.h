#pragma once

#include "dialogs/GlobalSettingsComponent.h"
#include "model/VexoAGlobalSettings.h"
#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/ReferenceCountedImageButton.h"

#include <array>
#include <memory>

// The global settings editor of the device: one labelled choice per setting and the "Revert",
// "Get" and "Send" buttons. It shows the engine's copy of the device's settings and follows every
// change of it; nobody listens to the choices, so the editor holds no settings of its own.
//
// A choice stands for a value by its position from 0 (item identifier = value + 1); TAP AVERAGE,
// whose items are the values 2 to 4 themselves, is the exception (identifier = value - 1).
class VexoAGlobalSettingsComponent : public GlobalSettingsComponent,
                                     public virtual juce::Component,
                                     public virtual juce::ReferenceCountedObject,
                                     public VexoAGlobalSettings::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoAGlobalSettingsComponent>;

    static constexpr int editorHeight = 273;
    static constexpr int boxWidth = 150;
    static constexpr int rowHeight = 22;

    // Shows the settings of the current services' engine.
    VexoAGlobalSettingsComponent();
    // Shows these settings; none shows every setting at its first item.
    explicit VexoAGlobalSettingsComponent (VexoAGlobalSettings::Ptr settingsToShow);
    ~VexoAGlobalSettingsComponent() override;

    // A setting whose choice is empty (the device reported a value the list does not offer) keeps
    // the value last shown, which the user did not change, rather than a value nobody chose.
    VexoGlobalSettings::Ptr getGlobalSettings() override;

    // On "Revert", "Send" and "Get", in that order.
    void addButtonListener (juce::Button::Listener* listener) override;
    void removeButtonListener (juce::Button::Listener* listener) override;

    void commonChannelChanged (juce::uint8 value) override;
    void screenContrastChanged (juce::uint8 value) override;
    void tapAverageChanged (juce::uint8 value) override;
    void tempoLEDChanged (juce::uint8 value) override;
    void clockSourceChanged (juce::uint8 value) override;
    void transportToDinChanged (juce::uint8 value) override;
    void padThresholdChanged (juce::uint8 value) override;
    void padGainChanged (juce::uint8 value) override;
    void padCurveChanged (juce::uint8 value) override;
    void noteTypeChanged (juce::uint8 value) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // The item identifier that shows a setting's value (possibly one the box does not have), and
    // the value an identifier stands for, as a byte (identifier 0, no choice, gives 255; for
    // TAP AVERAGE 1).
    static int identifierFromValue (int settingIndex, int value);
    static juce::uint8 valueFromIdentifier (int settingIndex, int identifier);

    // By setting index, 1 to 10.
    juce::ComboBox& getBox (int settingIndex) const;
    juce::Label& getCaption (int settingIndex) const;

    juce::Button& getRevertButton() const noexcept { return *revertButton; }
    juce::Button& getGetButton() const noexcept { return *getButton; }
    juce::Button& getSendButton() const noexcept { return *sendButton; }

    VexoAGlobalSettings* getShownSettings() const noexcept { return shownSettings.get(); }

private:
    void show (int settingIndex, juce::uint8 value);

    // Declared first, so that it outlives every part drawn with it.
    CustomLookForAuxiliaryWindows look;

    // By setting index - 1.
    std::array<std::unique_ptr<juce::ComboBox>, numGlobalSettings> boxes;
    std::array<std::unique_ptr<juce::Label>, numGlobalSettings> captions;

    ReferenceCountedImageButton::Ptr revertButton, getButton, sendButton;

    VexoAGlobalSettings::Ptr shownSettings;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoAGlobalSettingsComponent)
};
