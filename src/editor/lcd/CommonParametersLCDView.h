#pragma once

#include "model/VexoEditorPreset.h"
#include "model/VexoTransport.h"
#include "widgets/EditorFactories.h"

#include <memory>

// The panel that is always on the main editor: the preset's name and its common parameters
// (tempo, swing, gate, time division, the two repeat switch modes, transport type). Every field
// shares its value with the preset, so edits go straight in and changes of the preset show at once.
class CommonParametersLCDView : public juce::Component,
                                public juce::ComboBox::Listener,
                                public juce::TextEditor::Listener,
                                public virtual juce::ReferenceCountedObject,
                                public virtual juce::Value::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<CommonParametersLCDView>;

    CommonParametersLCDView (VexoEditorPreset::Ptr preset, VexoTransport::Ptr transport);
    ~CommonParametersLCDView() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;
    void textEditorTextChanged (juce::TextEditor& editor) override;

    void resized() override;

    int getNumCaptions() const { return captions.size(); }
    juce::Label* getCaption (int index) const { return captions[index]; }

private:
    template <typename EditorType>
    EditorType& addField (std::unique_ptr<EditorType>& field, std::unique_ptr<EditorType> made,
                          const juce::String& name, int editorWidth, int captionWidth);

    // Puts a name that the preset refused, or that reached its value by any other road than the
    // editor's input filter, right: the longest valid start of it, kept in editor and preset alike.
    void keepNameValid (const juce::String& name);

    std::unique_ptr<juce::TextEditor> presetEditor;
    std::unique_ptr<juce::ComboBox> timeDivisionBox;
    std::unique_ptr<NumberBox> tempoBox;
    juce::Value timeDivision;
    juce::OwnedArray<juce::Label> captions;
    VexoEditorPreset::Ptr preset;
    std::unique_ptr<juce::ComboBox> repeatSwitchBox;
    std::unique_ptr<juce::ComboBox> timeDivisionSwitchBox;
    std::unique_ptr<NumberBox> gateBox;
    std::unique_ptr<juce::ComboBox> transportTypeBox;
    std::unique_ptr<NumberBox> swingBox;
    juce::Value repeatToggle;
    juce::Value timeDivisionToggle;
    juce::Value transportType;
    VexoTransport::Ptr transport;
    // The preset's name, watched whoever writes it.
    juce::Value presetName;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CommonParametersLCDView)
};
