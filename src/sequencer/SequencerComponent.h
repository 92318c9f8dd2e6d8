#pragma once

#include "model/VexoBEditorPreset.h"
#include "sequencer/SequencerListBoxTableModel.h"
#include "sequencer/SequencerLookAndFeel.h"
#include "sequencer/SequencerOverlayComponent.h"
#include "sequencer/VelocityViewComponent.h"
#include "widgets/CustomLookForAuxiliaryWindows.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The step-sequencer editor of one preset: the preset's name, the sequence's length ("Steps") and
// start/stop type, the table of 64 pad rows by 32 steps, the velocity strip of the selected row,
// the overlay with the grid and the shade beyond the length, and CLEAR SEQUENCE. Everything is
// bound to the preset's own values: an edit here changes the preset at once, and a change made
// elsewhere shows here at once.
class SequencerComponent : public juce::Component,
                           public juce::ComboBox::Listener,
                           public juce::Value::Listener,
                           public juce::Button::Listener,
                           private juce::TableHeaderComponent::Listener
{
public:
    static constexpr int defaultWidth = 1176;
    static constexpr int defaultHeight = 721;
    static constexpr int tableTop = 40;
    static constexpr int rowHeight = 22;
    static const juce::Colour backgroundColour;

    explicit SequencerComponent (VexoBEditorPreset::Ptr preset);
    ~SequencerComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void valueChanged (juce::Value& value) override;
    void buttonClicked (juce::Button* button) override;

    VexoBEditorPreset::Ptr getPreset() const { return preset; }
    juce::ComboBox& getStepsBox() const { return *stepsBox; }
    juce::ComboBox& getStartStopBox() const { return *startStopBox; }
    juce::TextEditor& getNameEditor() const { return *nameEditor; }
    juce::TableListBox& getTable() const { return *table; }
    VelocityViewComponent& getVelocityView() const { return *velocityView; }
    SequencerOverlayComponent& getOverlay() const { return *overlay; }
    juce::Button& getClearButton() const { return *clearButton; }
    SequencerListBoxTableModel& getTableModel() const { return *tableModel; }

private:
    void createStepsComboBox();
    void createPresetNameEditor();
    void createStartStopComboBox();
    void createTable();
    void createClearButton();

    // The overlay and the strip follow the table's columns.
    void followColumns();
    void tableColumnsChanged (juce::TableHeaderComponent*) override;
    void tableColumnsResized (juce::TableHeaderComponent*) override;
    void tableSortOrderChanged (juce::TableHeaderComponent*) override {}

    VexoBEditorPreset::Ptr preset;
    juce::Value lengthValue;
    juce::Value startTypeValue;

    // The looks and the table's model come before every component that uses them, so that they
    // are destroyed after them.
    SequencerLookAndFeel sequencerLook;
    CustomLookForAuxiliaryWindows auxiliaryLook;
    VelocityViewComponent::Ptr velocityView;
    std::unique_ptr<SequencerListBoxTableModel> tableModel;

    std::unique_ptr<juce::ComboBox> stepsBox;
    std::unique_ptr<juce::TextEditor> nameEditor;
    std::unique_ptr<juce::ComboBox> startStopBox;
    std::unique_ptr<juce::Label> presetCaption;
    std::unique_ptr<juce::Label> stepsCaption;
    std::unique_ptr<juce::Label> startStopCaption;
    std::unique_ptr<juce::TableListBox> table;
    std::unique_ptr<SequencerOverlayComponent> overlay;
    std::unique_ptr<juce::ImageButton> clearButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerComponent)
};
