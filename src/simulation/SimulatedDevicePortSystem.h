#pragma once

#include "simulation/SimulatedVexoBDevice.h"
#include "simulation/VirtualMidiPortSystem.h"

#include <memory>

// A virtual bus with one simulated device on it, ports "VexoB Remote": what the program talks to
// when it runs without hardware, and what tests script (silent, slow, damaged dumps, unplugged).
class SimulatedDevicePortSystem : public VirtualMidiPortSystem
{
public:
    explicit SimulatedDevicePortSystem (
        SimulatedVexoBDevice::Link link = SimulatedVexoBDevice::Link::instant);
    // The device leaves the bus before the bus goes.
    ~SimulatedDevicePortSystem() override;

    SimulatedVexoBDevice& getDevice() const { return *device; }

private:
    std::unique_ptr<SimulatedVexoBDevice> device;

    JUCE_DECLARE_NON_COPYABLE (SimulatedDevicePortSystem)
};
