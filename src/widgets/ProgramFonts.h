#pragma once

#include <juce_core/juce_core.h>

// On Linux the framework learns what fonts there are by opening every font file of every folder the
// system's font configuration lists, the user's own fonts included, before it measures or draws its
// first letter; so the first window waited longer the more fonts a machine had. The program draws in
// one family, DejaVu Sans, which the framework chooses for it from that family's folder alone, so
// the framework is told to look there only (its JUCE_FONT_PATH), unless the user has chosen folders.
class ProgramFonts
{
public:
    // The folders for JUCE_FONT_PATH: the user's setting when there is one, else the first folder
    // under the roots (searched in order, to any depth) that holds the typeface file, else nothing,
    // which leaves the framework to its own search.
    static juce::String chooseSearchPath (const juce::String& userSetting,
                                          const juce::Array<juce::File>& roots);

    // Sets this process's JUCE_FONT_PATH as chosen from the system's shared font folders. Must run
    // before anything is measured or drawn; nothing happens outside Linux.
    static void limitSearchToProgramFamily();
};
