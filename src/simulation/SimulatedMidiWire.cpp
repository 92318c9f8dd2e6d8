#include "simulation/SimulatedMidiWire.h"

#include <cmath>

SimulatedMidiWire::SimulatedMidiWire (double rateInBytesPerSecond, int sendBufferBytes)
    : bytesPerMs (rateInBytesPerSecond > 0.0 ? rateInBytesPerSecond / 1000.0 : 0.0)
    , bufferBytes (juce::jmax (0, sendBufferBytes))
{
}

double SimulatedMidiWire::durationOf (int numBytes) const
{
    return bytesPerMs > 0.0 ? numBytes / bytesPerMs : 0.0;
}

int SimulatedMidiWire::getBytesWaiting (double nowMs) const
{
    if (bytesPerMs <= 0.0 || busyUntilMs <= nowMs)
        return 0;
    // Rounded up: a byte half on the cable still holds its place in the buffer.
    return (int)std::ceil ((busyUntilMs - nowMs) * bytesPerMs - 1.0e-6);
}

SimulatedMidiWire::Passage SimulatedMidiWire::write (int numBytes, double nowMs, double extraDelayMs)
{
    int accepted = numBytes;
    if (bufferBytes > 0)
        accepted = juce::jlimit (0, numBytes, bufferBytes - getBytesWaiting (nowMs));

    if (accepted < numBytes)
    {
        bytesDropped += numBytes - accepted;
        ++messagesCut;
    }

    // What was accepted still takes its time on the cable, whole message or not. A sender that
    // waits starts waiting once the message before has gone.
    const double start = juce::jmax (nowMs, busyUntilMs) + extraDelayMs;
    busyUntilMs = start + durationOf (accepted);
    return {accepted == numBytes, busyUntilMs};
}
