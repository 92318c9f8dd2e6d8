#pragma once

#include "editor/lcd/LCDChoiceBindings.h"
#include "editor/lcd/LCDView.h"
#include "model/VexoPad.h"

#include <memory>

// The LCD panel of one pad: a page for each pad type (NOTE, PROGRAM, PROGRAM BANK), each ending
// with the pad's to-DIN flag and its two colours.
class PadLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PadLCDView>;

    PadLCDView (VexoPad::Ptr pad, const juce::String& title);
    ~PadLCDView() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;

private:
    void addPageWithSharedTail (std::initializer_list<juce::Component*> fields);

    VexoPad::Ptr pad;

    juce::Value aftertouchType;
    juce::Value parameterType;
    juce::Value noteToggleMode;
    juce::Value colorOff;
    juce::Value colorOn;
    juce::Value toMidiDin;
    juce::Value midiChannel;

    std::unique_ptr<juce::ComboBox> typeBox;
    std::unique_ptr<juce::ComboBox> midiChannelBox;
    std::unique_ptr<juce::ComboBox> aftertouchBox;
    std::unique_ptr<NumberBox> programNumberBox;
    std::unique_ptr<NumberBox> programMsbBox;
    std::unique_ptr<NumberBox> programLsbBox;
    std::unique_ptr<juce::ComboBox> triggerModeBox;
    std::unique_ptr<NumberBox> midiNoteBox;
    std::unique_ptr<juce::ComboBox> offColorBox;
    std::unique_ptr<juce::ComboBox> onColorBox;
    std::unique_ptr<juce::ComboBox> midiToDinBox;

    LCDChoiceBindings choices;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadLCDView)
};
