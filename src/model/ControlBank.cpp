#include "model/ControlBank.h"

namespace
{
int flatIndex (int bank, int position, int numBanks, int perBank)
{
    if (bank < 0 || bank >= numBanks || position < 0 || position >= perBank)
        return -1;

    return bank * perBank + position;
}
} // namespace

int ControlBank::padIndex (int bank, int position)
{
    return flatIndex (bank, position, numPadBanks, padsPerBank);
}

int ControlBank::controlIndex (int bank, int position)
{
    return flatIndex (bank, position, numControlBanks, controlsPerBank);
}

juce::String ControlBank::getBankName (int bank)
{
    if (bank < 0 || bank >= numPadBanks)
        return {};

    return juce::String::charToString ((juce::juce_wchar) ('A' + bank));
}
