#pragma once

#include <array>

// The seven-note scales of the SCALE choice (all but chromatic): the semitones of each degree above
// the root within one octave.
using ScaleTable = std::array<int, 7>;

namespace ScaleTables
{
constexpr ScaleTable major{0, 2, 4, 5, 7, 9, 11};
constexpr ScaleTable minor{0, 2, 3, 5, 7, 8, 10};
constexpr ScaleTable phrygian{0, 1, 3, 5, 7, 8, 10};
constexpr ScaleTable melodicMinor{0, 2, 3, 5, 7, 9, 11};
constexpr ScaleTable harmonicMinor{0, 2, 3, 5, 7, 8, 11};
constexpr ScaleTable mixolydian{0, 2, 4, 5, 7, 9, 10};
constexpr ScaleTable lydian{0, 2, 4, 6, 7, 9, 11};
constexpr ScaleTable dorian{0, 2, 3, 5, 7, 9, 10};
constexpr ScaleTable locrian{0, 1, 3, 5, 6, 8, 10};
} // namespace ScaleTables

// The note of a degree counted up from the root: the degree's place in the table, an octave higher
// for every seven degrees. Root and degree count by their low eight bits, and so does the note: it
// is not cut to 127, so a note too high for a control is refused by the control.
int scaleNote (const ScaleTable& table, int root, int degree);

int majorScaleNote (int root, int degree);
int minorScaleNote (int root, int degree);
int phrygianScaleNote (int root, int degree);
int melodicMinorScaleNote (int root, int degree);
int harmonicMinorScaleNote (int root, int degree);
int mixolydianScaleNote (int root, int degree);
int lydianScaleNote (int root, int degree);
int dorianScaleNote (int root, int degree);
int locrianScaleNote (int root, int degree);

using ScaleNoteFunction = int (*) (int root, int degree);

// The note function of a SCALE choice 1..9; null for chromatic and anything outside the list.
ScaleNoteFunction getScaleNoteFunction (int scale);
