#include "autopopulate/core/AutoPopulateFunction.h"
#include "autopopulate/core/ControlSorter.h"
#include "autopopulate/core/ScaleNotes.h"
#include "model/ControlBank.h"
#include "model/VexoFader.h"
#include "model/VexoKnob.h"
#include "model/VexoPad.h"
#include "model/VexoSwitch.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

// One fill over one page's controls: the bank flags, the kind of fill, its argument, its start and
// the parameter it writes all come from the input. Whatever they are, no control ends up with a value
// outside a parameter's range, the controls of banks not chosen are untouched, and each target holds
// either the value the fill meant for it or, where that value does not fit, what it held before.
//
// Input: kind of control, kind of fill, argument, start (four bytes, low first), parameter, then one
// bank flag per byte (its lowest bit).
namespace
{
struct Page
{
    ControlList all;
    int perBank = 0;
    int banks = 0;
};

Page makePage (int kind)
{
    Page page;
    const auto add = [&page] (auto* control, int index)
    {
        // Start every parameter off its initial value, so that a write of 0 shows too.
        for (auto& name : control->getParameterNames())
        {
            auto data = control->getParameterData (name);
            const int min = data->min.getValue(), max = data->max.getValue();
            control->setParameterValue (name, min + (index * 7 + name.length()) % (max - min + 1));
        }
        page.all.add (control);
    };

    switch (kind)
    {
        case 0:
            page.perBank = ControlBank::padsPerBank;
            page.banks = ControlBank::numPadBanks;
            for (int i = 0; i < ControlBank::numPads; ++i)
                add (new VexoPad(), i);
            break;
        case 1:
            page.perBank = ControlBank::controlsPerBank;
            page.banks = ControlBank::numControlBanks;
            for (int i = 0; i < ControlBank::numKnobs; ++i)
                add (new VexoKnob(), i);
            break;
        case 2:
            page.perBank = ControlBank::controlsPerBank;
            page.banks = ControlBank::numControlBanks;
            for (int i = 0; i < ControlBank::numFaders; ++i)
                add (new VexoFader(), i);
            break;
        default:
            page.perBank = ControlBank::controlsPerBank;
            page.banks = ControlBank::numControlBanks;
            for (int i = 0; i < ControlBank::numSwitches; ++i)
                add (new VexoSwitch(), i);
            break;
    }
    return page;
}

// What target i should be given, worked out on its own terms; none where the fill gives nothing.
std::optional<juce::int64> intended (int fill, int argument, int start, int i)
{
    switch (fill)
    {
        case 0:
            return argument;
        case 1:
        case 3:
            if (argument == 0)
                return (juce::int64)start + i;
            if (argument == 1)
                return (juce::int64)start - i;
            return std::nullopt;
        default:
            if (argument == 0)
                return (juce::int64)start + i;
            if (argument >= 1 && argument <= 9)
            {
                static const ScaleTable tables[]{
                    ScaleTables::major,        ScaleTables::minor,         ScaleTables::phrygian,
                    ScaleTables::melodicMinor, ScaleTables::harmonicMinor, ScaleTables::mixolydian,
                    ScaleTables::lydian,       ScaleTables::dorian,        ScaleTables::locrian};
                const auto degree = i & 255;
                return ((start & 255) + tables[argument - 1][(size_t)(degree % 7)] + 12 * (degree / 7)) & 255;
            }
            return std::nullopt;
    }
}

bool fits (const MEditorControl& control, const juce::String& name, juce::int64 value)
{
    auto data = control.getParameterData (name);
    return data != nullptr && value >= (int)data->min.getValue() && value <= (int)data->max.getValue();
}

void check (bool condition)
{
    if (!condition)
        abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size < 8 || size > 64)
        return 0;

    const int kind = data[0] % 4;
    const int fill = data[1] % 4;
    const int argument = data[2];
    const int start =
        (int)((uint32_t)data[3] | (uint32_t)data[4] << 8 | (uint32_t)data[5] << 16 | (uint32_t)data[6] << 24);

