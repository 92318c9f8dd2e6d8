#include "editor/lcd/CommonParametersLCDView.h"

#include "editor/lcd/LCDTypeView.h"
#include "widgets/ChoiceLists.h"
#include "widgets/ComboBoxValue.h"
#include "widgets/PresetNameInput.h"

#include <iterator>
#include <utility>

namespace
{
constexpr int rowHeight = 20;
constexpr int captionsInFirstColumn = 5;
constexpr float captionFontHeight = 15.0f; // a label's own
constexpr int gapBeforeEditor = 2;

struct Place
{
    int x;
    int y;
};

// Where each editor stands, in the order the fields are made.
constexpr Place editorPlaces[] = {{50, 0},   {50, 20},  {50, 40},  {50, 60},
                                  {100, 80}, {208, 20}, {208, 40}, {208, 60}};

juce::String validNameStart (const juce::String& name)
{
    juce::String valid;

    for (auto character : name)
    {
        if (valid.length() == VexoEditorPreset::nameSize)
            break;

        if (character >= 1 && character <= 127)
            valid += juce::String::charToString (character);
    }

    return valid;
}
} // namespace

template <typename EditorType>
EditorType& CommonParametersLCDView::addField (std::unique_ptr<EditorType>& field,
                                               std::unique_ptr<EditorType> made, const juce::String& name,
                                               int editorWidth, int captionWidth)
{
    field = std::move (made);
    field->setSize (editorWidth, rowHeight);
    addAndMakeVisible (field.get());

    auto* caption = captions.add (new juce::Label());
    caption->setText (name + ":", juce::dontSendNotification);
    caption->setSize (captionWidth, rowHeight);
    addAndMakeVisible (caption);

    return *field;
}

CommonParametersLCDView::CommonParametersLCDView (VexoEditorPreset::Ptr presetToEdit,
                                                  VexoTransport::Ptr transportToEdit)
    : preset (std::move (presetToEdit))
    , transport (std::move (transportToEdit))
{
    using namespace ChoiceLists;

    auto nameEditor = std::make_unique<juce::TextEditor> (juce::String());
    nameEditor->setName ("PRESET");
    restrictToPresetNames (*nameEditor);
    nameEditor->setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    nameEditor->setColour (juce::TextEditor::textColourId, juce::Colours::white);
    addField (presetEditor, std::move (nameEditor), "PRESET", 80, 60);
    widenForPresetNames (*presetEditor); // nothing else shares its row
    presetEditor->addListener (this);

    addField (tempoBox, createNumberBox ("TEMPO", 30, 300), "TEMPO", 35, 52);
    addField (swingBox, createNumberBox ("SWING", 50, 75), "SWING", 35, 52);
    addField (gateBox, createNumberBox ("GATE", 1, 99), "GATE", 35, 52);
    addField (timeDivisionBox, createComboBox ("TIME DIVISION", getTimeDivisionNames(), this),
              "TIME DIVISION", 100, 100);
    addField (repeatSwitchBox, createComboBox ("NOTE REPEAT SWITCH", getRepeatModeNames(), this),
              "NOTE REPEAT SWITCH", 85, 130);
    addField (timeDivisionSwitchBox, createComboBox ("TIME DIV SWITCH", getRepeatModeNames(), this),
              "TIME DIV SWITCH", 85, 130);
    addField (transportTypeBox, createComboBox ("TRANSPORT TYPE", getTransportTypeNames(), this),
              "TRANSPORT TYPE", 85, 110);

    using P = VexoTransport::Param;

    if (transport != nullptr)
    {
        transport->referToParameter (P::gate, gateBox->getTextValue(), true);
        transport->referToParameter (P::swing, swingBox->getTextValue(), true);
    }

    repeatToggle.addListener (this);
    timeDivisionToggle.addListener (this);
    transportType.addListener (this);

    if (transport != nullptr)
    {
        transport->referToParameter (P::repeatToggle, repeatToggle, true);
        transport->referToParameter (P::timeDivisionToggle, timeDivisionToggle, true);
        transport->referToParameter (P::transportType, transportType, true);
    }

    timeDivision.addListener (this);

    if (transport != nullptr)
    {
        transport->referToParameter (P::bpm, tempoBox->getTextValue(), true);
        transport->referToParameter (P::timeDivision, timeDivision, true);
    }

    if (preset != nullptr)
    {
        preset->referToName (presetEditor->getTextValue());
        presetName.addListener (this);
        preset->referToName (presetName);
    }
}

