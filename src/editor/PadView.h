#pragma once

#include "editor/ControlView.h"
#include "editor/DragableAndDropAbleControl.h"
#include "model/VexoPad.h"

// One pad of the device picture. It writes the pad's settings on itself (note and trigger mode, or
// program and bank, the MIDI channel and the pad's number) and shows its two colours in its frame,
// and follows every change of the pad, whoever makes it.
//
// Values the pad admits beyond what the lists name (a type of 3 or more, a trigger mode of 2 or
// more, colour 17) show nothing; showing a pad never writes to it.
class PadView : public virtual juce::ReferenceCountedObject,
                public virtual ControlView,
                public virtual DragableAndDropAbleControl,
                public virtual juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PadView>;

    enum PadType
    {
        note = 0,
        program = 1,
        programBank = 2
    };

    // The button is named numberText (the pad's flat index + 1) and sized to the pad images.
    PadView (VexoPad::Ptr pad, const juce::String& numberText, const juce::Image& normalImage,
             const juce::Image& mouseOverImage, const juce::Image& toggledOnImage);
    ~PadView() override;

    MEditorControl::Ptr getControl() const override { return pad.get(); }

    // The palette's colour for a colour value; fully transparent for a value it has no colour for.
    static juce::Colour getPaletteColour (const juce::Array<juce::Colour>& palette, int value);

    // "MIDI CH:" with "COM" for 0, "A1".."A16" for 1..16, "B1".."B16" for 17..32; beyond, the
    // number less 16 without a port letter.
    static juce::String formatChannel (int value);
    // "MOM" for 0, "TOG" for 1, nothing for a mode the pad has no name for.
    static juce::String formatTriggerMode (int value);

    virtual void showMidiChannel (int value);
    virtual void setPadType (int value);
    virtual void showTriggerMode (int value);
    virtual void showProgram (int value);
    virtual void showProgramMsb (int value);
    virtual void showProgramLsb (int value);
    virtual void showNote (int value);

    void valueChanged (juce::Value& value) override;

    // What the view shows now, for those who check it.
    int getPadType() const noexcept { return padType; }
    const juce::String& getChannelText() const noexcept { return channelText; }
    const juce::String& getNoteText() const noexcept { return noteText; }
    const juce::String& getModeText() const noexcept { return modeText; }
    const juce::String& getProgramText() const noexcept { return programText; }
    const juce::String& getMsbText() const noexcept { return msbText; }
    const juce::String& getLsbText() const noexcept { return lsbText; }
    juce::Colour getOnColour() const noexcept { return onColour; }
    juce::Colour getOffColour() const noexcept { return offColour; }

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    juce::Value typeValue;
    juce::Value channelValue;
    juce::Value msbValue;
    juce::Value lsbValue;
    juce::Value programValue;
    juce::Value modeValue;
    juce::Value noteValue;
    juce::Value onColourValue;
    juce::Value offColourValue;

    juce::Array<juce::Colour> palette;
    juce::Image overlayImage;

    juce::String numberText;
    juce::String channelText;
    juce::String noteText;
    juce::String modeText;
    juce::String programText;
    juce::String lsbText;
    juce::String msbText;
    juce::Colour onColour{juce::Colours::transparentBlack};
    juce::Colour offColour{juce::Colours::transparentBlack};
    int padType = note;

    VexoPad::Ptr pad;

    JUCE_DECLARE_NON_COPYABLE (PadView)
};