    // Building controls costs far more than loading them, so each kind's page is built once and
    // every run starts it from the same values again.
    static Page pages[]{makePage (0), makePage (1), makePage (2), makePage (3)};
    static const auto startingRecords = []
    {
        std::vector<std::vector<juce::Array<juce::uint8>>> records (4);
        for (size_t k = 0; k < 4; ++k)
            for (auto* control : pages[k].all)
                records[k].push_back (control->toBytes());
        return records;
    }();

    auto& page = pages[kind];
    for (int i = 0; i < page.all.size(); ++i)
        if (!page.all[i]->fromBytes (startingRecords[(size_t)kind][(size_t)i]))
            abort();

    const auto names = page.all[0]->getParameterNames();
    const auto parameter = names[data[7] % names.size()];

    juce::Array<bool> flags;
    for (size_t i = 8; i < size; ++i)
        flags.add ((data[i] & 1) != 0);

    ControlList targets;
    GenericSorted<ControlList> sorter (&page.all, &targets, page.perBank, page.banks);
    sorter.sort (flags);

    // The targets are the chosen banks' controls, in order, and nothing else.
    int expectedCount = 0;
    for (int bank = 0; bank < juce::jmin (flags.size(), page.banks); ++bank)
        if (flags[bank])
        {
            for (int position = 0; position < page.perBank; ++position)
                check (targets[expectedCount + position] == page.all[bank * page.perBank + position]);
            expectedCount += page.perBank;
        }
    check (targets.size() == expectedCount);

    std::vector<std::map<juce::String, int>> before;
    for (auto* control : page.all)
    {
        auto& values = before.emplace_back();
        for (auto& name : names)
            values[name] = control->getParameterInt (name);
    }

    AutoPopulateFunctionFromStart::Ptr counting;
    AutoPopulateFunction::Ptr function;
    switch (fill)
    {
        case 0:
            function = new StaticAutoPopulateFunction (&targets, parameter);
            break;
        case 1:
            function = counting = new AscendingOrDescendingAutoPopulateFunction (&targets, parameter);
            break;
        case 2:
            function = counting = new NoteScaleAutoPopulateFunction (&targets, parameter);
            break;
        default:
            function = counting = new SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&targets);
            break;
    }
    if (counting != nullptr)
        counting->start = start;

    function->apply (argument);

    for (int index = 0; index < page.all.size(); ++index)
    {
        auto& control = *page.all[index];

        for (auto& name : control.getParameterNames())
            check (fits (control, name, control.getParameterInt (name)));

        const auto& old = before[(size_t)index];
        const auto position = targets.indexOf (&control);
        if (position < 0)
        {
            for (auto& name : names)
                check (control.getParameterInt (name) == old.at (name));
            continue;
        }

        const auto value = intended (fill, argument, start, position);
        const auto written = [&] (const juce::String& name, std::optional<juce::int64> wanted)
        {
            const auto now = control.getParameterInt (name);
            const auto found = old.find (name);
            if (wanted.has_value() && fits (control, name, *wanted))
                check (now == *wanted);
            else
                check (now == (found != old.end() ? found->second : 0));
        };

        // Only the fill's own parameters change.
        for (auto& name : names)
            if (fill == 3 ? name != VexoKnob::Param::nrpnMsb && name != VexoKnob::Param::nrpnLsb
                          : name != parameter)
                check (control.getParameterInt (name) == old.at (name));

        if (fill == 3)
        {
            // Both halves of a pair, or neither.
            const bool whole = value.has_value() && *value >= 0 && *value <= 16383;
            written (VexoKnob::Param::nrpnMsb,
                     whole ? std::optional<juce::int64> (*value / 128) : std::nullopt);
            written (VexoKnob::Param::nrpnLsb,
                     whole ? std::optional<juce::int64> (*value % 128) : std::nullopt);
        }
        else
        {
            written (parameter, value);
        }
    }
    return 0;
}
