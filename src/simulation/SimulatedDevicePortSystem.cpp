#include "simulation/SimulatedDevicePortSystem.h"

SimulatedDevicePortSystem::SimulatedDevicePortSystem (SimulatedVexoBDevice::Link link)
    : device (std::make_unique<SimulatedVexoBDevice> (*this))
{
    device->setLink (link);
}

SimulatedDevicePortSystem::~SimulatedDevicePortSystem()
{
    device.reset();
}
