#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// The bytes a record or a whole data block may hold at each position, checked in one pass: a range
// per byte, and ranges for values joined from two bytes (high 7 bits first). A position that is not
// limited takes any byte.
class ByteRanges
{
public:
    explicit ByteRanges (int size);

    int size() const noexcept { return (int)lowest.size(); }

    void limit (int offset, int min, int max);
    void limitJoinedPair (int offset, int min, int max);
    // Every limit of part, moved to start at offset.
    void place (const ByteRanges& part, int offset);

    // Whether size() bytes from bytes all lie within their ranges.
    bool accepts (const juce::uint8* bytes) const noexcept;

private:
    struct JoinedPair
    {
        int offset;
        int min;
        int max;
    };

    // A byte b passes at i when (juce::uint8) (b - lowest[i]) <= span[i]: one comparison per byte.
    std::vector<juce::uint8> lowest, span;
    std::vector<JoinedPair> pairs;
};
