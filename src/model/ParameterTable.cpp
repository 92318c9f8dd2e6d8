#include "model/ParameterTable.h"

#include "model/MEditorControl.h"

#include <algorithm>
#include <cstring>

ParameterTable::ParameterTable (std::vector<Entry> tableEntries, int sizeOfRecord,
                                std::vector<int> bytesThatMustBeZero)
    : entries (std::move (tableEntries))
    , zeroBytes (std::move (bytesThatMustBeZero))
    , ranges (sizeOfRecord)
    , recordSize (sizeOfRecord)
{
    std::vector<bool> covered ((size_t)recordSize, false);

    for (int i = 0; i < size(); ++i)
    {
        const auto& entry = entries[(size_t)i];
        const Field field{i,
                          entry.offset,
                          entry.min,
                          entry.max,
                          entry.encoding == Encoding::fourteenBit,
                          entry.outOfRange == OutOfRange::refusesRecord};
        const int width = field.fourteenBit ? 2 : 1;
        jassert (entry.offset >= 0 && entry.offset + width <= recordSize);

        namesInOrder.push_back ({entry.name, i});
        fields.push_back (field);

        for (int b = 0; b < width; ++b)
            covered[(size_t)(entry.offset + b)] = true;

        if (!field.refusesRecord)
            continue;

        if (field.fourteenBit)
            ranges.limitJoinedPair (entry.offset, entry.min, entry.max);
        else
            ranges.limit (entry.offset, entry.min, entry.max);
    }

    for (int b = 0; b < recordSize; ++b)
    {
        if (!covered[(size_t)b])
            fixedBytes.push_back (b);
        else if (!fieldRuns.empty() && fieldRuns.back().offset + fieldRuns.back().size == b)
            ++fieldRuns.back().size;
        else
            fieldRuns.push_back ({b, 1});
    }

    for (auto offset : zeroBytes)
        ranges.limit (offset, 0, 0);

    std::sort (namesInOrder.begin(), namesInOrder.end(),
               [] (const NamedIndex& a, const NamedIndex& b) { return a.name < b.name; });
    std::stable_sort (fields.begin(), fields.end(),
                      [] (const Field& a, const Field& b) { return a.offset < b.offset; });

    int lastKind = 0;

    for (auto& field : fields)
    {
        const int kind = field.fourteenBit ? 0 : (field.refusesRecord ? 1 : 2);
        kindByKind = kindByKind && kind >= lastKind && (field.refusesRecord || !field.fourteenBit);
        lastKind = kind;

        if (field.fourteenBit)
            pairFields.push_back (field);
        else if (field.refusesRecord)
            byteFields.push_back ({field.index, field.offset});
        else
            skippedFields.push_back (
                {field.index, field.offset, field.min, (unsigned int)(field.max - field.min)});
    }
}

bool ParameterTable::fieldBytesMatch (const juce::uint8* a, const juce::uint8* b) const noexcept
{
    for (auto& run : fieldRuns)
        if (std::memcmp (a + run.offset, b + run.offset, (size_t)run.size) != 0)
            return false;

    return true;
}

int ParameterTable::indexOf (const juce::String& name) const
{
    auto found =
        std::lower_bound (namesInOrder.begin(), namesInOrder.end(), name,
                          [] (const NamedIndex& entry, const juce::String& n) { return entry.name < n; });
    return found != namesInOrder.end() && found->name == name ? found->index : -1;
}

int ParameterTable::Field::readPair (const juce::uint8* record) const noexcept
{
    return join14BitValue (record[offset], record[offset + 1]);
}

void ParameterTable::Field::writePair (int value, juce::uint8* record) const noexcept
{
    const auto parts = split14BitValue (value);
    record[offset] = parts.first;
    record[offset + 1] = parts.second;
}
