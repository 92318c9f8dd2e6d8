#pragma once

#include <juce_core/juce_core.h>

// One direction of a MIDI cable, worked out in time rather than played byte by byte: bytes cross
// at a fixed rate, one message after another, and a message is there when its last byte is. An
// optional buffer in front of the cable stands for the operating system's output buffer: a
// writer that does not wait puts its message there at once, and what does not fit is lost, as a
// kernel drops what overflows its MIDI output buffer. Not thread-safe: its owner locks.
class SimulatedMidiWire
{
public:
    // A 5-pin MIDI cable: 31,250 baud, ten bits a byte.
    static constexpr double midiBytesPerSecond = 3125.0;
    // The Linux kernel's MIDI output buffer.
    static constexpr int kernelBufferBytes = 4096;

    // Bytes per second of zero or less make an instant cable; a buffer of zero bytes holds
    // everything.
    SimulatedMidiWire (double rateInBytesPerSecond, int sendBufferBytes);

    struct Passage
    {
        bool whole = true;      // false: part of the message was dropped, so it never arrives
        double arrivalMs = 0.0; // when its last byte arrives (millisecond counter)
    };

    // A message of numBytes written at nowMs. An extra delay holds the message back, after the one
    // before it has gone, before its first byte: a sender that takes its time.
    Passage write (int numBytes, double nowMs, double extraDelayMs = 0.0);

    // Bytes written and not yet on the cable at nowMs.
    int getBytesWaiting (double nowMs) const;
    // When the last byte written so far has crossed.
    double getBusyUntil() const { return busyUntilMs; }

    juce::int64 getNumBytesDropped() const { return bytesDropped; }
    int getNumMessagesCut() const { return messagesCut; }

    // The time bytes take on the cable; none on an instant cable.
    double durationOf (int numBytes) const;

private:
    double bytesPerMs;
    int bufferBytes;
    double busyUntilMs = 0.0;
    juce::int64 bytesDropped = 0;
    int messagesCut = 0;
};
