#pragma once

#include <juce_core/juce_core.h>

// Controls are addressed by one flat index: bank × controls per bank + position. Pads come in four banks
// (A to D) of 16, knobs, faders and switches in three banks (A to C) of 8.
struct ControlBank
{
    static constexpr int numPadBanks = 4;
    static constexpr int padsPerBank = 16;
    static constexpr int numPads = numPadBanks * padsPerBank;

    static constexpr int numControlBanks = 3;
    static constexpr int controlsPerBank = 8;
    static constexpr int numKnobs = numControlBanks * controlsPerBank;
    static constexpr int numFaders = numControlBanks * controlsPerBank;
    static constexpr int numSwitches = numControlBanks * controlsPerBank;

    // -1 when the bank or the position is out of range.
    static int padIndex (int bank, int position);
    static int controlIndex (int bank, int position);

    // "A", "B", ... as the banks are shown.
    static juce::String getBankName (int bank);
};
