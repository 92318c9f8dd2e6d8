#include "simulation/SimulatedDevicePortSystem.h"

SimulatedDevicePortSystem::SimulatedDevicePortSystem()
    : device (std::make_unique<SimulatedVexoBDevice> (*this))
{
}

SimulatedDevicePortSystem::~SimulatedDevicePortSystem()
{
    device.reset();
}
