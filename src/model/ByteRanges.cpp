#include "model/ByteRanges.h"

#include "model/MEditorControl.h"

#include <cstring>

ByteRanges::ByteRanges (int size)
    : lowest ((size_t)size, 0)
    , span ((size_t)size, 255)
{
}

void ByteRanges::limit (int offset, int min, int max)
{
    // A byte is never negative nor above 255: the range is cut to what a byte can hold.
    const int low = juce::jlimit (0, 255, min), high = juce::jlimit (0, 255, max);
    jassert (min <= 255 && max >= 0 && min <= max);
    lowest[(size_t)offset] = (juce::uint8)low;
    span[(size_t)offset] = (juce::uint8) (high - low);
}

void ByteRanges::limitJoinedPair (int offset, int min, int max)
{
    pairs.push_back ({offset, min, max});
}

void ByteRanges::place (const ByteRanges& part, int offset)
{
    jassert (offset >= 0 && offset + part.size() <= size());
    std::copy (part.lowest.begin(), part.lowest.end(), lowest.begin() + offset);
    std::copy (part.span.begin(), part.span.end(), span.begin() + offset);

    for (auto pair : part.pairs)
        pairs.push_back ({pair.offset + offset, pair.min, pair.max});
}

bool ByteRanges::accepts (const juce::uint8* bytes) const noexcept
{
    const auto* low = lowest.data();
    const auto* width = span.data();
    const auto count = lowest.size();
    bool outside = false;
    size_t i = 0;

#if defined(__GNUC__)
    // Sixteen bytes at a time, without an early exit: a whole block costs a few hundred steps.
    using Lanes = juce::uint8 __attribute__ ((vector_size (16)));
    Lanes outsideLanes = {};

    for (; i + sizeof (Lanes) <= count; i += sizeof (Lanes))
    {
        Lanes b, l, w;
        std::memcpy (&b, bytes + i, sizeof (Lanes));
        std::memcpy (&l, low + i, sizeof (Lanes));
        std::memcpy (&w, width + i, sizeof (Lanes));
        outsideLanes |= (Lanes)((Lanes)(b - l) > w);
    }

    juce::uint64 halves[2];
    std::memcpy (halves, &outsideLanes, sizeof (halves));
    outside = (halves[0] | halves[1]) != 0;
#endif

    for (; i < count; ++i)
        outside |= (juce::uint8) (bytes[i] - low[i]) > width[i];

    for (auto& pair : pairs)
    {
        const int value = join14BitValue (bytes[pair.offset], bytes[pair.offset + 1]);
        outside |= value < pair.min || value > pair.max;
    }

    return !outside;
}
