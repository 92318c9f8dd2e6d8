#include "ModelTestHelpers.h"
#include "support/MessageLoop.h"

#include "model/VexoKnob.h"
#include "model/VexoPad.h"
#include "model/VexoTransport.h"

#include <gtest/gtest.h>

namespace
{
class TwoParameterControl : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    TwoParameterControl()
    {
        addParameter ("Level", 10, 2, 5);
        addParameter ("Level", 100, 50, 60); // the first declaration must win
        addParameter ("Mode", juce::Value (juce::var (3)), juce::Value (juce::var (1)),
                      juce::Value (juce::var (1)));
    }

    juce::String getTypeName() const override { return "TEST"; }
    juce::Array<juce::uint8> toBytes() const override { return {}; }
    bool validateBytes (const juce::Array<juce::uint8>&) const override { return true; }
    bool fromBytes (const juce::Array<juce::uint8>&) override { return true; }
};

class CountingValueListener : public juce::Value::Listener
{
public:
    void valueChanged (juce::Value& value) override
    {
        ++calls;
        lastValue = value.getValue();
    }

    int calls = 0;
    juce::var lastValue;
};
} // namespace

TEST (ControlParameters, BoundsAreInclusiveAndValuesOutsideAreIgnored)
{
    VexoTransport transport;

    transport.setParameterValue (VexoTransport::Param::bpm, 300);
    EXPECT_EQ (transport.getParameterInt (VexoTransport::Param::bpm), 300);
    transport.setParameterValue (VexoTransport::Param::bpm, 301);
    EXPECT_EQ (transport.getParameterInt (VexoTransport::Param::bpm), 300);
    transport.setParameterValue (VexoTransport::Param::bpm, 30);
    EXPECT_EQ (transport.getParameterInt (VexoTransport::Param::bpm), 30);
    transport.setParameterValue (VexoTransport::Param::bpm, juce::Value (juce::var (29)));
    EXPECT_EQ (transport.getParameterInt (VexoTransport::Param::bpm), 30);

    EXPECT_TRUE (transport.isWithinRange (VexoTransport::Param::gate, 1));
    EXPECT_FALSE (transport.isWithinRange (VexoTransport::Param::gate, 0));
    EXPECT_TRUE (transport.isWithinRange (VexoTransport::Param::gate, juce::Value (juce::var (99))));
    EXPECT_FALSE (transport.isWithinRange (VexoTransport::Param::gate, juce::Value (juce::var (100))));
}

TEST (ControlParameters, NumbersHeldAsTextAreRangeCheckedAsIntegers)
{
    VexoPad pad;
    pad.setParameterValue (VexoPad::Param::colorOn, juce::Value (juce::var ("17")));
    EXPECT_EQ (pad.getParameterInt (VexoPad::Param::colorOn), 17);
    pad.setParameterValue (VexoPad::Param::colorOn, juce::Value (juce::var ("18")));
    EXPECT_EQ (pad.getParameterInt (VexoPad::Param::colorOn), 17);
}

TEST (ControlParameters, UnknownNamesChangeNothing)
{
    VexoPad pad;
    const auto before = model_testing::describe (pad);

    EXPECT_TRUE (pad.getParameterValue (VexoKnob::Param::toMidiDin)
                     .getValue()
                     .isVoid()); // the knob's spelling, not the pad's
    EXPECT_FALSE (pad.isWithinRange ("No Such Name", 0));
    pad.setParameterValue ("No Such Name", 1);

    juce::Value target (juce::var (42));
    EXPECT_FALSE (pad.referToParameter ("No Such Name", target, true));
    EXPECT_EQ ((int)target.getValue(), 42);

    EXPECT_EQ (model_testing::describe (pad), before);
    EXPECT_EQ (pad.getParameterNames().size(), 11);
}

TEST (ControlParameters, FirstDeclarationWinsAndCallersValuesAreCopied)
{
    TwoParameterControl control;

    EXPECT_EQ (control.getParameterInt ("Level"), 5);
    EXPECT_TRUE (control.isWithinRange ("Level", 10));
    EXPECT_FALSE (control.isWithinRange ("Level", 50));

    juce::Value max (juce::var (3)), min (juce::var (0)), initial (juce::var (2));
    control.addParameter ("Copied", max, min, initial);
    max = 100;
    initial = 99;
    EXPECT_EQ (control.getParameterInt ("Copied"), 2);
    EXPECT_FALSE (control.isWithinRange ("Copied", 4));
}

TEST (ControlParameters, BoundValuesShareTheParameterAndAreNotRangeChecked)
{
    VexoPad pad;
    pad.setParameterValue (VexoPad::Param::midiNote, 60);

    auto fromModel = pad.getParameterValue (VexoPad::Param::midiNote);
    juce::Value widget (juce::var (0));
    ASSERT_TRUE (pad.referToParameter (VexoPad::Param::midiNote, widget, false));
    EXPECT_EQ ((int)widget.getValue(), 60);

    widget = 61;
    EXPECT_EQ ((int)fromModel.getValue(), 61);
    fromModel = 62;
    EXPECT_EQ ((int)widget.getValue(), 62);

    // A direct write through a bound value is the editor's business and is not limited.
    fromModel = 200;
    EXPECT_EQ (pad.getParameterInt (VexoPad::Param::midiNote), 200);
}

TEST (ControlParameters, ListenersOfABoundValueHearLaterChangesOnTheMessageThread)
{
    VexoPad pad;
    juce::Value widget;
    ASSERT_TRUE (pad.referToParameter (VexoPad::Param::programNumber, widget, true));

    CountingValueListener listener;
    widget.addListener (&listener);

    pad.setParameterValue (VexoPad::Param::programNumber, 5);
    pad.setParameterValue (VexoPad::Param::programNumber, 6);
    EXPECT_EQ (listener.calls, 0);

    EXPECT_TRUE (testing_support::pumpUntil ([&] { return listener.calls > 0; }));
    testing_support::pumpMessages (20);
    EXPECT_EQ (listener.calls, 1); // several stores in a row arrive as one change with the last value
    EXPECT_EQ ((int)listener.lastValue, 6);
    widget.removeListener (&listener);
}

TEST (ControlParameters, BindingAdoptsTheParametersValue)
{
    VexoPad pad;
    juce::Value widget (juce::var (9));
    ASSERT_TRUE (pad.referToParameter (VexoPad::Param::colorOff, widget, true));
    EXPECT_EQ ((int)widget.getValue(), 0); // the widget takes the parameter's value, never the reverse
    EXPECT_EQ (pad.getParameterInt (VexoPad::Param::colorOff), 0);
}

TEST (FourteenBitValues, SplitHighFirstAndJoinBack)
{
    EXPECT_EQ (split14BitValue (300), std::make_pair ((juce::uint8)2, (juce::uint8)44));
    EXPECT_EQ (split14BitValue (16383), std::make_pair ((juce::uint8)127, (juce::uint8)127));
    EXPECT_EQ (split14BitValue (0), std::make_pair ((juce::uint8)0, (juce::uint8)0));
    EXPECT_EQ (join14BitValue (2, 44), 300);
    EXPECT_EQ (join14BitValue (127, 127), 16383);
    EXPECT_EQ (join14BitValue (0, 200), 200); // both read unsigned

    for (int value = 0; value <= 16383; value += 97)
    {
        auto parts = split14BitValue (value);
        EXPECT_EQ (join14BitValue (parts.first, parts.second), value);
    }
}
