#include "autopopulate/core/ScaleNotes.h"

int scaleNote (const ScaleTable& table, int root, int degree)
{
    const auto step = (unsigned)degree & 0xffu;
    const auto octave = step / 7u;
    const auto place = step % 7u;
    return (int)(((unsigned)root + (unsigned)table[place] + 12u * octave) & 0xffu);
}

int majorScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::major, root & 0xff, degree);
}

int minorScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::minor, root & 0xff, degree);
}

int phrygianScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::phrygian, root & 0xff, degree);
}

int melodicMinorScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::melodicMinor, root & 0xff, degree);
}

int harmonicMinorScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::harmonicMinor, root & 0xff, degree);
}

int mixolydianScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::mixolydian, root & 0xff, degree);
}

int lydianScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::lydian, root & 0xff, degree);
}

int dorianScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::dorian, root & 0xff, degree);
}

int locrianScaleNote (int root, int degree)
{
    return scaleNote (ScaleTables::locrian, root & 0xff, degree);
}

ScaleNoteFunction getScaleNoteFunction (int scale)
{
    switch (scale)
    {
        case 1:
            return majorScaleNote;
        case 2:
            return minorScaleNote;
        case 3:
            return phrygianScaleNote;
        case 4:
            return melodicMinorScaleNote;
        case 5:
            return harmonicMinorScaleNote;
        case 6:
            return mixolydianScaleNote;
        case 7:
            return lydianScaleNote;
        case 8:
            return dorianScaleNote;
        case 9:
            return locrianScaleNote;
        default:
            return nullptr;
    }
}
