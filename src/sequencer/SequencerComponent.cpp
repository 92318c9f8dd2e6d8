#include "sequencer/SequencerComponent.h"

#include "sequencer/StepColumnLayout.h"
#include "widgets/ComboBoxValue.h"
#include "widgets/EditorFactories.h"
#include "widgets/PresetNameInput.h"
#include "widgets/SkinImages.h"

const juce::Colour SequencerComponent::backgroundColour (57, 57, 57);

namespace
{
const juce::Colour captionText (217, 217, 217);
constexpr float captionFontHeight = 18.0f;

// Shown in the header's column menu, neither resizable, draggable nor sortable.
constexpr int columnFlags =
    juce::TableHeaderComponent::visible | juce::TableHeaderComponent::appearsOnColumnMenu;

// Room left below the table for the velocity strip.
constexpr int spaceBelowTable = 124 - SequencerComponent::tableTop;

std::unique_ptr<juce::Label> makeCaption (const juce::String& text, int width, bool largeFont)
{
    auto caption = std::make_unique<juce::Label>();
    caption->setText (text, juce::dontSendNotification);
    if (largeFont)
        caption->setFont (juce::Font (captionFontHeight, juce::Font::plain));
    caption->setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    caption->setColour (juce::Label::textColourId, captionText);
    caption->setSize (width, 20);
    return caption;
}
} // namespace

SequencerComponent::SequencerComponent (VexoBEditorPreset::Ptr presetToEdit)
    : preset (std::move (presetToEdit))
{
    jassert (preset != nullptr);

    createStepsComboBox();
    createPresetNameEditor();
    createStartStopComboBox();
    createTable();

    addAndMakeVisible (*table);
    addAndMakeVisible (*velocityView);
    velocityView->setTrack (preset->getSequencer()->getTrack (0));

    overlay = std::make_unique<SequencerOverlayComponent>();
    overlay->setInterceptsMouseClicks (false, false);
    lengthValue.addListener (overlay.get());
    overlay->valueChanged (lengthValue);

    juce::SparseSet<int> firstRow;
    firstRow.addRange ({0, 1});
    table->setSelectedRows (firstRow, juce::sendNotification);
    addAndMakeVisible (*overlay);

    followColumns();
    table->getHeader().addListener (this);

    createClearButton();

    table->updateContent();
    setSize (defaultWidth, defaultHeight);
}

SequencerComponent::~SequencerComponent()
{
    // Nothing may be told of a change, or draw, with what goes before it.
    table->getHeader().removeListener (this);
    lengthValue.removeListener (overlay.get());
    lengthValue.removeListener (this);
    startTypeValue.removeListener (this);

    table->setModel (nullptr);
    table->getHeader().setLookAndFeel (nullptr);
    table->getViewport()->setLookAndFeel (nullptr);
    stepsBox->setLookAndFeel (nullptr);
    startStopBox->setLookAndFeel (nullptr);
}

void SequencerComponent::createStepsComboBox()
{
    juce::StringArray steps;
    for (int n = 1; n <= StepColumnLayout::numSteps; ++n)
        steps.add (juce::String (n));

    stepsBox = createComboBox ("Steps", steps, this);
    stepsBox->setSize (75, 20);

    stepsCaption = makeCaption ("STEPS: ", 100, true);
    stepsCaption->attachToComponent (stepsBox.get(), true);

    addAndMakeVisible (*stepsBox);
    addAndMakeVisible (*stepsCaption);

    // Binding with the value written back tells this component, and the box shows the length.
    lengthValue.addListener (this);
    preset->getSequencer()->referToParameter (VexoBSequencer::Param::sequenceLength, lengthValue, true);
    stepsBox->setLookAndFeel (&auxiliaryLook);
}

void SequencerComponent::createPresetNameEditor()
{
    nameEditor = std::make_unique<juce::TextEditor>();
    restrictToPresetNames (*nameEditor);
    nameEditor->setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    nameEditor->setColour (juce::TextEditor::textColourId, captionText);
    nameEditor->setFont (juce::Font (captionFontHeight, juce::Font::plain));
    nameEditor->setSize (75, 20);
    widenForPresetNames (*nameEditor);

    presetCaption = makeCaption ("Preset: ", 75, true);

    // Typing renames the preset at once; a rename elsewhere shows here.
    preset->referToName (nameEditor->getTextValue());
    // A long name shows from its first letter.
    nameEditor->moveCaretToTop (false);

    addAndMakeVisible (*presetCaption);
    addAndMakeVisible (*nameEditor);
}

void SequencerComponent::createStartStopComboBox()
{
    startStopBox = createComboBox ("Start/Stop", {"ON/OFF", "TRANSPORT", "MIDI"}, this);
    startStopBox->setSize (100, 20);

    startStopCaption = makeCaption ("START/STOP TYPE:", 150, false);
    startStopCaption->attachToComponent (startStopBox.get(), true);

    addAndMakeVisible (*startStopBox);
    addAndMakeVisible (*startStopCaption);
    startStopBox->setLookAndFeel (&auxiliaryLook);

    startTypeValue.addListener (this);
    preset->getSequencer()->referToParameter (VexoBSequencer::Param::sequenceStartType, startTypeValue, true);
}

