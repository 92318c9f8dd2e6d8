#include "editor/lcd/FaderLCDView.h"

FaderLCDView::FaderLCDView (VexoFader::Ptr faderToEdit, const juce::String& titleToShow)
    : LCDView (titleToShow)
    , fader (std::move (faderToEdit))
{
    typeBox = createFaderTypeComboBox (this);
    midiChannelBox = createMidiChannelComboBox (this);
    midiCcBox = createMidiCCNumberBox (nullptr);
    minBox = createMinNumberBox (nullptr);
    maxBox = createMaxNumberBox (nullptr);
    midiToDinBox = createMidiToDinComboBox (this);

    choices.add (*typeBox, parameterType);
    choices.add (*midiChannelBox, midiChannel);
    choices.add (*midiToDinBox, toMidiDin);

    // Pages in type order: CC, AFTERTOUCH. The CC page's spacer is made as that page is built, as
    // large as the MIDI TO DIN field then is.
    {
        LCDTypeView::Ptr page = new LCDTypeView();
        page->addComponent (typeBox.get());
        page->addComponent (midiChannelBox.get());
        page->addComponent (midiCcBox.get());
        spacer = std::make_unique<juce::Component> (juce::String());
        spacer->setSize (midiToDinBox->getWidth(), midiToDinBox->getHeight());
        page->addComponent (spacer.get());
        page->addComponent (minBox.get());
        page->addComponent (maxBox.get());
        page->addComponent (midiToDinBox.get());
        page->setSize (pageWidth, pageHeight);
        addTypeView (page);
    }
    addPage ({typeBox.get(), midiChannelBox.get(), minBox.get(), maxBox.get(), midiToDinBox.get()});

    using P = VexoFader::Param;
    auto* control = fader.get();
    LCDChoiceBindings::bind (control, P::parameterType, parameterType, *this);
    LCDChoiceBindings::bind (control, P::midiChannel, midiChannel, *this);
    LCDChoiceBindings::bind (control, P::toMidiDin, toMidiDin, *this);
    LCDChoiceBindings::bind (control, P::ccNumber, *midiCcBox);
    LCDChoiceBindings::bind (control, P::minValue, *minBox);
    LCDChoiceBindings::bind (control, P::maxValue, *maxBox);
}

FaderLCDView::~FaderLCDView()
{
    choices.stopListening (*this);
}

void FaderLCDView::resized()
{
    focusTypeBox (*typeBox);
}

void FaderLCDView::comboBoxChanged (juce::ComboBox* box)
{
    choices.writeChoice (box);
}

void FaderLCDView::valueChanged (juce::Value& value)
{
    if (choices.showChange (value) == typeBox.get())
    {
        showType ((int)value.getValue(), *typeBox);
        resized();
    }
}