CommonParametersLCDView::~CommonParametersLCDView()
{
    for (auto* value : {&timeDivision, &repeatToggle, &timeDivisionToggle, &transportType})
        value->removeListener (this);

    presetName.removeListener (this);
    presetEditor->removeListener (this);
}

void CommonParametersLCDView::comboBoxChanged (juce::ComboBox* box)
{
    if (box == timeDivisionBox.get())
        writeComboBoxValue (*box, timeDivision);
    else if (box == repeatSwitchBox.get())
        writeComboBoxValue (*box, repeatToggle);
    else if (box == timeDivisionSwitchBox.get())
        writeComboBoxValue (*box, timeDivisionToggle);
    else if (box == transportTypeBox.get())
        writeComboBoxValue (*box, transportType);
}

void CommonParametersLCDView::valueChanged (juce::Value& value)
{
    const std::pair<juce::Value*, juce::ComboBox*> choices[] = {
        {&timeDivision, timeDivisionBox.get()},
        {&repeatToggle, repeatSwitchBox.get()},
        {&timeDivisionToggle, timeDivisionSwitchBox.get()},
        {&transportType, transportTypeBox.get()}};

    for (auto& [bound, box] : choices)
    {
        if (bound->refersToSameSourceAs (value))
        {
            showComboBoxValue (*box, (int)value.getValue());
            return;
        }
    }

    if (preset != nullptr && value.refersToSameSourceAs (presetName))
        if (!preset->setName (value.toString()))
            keepNameValid (value.toString());
}

void CommonParametersLCDView::textEditorTextChanged (juce::TextEditor& editor)
{
    if (&editor != presetEditor.get() || preset == nullptr)
        return;

    // The editor's text reached the name as it changed, through the value they share. This message
    // may have waited while the name changed again (a preset loaded into this one): the name is
    // then the newer of the two, and the editor is about to show it. Writing the editor's text
    // back now would undo that change.
    const auto name = preset->getName();

    if (!preset->setName (name))
        keepNameValid (name);
}

void CommonParametersLCDView::keepNameValid (const juce::String& name)
{
    const auto valid = validNameStart (name);
    preset->setName (valid);
    presetEditor->setText (valid, false);
}

void CommonParametersLCDView::resized()
{
    for (int i = 0; i < captions.size(); ++i)
    {
        auto* caption = captions.getUnchecked (i);

        if (i < captionsInFirstColumn)
            caption->setTopLeftPosition (0, i * rowHeight);
        else
            caption->setTopLeftPosition (80, (i - captionsInFirstColumn + 1) * rowHeight);

        caption->setColour (juce::Label::textColourId, juce::Colours::white);
    }

    juce::Component* editors[] = {presetEditor.get(),
                                  tempoBox.get(),
                                  swingBox.get(),
                                  gateBox.get(),
                                  timeDivisionBox.get(),
                                  repeatSwitchBox.get(),
                                  timeDivisionSwitchBox.get(),
                                  transportTypeBox.get()};

    for (size_t i = 0; i < std::size (editors); ++i)
        editors[i]->setTopLeftPosition (editorPlaces[i].x, editorPlaces[i].y);

    // Captions overlap their editors; each shows whole before its editor, all in one font.
    auto height = captionFontHeight;
    for (int i = 0; i < captions.size(); ++i)
    {
        const auto* caption = captions.getUnchecked (i);
        const auto textArea = caption->getBorderSize().subtractedFrom (caption->getBounds());
        const auto right = juce::jmin (textArea.getRight(), editors[i]->getX() - gapBeforeEditor);
        height =
            LCDTypeView::fittingFontHeight (caption->getText(), (float)(right - textArea.getX()), height);
    }
    for (auto* caption : captions)
        caption->setFont (juce::Font (height, juce::Font::plain));
}
