#include "autopopulate/core/AutoPopulateFunction.h"

#include "autopopulate/core/ScaleNotes.h"
#include "model/VexoKnob.h"

#include <limits>

namespace
{
// A step of a run, held at the limits of int rather than wrapping round into range.
int offsetFrom (int start, int step)
{
    const auto value = (juce::int64)start + step;
    return (int)juce::jlimit ((juce::int64)std::numeric_limits<int>::min(),
                              (juce::int64)std::numeric_limits<int>::max(), value);
}

juce::Array<int> makeSequence (int start, int count, int direction)
{
    juce::Array<int> values;
    if (count <= 0)
        return values;

    values.ensureStorageAllocated (count);
    for (int i = 0; i < count; ++i)
        values.add (offsetFrom (start, direction * i));
    return values;
}

bool isOrder (int argument)
{
    return argument == AutoPopulateOrder::ascending || argument == AutoPopulateOrder::descending;
}

juce::Array<int> makeRun (int order, int start, int count)
{
    return order == AutoPopulateOrder::ascending ? makeAscendingSequence (start, count)
                                                 : makeDescendingSequence (start, count);
}
} // namespace

juce::StringArray AutoPopulateScale::getNames()
{
    return {"CHROMATIC",      "MAJOR",      "MINOR",  "PHRYGIAN", "MELODIC MINOR",
            "HARMONIC MINOR", "MIXOLYDIAN", "LYDIAN", "DORIAN",   "LOCRIAN"};
}

juce::Array<int> makeAscendingSequence (int start, int count)
{
    return makeSequence (start, count, 1);
}

juce::Array<int> makeDescendingSequence (int start, int count)
{
    return makeSequence (start, count, -1);
}

AutoPopulateFunction::AutoPopulateFunction (const ControlList* targetsToWrite, const juce::String& name)
    : targets (targetsToWrite)
    , parameterName (name)
{
}

AutoPopulateFunction::~AutoPopulateFunction() = default;

void AutoPopulateFunction::writeValuesToTargets (const juce::Array<int>& values) const
{
    if (targets == nullptr)
        return;

    for (int i = 0; i < targets->size(); ++i)
        if (const MEditorControl::Ptr target = (*targets)[i])
            target->setParameterValue (parameterName, i < values.size() ? values.getUnchecked (i) : 0);
}

StaticAutoPopulateFunction::StaticAutoPopulateFunction (const ControlList* targetsToWrite,
                                                        const juce::String& name)
    : AutoPopulateFunction (targetsToWrite, name)
{
}

void StaticAutoPopulateFunction::apply (int value)
{
    if (targets == nullptr)
        return;

    for (int i = 0; i < targets->size(); ++i)
        if (const MEditorControl::Ptr target = (*targets)[i])
            target->setParameterValue (parameterName, value);
}

AscendingOrDescendingAutoPopulateFunction::AscendingOrDescendingAutoPopulateFunction (
    const ControlList* targetsToWrite, const juce::String& name)
    : AutoPopulateFunctionFromStart (targetsToWrite, name)
{
}

void AscendingOrDescendingAutoPopulateFunction::apply (int order)
{
    // An order box with nothing chosen hands over 255: that is no order, and must not be taken for
    // a run of zeros.
    if (targets == nullptr || !isOrder (order))
        return;

    writeValuesToTargets (makeRun (order, start, targets->size()));
}

NoteScaleAutoPopulateFunction::NoteScaleAutoPopulateFunction (const ControlList* targetsToWrite,
                                                              const juce::String& name)
    : AutoPopulateFunctionFromStart (targetsToWrite, name)
{
}

void NoteScaleAutoPopulateFunction::apply (int scale)
{
    if (targets == nullptr)
        return;

    const auto count = targets->size();

    if (scale == AutoPopulateScale::chromatic)
    {
        writeValuesToTargets (makeAscendingSequence (start, count));
        return;
    }

    const auto noteOf = getScaleNoteFunction (scale);
    if (noteOf == nullptr)
        return;

    juce::Array<int> notes;
    notes.ensureStorageAllocated (count);
    for (int i = 0; i < count; ++i)
        notes.add (noteOf (start & 0xff, i & 0xff));
    writeValuesToTargets (notes);
}

SetNrpnMSBAndLSBFromValueAutoPopulateFunction::SetNrpnMSBAndLSBFromValueAutoPopulateFunction (
    const ControlList* targetsToWrite)
    : AutoPopulateFunctionFromStart (targetsToWrite, " ")
{
}

void SetNrpnMSBAndLSBFromValueAutoPopulateFunction::apply (int order)
{
    if (targets == nullptr || !isOrder (order))
        return;

    const auto values = makeRun (order, start, targets->size());

    for (int i = 0; i < targets->size(); ++i)
    {
        const MEditorControl::Ptr target = (*targets)[i];
        const auto value = i < values.size() ? values.getUnchecked (i) : 0;

        // Half a pair would be a different number: a value that has no pair leaves both halves.
        if (target == nullptr || value < 0 || value > 16383)
            continue;

        const auto [msb, lsb] = split14BitValue (value);
        target->setParameterValue (VexoKnob::Param::nrpnMsb, (int)msb);
        target->setParameterValue (VexoKnob::Param::nrpnLsb, (int)lsb);
    }
}
