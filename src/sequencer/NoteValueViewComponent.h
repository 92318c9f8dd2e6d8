#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The NOTE cell of a sequencer row: the pad's MIDI note as a choice of the 128 notes ("C4 / 60"),
// bound to the pad's parameter, so a choice changes the pad at once and a change from elsewhere
// shows here.
class NoteValueViewComponent : public juce::Component,
                               public juce::ComboBox::Listener,
                               public juce::Value::Listener
{
public:
    static constexpr int defaultWidth = 110;
    static constexpr int defaultHeight = 20;

    explicit NoteValueViewComponent (const juce::Value& padNote);
    ~NoteValueViewComponent() override;

    // "C-1 / 0" .. "G9 / 127": note names with sharps, middle C in octave 4.
    static const juce::StringArray& getNoteNames();

    // Binds the box to another pad's note, as the table does when it reuses this cell for
    // another row.
    void showNote (const juce::Value& padNote);

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;

    juce::ComboBox& getNoteBox() const { return *noteBox; }

private:
    juce::Value noteValue;
    std::unique_ptr<juce::ComboBox> noteBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NoteValueViewComponent)
};
