#pragma once

#include <juce_core/juce_core.h>

// A copy of size bytes from offset; the part that lies outside the source is left out, so a slice is
// never read past the end of its source.
inline juce::Array<juce::uint8> sliceBytes (const juce::Array<juce::uint8>& bytes, int offset, int size)
{
    auto start = juce::jlimit (0, bytes.size(), offset);
    auto end = juce::jlimit (start, bytes.size(), offset + juce::jmax (0, size));
    return juce::Array<juce::uint8> (bytes.begin() + start, end - start);
}
