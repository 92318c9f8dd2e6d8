#include "editor/lcd/KnobLCDView.h"

KnobLCDView::KnobLCDView (VexoKnob::Ptr knobToEdit, const juce::String& titleToShow)
    : LCDView (titleToShow)
    , knob (std::move (knobToEdit))
{
    typeBox = createKnobTypeComboBox (this);
    midiChannelBox = createMidiChannelComboBox (this);
    midiCcBox = createMidiCCNumberBox (nullptr);
    minBox = createMinNumberBox (nullptr);
    maxBox = createMaxNumberBox (nullptr);
    nrpnMsbBox = createNrpnMsbNumberBox (nullptr);
    nrpnLsbBox = createNrpnLsbNumberBox (nullptr);
    valueBox = createValueNumberBox (nullptr);
    midiToDinBox = createMidiToDinComboBox (this);

    choices.add (*typeBox, parameterType);
    choices.add (*midiChannelBox, midiChannel);
    choices.add (*midiToDinBox, toMidiDin);

    // Pages in type order: CC, AFTERTOUCH, INC/DEC 1, INC/DEC 2. The CC page's spacer is made as
    // that page is built, as large as the MIDI CHANNEL field then is.
    {
        LCDTypeView::Ptr page = new LCDTypeView();
        page->addComponent (typeBox.get());
        page->addComponent (midiChannelBox.get());
        page->addComponent (midiCcBox.get());
        spacer = std::make_unique<juce::Component> (juce::String());
        spacer->setSize (midiChannelBox->getWidth(), midiChannelBox->getHeight());
        page->addComponent (spacer.get());
        page->addComponent (minBox.get());
        page->addComponent (maxBox.get());
        page->addComponent (midiToDinBox.get());
        page->setSize (pageWidth, pageHeight);
        addTypeView (page);
    }
    addPage ({typeBox.get(), midiChannelBox.get(), minBox.get(), maxBox.get(), midiToDinBox.get()});
    addPage ({typeBox.get(), midiChannelBox.get(), nrpnMsbBox.get(), nrpnLsbBox.get(), valueBox.get(),
              midiToDinBox.get()});
    addPage ({typeBox.get(), midiChannelBox.get(), midiCcBox.get(), midiToDinBox.get()});

    using P = VexoKnob::Param;
    auto* control = knob.get();
    LCDChoiceBindings::bind (control, P::parameterType, parameterType, *this);
    LCDChoiceBindings::bind (control, P::ccNumber, *midiCcBox);
    LCDChoiceBindings::bind (control, P::minValue, *minBox);
    LCDChoiceBindings::bind (control, P::maxValue, *maxBox);
    LCDChoiceBindings::bind (control, P::nrpnLsb, *nrpnLsbBox);
    LCDChoiceBindings::bind (control, P::nrpnMsb, *nrpnMsbBox);
    LCDChoiceBindings::bind (control, P::nrpnValue, *valueBox);
    LCDChoiceBindings::bind (control, P::toMidiDin, toMidiDin, *this);
    LCDChoiceBindings::bind (control, P::midiChannel, midiChannel, *this);
}

KnobLCDView::~KnobLCDView()
{
    choices.stopListening (*this);
}

void KnobLCDView::resized()
{
    focusTypeBox (*typeBox);
}

void KnobLCDView::comboBoxChanged (juce::ComboBox* box)
{
    choices.writeChoice (box);
}

void KnobLCDView::valueChanged (juce::Value& value)
{
    if (choices.showChange (value) == typeBox.get())
        showType ((int)value.getValue(), *typeBox);
}