void SequencerComponent::createTable()
{
    table = std::make_unique<juce::TableListBox>();
    velocityView = new VelocityViewComponent();
    tableModel = std::make_unique<SequencerListBoxTableModel> (preset, velocityView);
    table->setModel (tableModel.get());

    auto& header = table->getHeader();
    header.addColumn ("PAD", StepColumnLayout::padColumnId, StepColumnLayout::padColumnWidth,
                      StepColumnLayout::padColumnWidth, StepColumnLayout::padColumnWidth, columnFlags);
    header.addColumn ("NOTE", StepColumnLayout::noteColumnId, StepColumnLayout::noteColumnWidth,
                      StepColumnLayout::noteColumnWidth, StepColumnLayout::noteColumnWidth, columnFlags);
    header.setLookAndFeel (&sequencerLook);

    // A scroll bar looks up its colours on itself, not on the table around it.
    for (auto* scrollBar : {&table->getVerticalScrollBar(), &table->getHorizontalScrollBar()})
    {
        scrollBar->setColour (juce::ScrollBar::backgroundColourId, juce::Colours::darkgrey);
        scrollBar->setColour (juce::ScrollBar::thumbColourId, juce::Colours::grey);
    }
    table->setRowHeight (rowHeight);
    table->getViewport()->setScrollBarThickness (CustomLookForAuxiliaryWindows::getScrollBarThickness());
    table->getViewport()->setLookAndFeel (&auxiliaryLook);

    for (int n = 1; n <= StepColumnLayout::numSteps; ++n)
        header.addColumn (juce::String (n), n, StepColumnLayout::stepColumnWidth,
                          StepColumnLayout::stepColumnWidth, StepColumnLayout::stepColumnWidth, columnFlags);
}

void SequencerComponent::createClearButton()
{
    clearButton = std::make_unique<juce::ImageButton>();
    const auto none = juce::Colours::transparentBlack;
    clearButton->setImages (true, false, true, getSkinImage (SkinImageId::sequencerClearNormal), 1.0f, none,
                            getSkinImage (SkinImageId::sequencerClearOver), 1.0f, none,
                            getSkinImage (SkinImageId::sequencerClearDown), 1.0f, none, 0.0f);
    clearButton->addListener (this);
    addAndMakeVisible (*clearButton);
}

void SequencerComponent::paint (juce::Graphics& g)
{
    g.fillAll (backgroundColour);
}

void SequencerComponent::resized()
{
    const auto width = getWidth();
    const auto height = getHeight();

    presetCaption->setTopLeftPosition (10, 10);
    nameEditor->setTopLeftPosition (presetCaption->getRight(), presetCaption->getY());
    stepsBox->setTopLeftPosition (nameEditor->getRight() + 100, nameEditor->getY());
    startStopBox->setTopLeftPosition (stepsBox->getRight() + 150, stepsBox->getY());

    table->setBounds (0, tableTop, width, height - tableTop - spaceBelowTable);
    velocityView->setBounds (0, table->getBottom(), width, height - table->getBottom());

    overlay->setBounds (0, tableTop, width, height - tableTop);
    overlay->toFront (false);
    auto& scrollBar = table->getVerticalScrollBar();
    overlay->setUncoveredArea (scrollBar.isVisible()
                                   ? overlay->getLocalArea (&scrollBar, scrollBar.getLocalBounds())
                                   : juce::Rectangle<int>());

    clearButton->setTopLeftPosition (width - 20 - clearButton->getWidth(), nameEditor->getY());
}

void SequencerComponent::comboBoxChanged (juce::ComboBox* box)
{
    // A box with nothing chosen stands for no value and writes none.
    if (box == stepsBox.get())
        writeComboBoxValue (*stepsBox, lengthValue);
    else if (box == startStopBox.get())
        writeComboBoxValue (*startStopBox, startTypeValue);
}

void SequencerComponent::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (lengthValue))
        showComboBoxValue (*stepsBox, (int)value.getValue());
    else if (value.refersToSameSourceAs (startTypeValue))
        showComboBoxValue (*startStopBox, (int)value.getValue());
}

void SequencerComponent::buttonClicked (juce::Button*)
{
    preset->getSequencer()->clearAllTracks();
}

void SequencerComponent::followColumns()
{
    const auto layout = StepColumnLayout::fromHeader (table->getHeader());
    overlay->setColumnLayout (layout);
    velocityView->setColumnLayout (layout);
}

void SequencerComponent::tableColumnsChanged (juce::TableHeaderComponent*)
{
    followColumns();
}

void SequencerComponent::tableColumnsResized (juce::TableHeaderComponent*)
{
    followColumns();
}
