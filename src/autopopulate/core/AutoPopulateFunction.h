#pragma once

#include "model/MEditorControl.h"

// The controls that one page of the tool writes, in the order in which they receive their values.
using ControlList = juce::ReferenceCountedArray<MEditorControl, juce::DummyCriticalSection>;

// The ORDER choice: the combo box's item identifier minus 1.
namespace AutoPopulateOrder
{
constexpr int ascending = 0;
constexpr int descending = 1;
} // namespace AutoPopulateOrder

// The SCALE choice, in the order the SCALE combo box lists the names.
namespace AutoPopulateScale
{
constexpr int chromatic = 0;
constexpr int major = 1;
constexpr int minor = 2;
constexpr int phrygian = 3;
constexpr int melodicMinor = 4;
constexpr int harmonicMinor = 5;
constexpr int mixolydian = 6;
constexpr int lydian = 7;
constexpr int dorian = 8;
constexpr int locrian = 9;
constexpr int numScales = 10;

// "CHROMATIC" to "LOCRIAN".
juce::StringArray getNames();
} // namespace AutoPopulateScale

// start, start + 1, ... and start, start - 1, ...: count values, none for a count below 1. The runs
// are not cut to any range (the controls refuse what does not fit); they only stop at the limits
// of int.
juce::Array<int> makeAscendingSequence (int start, int count);
juce::Array<int> makeDescendingSequence (int start, int count);

// Writes one named parameter into every control of a target list, one value per control: target i
// gets value i. The list is the page's, read afresh at every apply, so the banks chosen since the
// function was made are the ones written. A value a control refuses leaves that control as it was.
class AutoPopulateFunction : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateFunction>;

    ~AutoPopulateFunction() override;

    // The argument is the row editor's value, one byte; what it means depends on the kind.
    virtual void apply (int argument) = 0;

    const juce::String& getParameterName() const noexcept { return parameterName; }

protected:
    // The list is not owned: it belongs to the page, which outlives every function it makes.
    AutoPopulateFunction (const ControlList* targets, const juce::String& parameterName);

    // Target i gets values[i], or 0 past the end of the values.
    void writeValuesToTargets (const juce::Array<int>& values) const;

    const ControlList* const targets;
    const juce::String parameterName;

private:
    JUCE_DECLARE_NON_COPYABLE (AutoPopulateFunction)
};

// The argument itself, into every target.
class StaticAutoPopulateFunction final : public virtual juce::ReferenceCountedObject,
                                         public AutoPopulateFunction
{
public:
    StaticAutoPopulateFunction (const ControlList* targets, const juce::String& parameterName);

    void apply (int value) override;
};

// The kinds that count from a start value, which the area owning the function keeps up to date
// with its START box.
class AutoPopulateFunctionFromStart : public AutoPopulateFunction
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateFunctionFromStart>;

    int start = 0;

protected:
    using AutoPopulateFunction::AutoPopulateFunction;
};

// A run up or down from start; the argument is the order. Any other argument writes nothing.
class AscendingOrDescendingAutoPopulateFunction final : public virtual juce::ReferenceCountedObject,
                                                        public AutoPopulateFunctionFromStart
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AscendingOrDescendingAutoPopulateFunction>;

    AscendingOrDescendingAutoPopulateFunction (const ControlList* targets, const juce::String& parameterName);

    void apply (int order) override;
};

// Notes from the root note in start; the argument is the scale. Chromatic counts up from start,
// the others step through their seven-note table. Any other argument writes nothing.
class NoteScaleAutoPopulateFunction final : public virtual juce::ReferenceCountedObject,
                                            public AutoPopulateFunctionFromStart
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<NoteScaleAutoPopulateFunction>;

    NoteScaleAutoPopulateFunction (const ControlList* targets, const juce::String& parameterName);

    void apply (int scale) override;
};

// A run of 14-bit values up or down from start, each written as its two 7-bit halves into "NRPN
// MSB" and "NRPN LSB". A value outside 0..16383 leaves its target whole. Any argument but an order
// writes nothing.
class SetNrpnMSBAndLSBFromValueAutoPopulateFunction final : public AutoPopulateFunctionFromStart,
                                                            public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SetNrpnMSBAndLSBFromValueAutoPopulateFunction>;

    explicit SetNrpnMSBAndLSBFromValueAutoPopulateFunction (const ControlList* targets);

    void apply (int order) override;
};
