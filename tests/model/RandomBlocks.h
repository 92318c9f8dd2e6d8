#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

// Random preset blocks and control records, valid and damaged, for property tests. The layouts are
// written out here from the device's documented byte form, independently of the model's own tables,
// so that a test built on them does not take the model's word for what is valid.
namespace random_blocks
{
// A small generator whose sequence never changes with the platform or the library version: recorded
// answers depend on it.
class Generator
{
public:
    explicit Generator (std::uint64_t seed)
        : state (seed)
    {
    }

    std::uint64_t next()
    {
        auto z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // lo..hi, both included.
    int between (int lo, int hi) { return lo + (int)(next() % (std::uint64_t) (hi - lo + 1)); }
    bool chance (int percent) { return between (0, 99) < percent; }

private:
    std::uint64_t state;
};

// What one byte of a record holds.
struct Field
{
    enum Kind
    {
        ranged, // one parameter byte, checked against min..max
        free,   // never checked: fixed bytes and sequencer steps
        zero,   // must be 0x00
        tempo   // the first of the two tempo bytes; the pair is checked as one 14-bit value
    };

    Kind kind;
    int min = 0, max = 255;
};

struct Layout
{
    std::vector<Field> fields; // one per byte; a tempo field covers its byte and the next
    int size() const { return (int)fields.size(); }
};

inline Field ranged (int min, int max)
{
    return {Field::ranged, min, max};
}

inline Layout padLayout()
{
    return {{ranged (0, 127), ranged (0, 127), ranged (0, 127), ranged (0, 1), ranged (0, 127),
             ranged (0, 127), ranged (0, 127), ranged (0, 127), ranged (0, 127), ranged (0, 17),
             ranged (0, 17)}};
}

inline Layout knobLayout()
{
    return {{ranged (0, 3), ranged (0, 32), ranged (0, 127), ranged (0, 127), ranged (0, 127), ranged (0, 1),
             ranged (0, 127), ranged (0, 127), ranged (0, 127)}};
}

inline Layout faderLayout()
{
    return {
        {ranged (0, 2), ranged (0, 32), ranged (0, 127), ranged (0, 127), ranged (0, 127), ranged (0, 1)}};
}

inline Layout switchLayout()
{
    return {{ranged (0, 4),
             ranged (0, 32),
             ranged (0, 127),
             ranged (0, 2),
             ranged (0, 127),
             ranged (0, 127),
             ranged (0, 127),
             ranged (0, 1),
             ranged (0, 127),
             ranged (0, 127),
             {Field::free},
             ranged (0, 82),
             ranged (0, 14)}};
}

inline Layout transportLayout()
{
    return {{{Field::tempo, 30, 300},
             {Field::free}, // the low tempo byte, checked with the high one
             ranged (0, 1),
             ranged (0, 7),
             ranged (0, 1),
             ranged (1, 99),
             ranged (50, 75),
             {Field::free},
             {Field::free},
             {Field::free},
             {Field::free},
             {Field::free},
             ranged (0, 4)}};
}

inline Layout trackLayout()
{
    return {std::vector<Field> (32, Field{Field::free})};
}

inline Layout sequencerLayout()
{
    Layout layout{{ranged (0, 31), ranged (0, 2), {Field::zero}, {Field::zero}}};
    for (int step = 0; step < 64 * 32; ++step)
        layout.fields.push_back ({Field::free});
    return layout;
}

inline void append (Layout& layout, const Layout& part, int times = 1)
{
    for (int i = 0; i < times; ++i)
        layout.fields.insert (layout.fields.end(), part.fields.begin(), part.fields.end());
}

// The first model's 1398-byte block; with the sequencer, the second model's 3450 bytes.
inline Layout presetLayout (bool withSequencer)
{
    Layout layout{std::vector<Field> (8, ranged (0, 127))}; // the name
    layout.fields.push_back ({Field::zero});
    append (layout, transportLayout());
    append (layout, padLayout(), 64);
    append (layout, knobLayout(), 24);
    append (layout, faderLayout(), 24);
    append (layout, switchLayout(), 24);
    if (withSequencer)
        append (layout, sequencerLayout());
    return layout;
}

inline int valueFor (Generator& random, int min, int max)
{
    const int pick = random.between (0, 9);
    return pick == 0 ? min : pick == 1 ? max : random.between (min, max);
}

// A record the layout accepts, with the unchecked bytes varied too.
inline juce::Array<juce::uint8> validRecord (const Layout& layout, Generator& random)
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, 0, layout.size());

