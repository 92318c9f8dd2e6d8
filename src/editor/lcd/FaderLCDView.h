#pragma once

#include "editor/lcd/LCDChoiceBindings.h"
#include "editor/lcd/LCDView.h"
#include "model/VexoFader.h"

#include <memory>

// The LCD panel of one fader: a page for each fader type (CC, AFTERTOUCH).
class FaderLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<FaderLCDView>;

    FaderLCDView (VexoFader::Ptr fader, const juce::String& title);
    ~FaderLCDView() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;

    // Puts the keyboard focus on TYPE, when the panel's window is the active one.
    void resized() override;

private:
    VexoFader::Ptr fader;

    std::unique_ptr<juce::ComboBox> typeBox;
    std::unique_ptr<juce::ComboBox> midiChannelBox;
    std::unique_ptr<NumberBox> midiCcBox;
    std::unique_ptr<NumberBox> minBox;
    std::unique_ptr<NumberBox> maxBox;
    std::unique_ptr<juce::ComboBox> midiToDinBox;
    // Keeps the fourth row of the CC page empty.
    std::unique_ptr<juce::Component> spacer;

    juce::Value parameterType;
    juce::Value midiChannel;
    juce::Value toMidiDin;

    LCDChoiceBindings choices;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FaderLCDView)
};
