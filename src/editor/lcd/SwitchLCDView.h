#pragma once

#include "editor/lcd/LCDChoiceBindings.h"
#include "editor/lcd/LCDView.h"
#include "model/VexoSwitch.h"

#include <memory>

// The LCD panel of one switch: a page for each switch type (CC, NOTE, PROGRAM, PROGRAM BANK,
// KEY STROKE).
class SwitchLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SwitchLCDView>;

    SwitchLCDView (VexoSwitch::Ptr control, const juce::String& title);
    ~SwitchLCDView() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;

    // Puts the keyboard focus on TYPE, when the panel's window is the active one.
    void resized() override;

private:
    VexoSwitch::Ptr control;

    std::unique_ptr<juce::ComboBox> typeBox;
    std::unique_ptr<juce::ComboBox> midiChannelBox;
    std::unique_ptr<NumberBox> midiCcBox;
    std::unique_ptr<juce::ComboBox> triggerModeBox;
    std::unique_ptr<NumberBox> programNumberBox;
    std::unique_ptr<NumberBox> programMsbBox;
    std::unique_ptr<NumberBox> programLsbBox;
    std::unique_ptr<juce::ComboBox> midiToDinBox;
    std::unique_ptr<NumberBox> midiNoteBox;
    std::unique_ptr<NumberBox> velocityBox;
    std::unique_ptr<juce::ComboBox> keyOneBox;
    std::unique_ptr<juce::ComboBox> keyTwoBox;

    juce::Value midiChannel;
    juce::Value parameterType;
    juce::Value switchMode;
    juce::Value toMidiDin;
    juce::Value keyOne;
    juce::Value keyTwo;

    LCDChoiceBindings choices;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchLCDView)
};