    for (int i = 0; i < layout.size(); ++i)
    {
        const auto& field = layout.fields[(size_t)i];

        switch (field.kind)
        {
            case Field::ranged:
                bytes.set (i, (juce::uint8)valueFor (random, field.min, field.max));
                break;
            case Field::free:
                if (random.chance (30))
                    bytes.set (i, (juce::uint8)random.between (0, random.chance (20) ? 255 : 127));
                break;
            case Field::zero:
                break;
            case Field::tempo:
            {
                const int tempo = valueFor (random, field.min, field.max);
                int high = tempo / 128, low = tempo % 128;
                // The same tempo with a low byte above 127, which only the joined value limits.
                if (high > 0 && random.chance (20))
                {
                    --high;
                    low += 128;
                }
                bytes.set (i, (juce::uint8)high);
                bytes.set (i + 1, (juce::uint8)low);
                ++i;
                break;
            }
        }
    }
    return bytes;
}

// Makes one checked byte (or the tempo pair) unacceptable; false when the layout has nothing to break.
inline bool breakOneField (const Layout& layout, juce::Array<juce::uint8>& bytes, Generator& random)
{
    std::vector<int> checked;
    for (int i = 0; i < layout.size(); ++i)
        if (layout.fields[(size_t)i].kind != Field::free)
            checked.push_back (i);
    if (checked.empty())
        return false;

    const int i = checked[(size_t)random.between (0, (int)checked.size() - 1)];
    const auto& field = layout.fields[(size_t)i];

    switch (field.kind)
    {
        case Field::ranged:
            if (field.min > 0 && random.chance (40))
                bytes.set (i, (juce::uint8)random.between (0, field.min - 1));
            else if (field.max < 255)
                bytes.set (i, (juce::uint8) (random.chance (50) ? field.max + 1
                                                                : random.between (field.max + 1, 255)));
            break;
        case Field::zero:
            bytes.set (i, (juce::uint8)random.between (1, 255));
            break;
        case Field::tempo:
        {
            const int tempo = random.chance (50) ? random.between (0, field.min - 1)
                                                 : random.between (field.max + 1, 255 * 128 + 255);
            bytes.set (i, (juce::uint8)juce::jmin (255, tempo / 128));
            bytes.set (i + 1, (juce::uint8) (tempo - 128 * juce::jmin (255, tempo / 128)));
            break;
        }
        case Field::free:
            break;
    }
    return true;
}

// A mix: about a third valid, a third with broken fields, and the rest changed at random bytes,
// resized, or random throughout.
inline juce::Array<juce::uint8> mixedRecord (const Layout& layout, Generator& random)
{
    auto bytes = validRecord (layout, random);
    const int pick = random.between (0, 99);

    if (pick < 35)
        return bytes;

    if (pick < 70)
    {
        for (int n = random.between (1, 3); n > 0; --n)
            breakOneField (layout, bytes, random);
        return bytes;
    }

    if (pick < 85)
    {
        for (int n = random.between (1, 4); n > 0; --n)
        {
            // One draw per statement: the order in which a call's arguments are worked out is the
            // compiler's choice, and the blocks must be the same with every compiler.
            const int offset = random.between (0, bytes.size() - 1);
            bytes.set (offset, (juce::uint8)random.between (0, 255));
        }
        return bytes;
    }

    if (pick < 95)
    {
        const int size = layout.size();
        const int sizes[] = {0, 1,    size - 1, size + 1, size * 2, random.between (0, size + 40),
                             8, 1398, 3450};
        const int newSize = sizes[random.between (0, (int)std::size (sizes) - 1)];
        if (newSize == size)
            bytes.add ((juce::uint8)random.between (0, 255));
        else
            bytes.resize (newSize);
        return bytes;
    }

    for (int i = 0; i < bytes.size(); ++i)
        bytes.set (i, (juce::uint8)random.between (0, 255));
    return bytes;
}
} // namespace random_blocks
