#pragma once

#include "model/ByteRanges.h"

#include <juce_core/juce_core.h>

#include <vector>

// One control kind's parameters: name, range and initial value of each, in the order the kind
// declares them, and where each sits in the kind's byte record. Records are written, checked and
// read by position from it; names are only looked up for callers that address a parameter by name.
// A table is made once per kind and shared by every control of that kind.
class ParameterTable
{
public:
    enum class Encoding
    {
        oneByte,    // the value's low 8 bits
        fourteenBit // two bytes, high 7 bits first; only the joined value is range-checked
    };

    // What a record byte outside the parameter's range does.
    enum class OutOfRange
    {
        refusesRecord, // the whole record is refused
        keepsOldValue  // the record is still accepted; this parameter keeps its value
    };

    struct Entry
    {
        juce::String name;
        int max;
        int min;
        int initial;
        int offset;
        Encoding encoding = Encoding::oneByte;
        OutOfRange outOfRange = OutOfRange::refusesRecord;
    };

    struct NamedIndex
    {
        juce::String name;
        int index;
    };

    // Record bytes that no entry covers are fixed: written as 0x00 and never read. Those listed in
    // zeroBytes are also refused unless they are 0x00.
    ParameterTable (std::vector<Entry> entries, int recordSize, std::vector<int> zeroBytes = {});

    int size() const noexcept { return (int)entries.size(); }
    const Entry& operator[] (int index) const noexcept { return entries[(size_t)index]; }
    const juce::String& getName (int index) const noexcept { return entries[(size_t)index].name; }
    int getRecordSize() const noexcept { return recordSize; }

    // The index of the entry with this name; -1 when there is none.
    int indexOf (const juce::String& name) const;

    // Every name with its index, in the order of juce::String's less-than.
    const std::vector<NamedIndex>& getNamesInOrder() const noexcept { return namesInOrder; }

    // Where one entry sits in the record, with what the record path needs of it at hand.
    struct Field
    {
        int index; // of the entry, which is also the parameter's place in declaration order
        int offset;
        int min;
        int max;
        bool fourteenBit;
        bool refusesRecord;

        int read (const juce::uint8* record) const noexcept
        {
            return fourteenBit ? readPair (record) : (int)record[offset];
        }

        void write (int value, juce::uint8* record) const noexcept
        {
            if (fourteenBit)
                writePair (value, record);
            else
                record[offset] = (juce::uint8)value;
        }

        int readPair (const juce::uint8* record) const noexcept;
        void writePair (int value, juce::uint8* record) const noexcept;

        bool fits (int value) const noexcept { return value >= min && value <= max; }
    };

    // Every entry by offset: the order in which a record is loaded.
    const std::vector<Field>& getFields() const noexcept { return fields; }

    // The same fields by kind, each in record order, for loops that test nothing per field but what
    // they must: fourteen-bit pairs, one-byte fields that refuse a record out of range, and one-byte
    // fields that are skipped when out of range.
    struct ByteField
    {
        int index;
        int offset;
    };

    struct SkippedField
    {
        int index;
        int offset;
        int min;
        unsigned int span; // max - min: value fits when (unsigned) (value - min) <= span
    };

    const std::vector<Field>& getPairFields() const noexcept { return pairFields; }
    const std::vector<ByteField>& getByteFields() const noexcept { return byteFields; }
    const std::vector<SkippedField>& getSkippedFields() const noexcept { return skippedFields; }

    // True when every pair comes before every refusing byte field in the record, and those before
    // every skipped field: then loading kind by kind loads in record order.
    bool loadsKindByKind() const noexcept { return kindByKind; }

    // The bytes no entry covers.
    const std::vector<int>& getFixedBytes() const noexcept { return fixedBytes; }

    // Whether two records agree in every byte that some entry covers.
    bool fieldBytesMatch (const juce::uint8* a, const juce::uint8* b) const noexcept;

    // Bytes that must hold 0x00.
    const std::vector<int>& getZeroBytes() const noexcept { return zeroBytes; }

    // Whether a record of getRecordSize() bytes passes with the ranges of the table.
    bool accepts (const juce::uint8* record) const noexcept { return ranges.accepts (record); }
    const ByteRanges& getRanges() const noexcept { return ranges; }

private:
    std::vector<Entry> entries;
    std::vector<NamedIndex> namesInOrder;
    std::vector<Field> fields;
    std::vector<Field> pairFields;
    std::vector<ByteField> byteFields;
    std::vector<SkippedField> skippedFields;
    bool kindByKind = true;
    std::vector<int> fixedBytes;
    struct Run
    {
        int offset;
        int size;
    };
    std::vector<Run> fieldRuns; // the covered bytes, as few runs as possible
    std::vector<int> zeroBytes;
    ByteRanges ranges;
    int recordSize;

    JUCE_DECLARE_NON_COPYABLE (ParameterTable)
};
