#pragma once

#include "editor/lcd/LCDChoiceBindings.h"
#include "editor/lcd/LCDView.h"
#include "model/VexoKnob.h"

#include <memory>

// The LCD panel of one knob: a page for each knob type (CC, AFTERTOUCH, INC/DEC 1, INC/DEC 2).
class KnobLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<KnobLCDView>;

    KnobLCDView (VexoKnob::Ptr knob, const juce::String& title);
    ~KnobLCDView() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;

    // Puts the keyboard focus on TYPE, when the panel's window is the active one.
    void resized() override;

private:
    VexoKnob::Ptr knob;

    std::unique_ptr<juce::ComboBox> typeBox;
    std::unique_ptr<juce::ComboBox> midiChannelBox;
    std::unique_ptr<NumberBox> midiCcBox;
    std::unique_ptr<NumberBox> minBox;
    std::unique_ptr<NumberBox> maxBox;
    std::unique_ptr<NumberBox> nrpnMsbBox;
    std::unique_ptr<NumberBox> nrpnLsbBox;
    std::unique_ptr<NumberBox> valueBox;
    std::unique_ptr<juce::ComboBox> midiToDinBox;
    // Keeps the fourth row of the CC page empty.
    std::unique_ptr<juce::Component> spacer;

    juce::Value parameterType;
    juce::Value midiChannel;
    juce::Value toMidiDin;

    LCDChoiceBindings choices;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobLCDView)
};
