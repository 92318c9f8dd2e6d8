#include "dialogs/MidiSetupComponent.h"

#include "text/UiText.h"
#include "widgets/SkinImages.h"

namespace
{
constexpr int listY = 95;
constexpr int captionY = 70;
constexpr int captionHeight = 20;
constexpr int buttonY = 220;
constexpr int titleY = 20;

const juce::Colour scrollBarTrackColour (85, 85, 85);
const juce::Colour scrollBarThumbColour (128, 128, 128);

void styleList (juce::ListBox& list, juce::LookAndFeel& look)
{
    list.setColour (juce::ListBox::backgroundColourId, juce::Colours::black);

    auto& scrollBar = list.getVerticalScrollBar();
    scrollBar.setColour (juce::ScrollBar::backgroundColourId, scrollBarTrackColour);
    scrollBar.setColour (juce::ScrollBar::thumbColourId, scrollBarThumbColour);
    if (auto* viewport = list.getViewport())
    {
        viewport->setScrollBarThickness (CustomLookForAuxiliaryWindows::getScrollBarThickness());
        // Scrolling by dragging would leave every selection to the release of a touch, where the
        // list's model takes a click as one on the selected row, to deselect it.
        viewport->setScrollOnDragMode (juce::Viewport::ScrollOnDragMode::never);
    }

    list.setLookAndFeel (&look);
    list.setColour (juce::ListBox::backgroundColourId,
                    CustomLookForAuxiliaryWindows::getListBoxBackgroundColour());
    list.setSize (MidiSetupComponent::listWidth, MidiSetupComponent::listHeight);
}

// Selects every row of that name, the others deselected first; with several, the last stays.
void selectRowsNamed (juce::ListBox& list, const MidiDeviceListBoxModel& model, const juce::String& name)
{
    const auto& names = model.getNames();
    for (int row = 0; row < names.size(); ++row)
        if (names[row] == name)
            list.selectRow (row, false, true);
}
} // namespace

MidiSetupComponent::MidiSetupComponent (ReferenceCountedImageButton::Ptr ok,
                                        ReferenceCountedImageButton::Ptr cancel,
                                        ReferenceCountedImageButton::Ptr apply)
    : inputList ({}, &inputModel)
    , outputList ({}, &outputModel)
    , okButton (std::move (ok))
    , cancelButton (std::move (cancel))
    , applyButton (std::move (apply))
{
    jassert (okButton != nullptr && cancelButton != nullptr && applyButton != nullptr);

    addAndMakeVisible (*okButton);
    addAndMakeVisible (*cancelButton);
    addAndMakeVisible (*applyButton);

    addAndMakeVisible (inputList);
    addAndMakeVisible (outputList);

    for (auto* caption : {&inputCaption, &outputCaption})
    {
        addAndMakeVisible (*caption);
        caption->setFont (juce::Font (20.0f, juce::Font::plain));
        caption->setColour (juce::Label::textColourId, juce::Colours::black);
    }
    inputCaption.setText (UiText::inputHeading, juce::dontSendNotification);
    outputCaption.setText (UiText::outputHeading, juce::dontSendNotification);

    setSize (getSkinImage (SkinImageId::dialogBackground).getWidth(), panelHeight);
    setLookAndFeel (&look);

    styleList (inputList, look);
    styleList (outputList, look);

    inputCaption.setSize (listWidth, captionHeight);
    outputCaption.setSize (listWidth, captionHeight);
    repaint();
}

MidiSetupComponent::~MidiSetupComponent()
{
    inputList.setLookAndFeel (nullptr);
    outputList.setLookAndFeel (nullptr);
    setLookAndFeel (nullptr);
    removeAllChildren();
}

void MidiSetupComponent::refreshDeviceLists (const MidiManager& manager)
{
    // A selection left over from an earlier filling would stand for a row that may hold another
    // name now.
    inputList.deselectAllRows();
    outputList.deselectAllRows();
    inputModel.clear();
    outputModel.clear();

    for (const auto& name : manager.getAvailableInputNames())
        inputModel.addName (name);
    for (const auto& name : manager.getAvailableOutputNames())
        outputModel.addName (name);

    outputList.updateContent();
    inputList.updateContent();

    const auto openInputs = manager.getOpenInputNames();
    if (!openInputs.isEmpty())
        selectRowsNamed (inputList, inputModel, openInputs[0]);

    const auto openOutputs = manager.getOpenOutputNames();
    if (!openOutputs.isEmpty())
        selectRowsNamed (outputList, outputModel, openOutputs[0]);
}

juce::String MidiSetupComponent::getSelectedInputName() const
{
    return inputModel.getSelectedName();
}

juce::String MidiSetupComponent::getSelectedOutputName() const
{
    return outputModel.getSelectedName();
}

void MidiSetupComponent::resized()
{
    inputList.setBounds (20, listY, listWidth, listHeight);
    inputCaption.setTopLeftPosition (20, captionY);
    outputList.setTopLeftPosition (outputColumnX, listY);
    outputCaption.setTopLeftPosition (outputList.getX(), captionY);
    cancelButton->setTopLeftPosition (inputList.getX(), buttonY);
    applyButton->setTopLeftPosition (applyButtonX, cancelButton->getY());
    okButton->setTopLeftPosition (okButtonX, buttonY);
}

void MidiSetupComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (getSkinImage (SkinImageId::dialogBackground), 0, 0);

    const auto title = getSkinImage (SkinImageId::midiSetupTitle);
    g.drawImageAt (title, (getWidth() - title.getWidth()) / 2, titleY);

    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (juce::Rectangle<int> (20, listY, listWidth, listHeight).toFloat(), 2.0f);
    g.fillRoundedRectangle (juce::Rectangle<int> (outputColumnX, listY, listWidth, listHeight).toFloat(),
                            2.0f);
}
