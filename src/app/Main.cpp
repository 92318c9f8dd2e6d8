#include "app/NativeDesktopInteraction.h"
#include "app/VexoBEditorApplication.h"
#include "engine/JuceMidiPortSystem.h"
#include "services/WindowManagerAtoms.h"
#include "simulation/SimulatedDevicePortSystem.h"
#include "widgets/ProgramFonts.h"

namespace
{
// VEXOB_SIMULATED_DEVICE=1 puts a simulated device on "VexoB Remote" in place of the system's
// MIDI ports, for running the program without hardware; =wire makes it as slow as a real one on
// its MIDI cable.
std::shared_ptr<MidiPortSystem> portSystemChosenByEnvironment()
{
    const auto simulated = juce::SystemStats::getEnvironmentVariable ("VEXOB_SIMULATED_DEVICE", {});
    if (simulated == "1")
        return std::make_shared<SimulatedDevicePortSystem>();
    if (simulated == "wire")
        return std::make_shared<SimulatedDevicePortSystem> (SimulatedVexoBDevice::Link::wire);
    return std::make_shared<JuceMidiPortSystem>();
}

// Made before every other part of the program, and so before anything can connect the framework to
// the display (the desktop's message boxes already do, through their look).
struct WindowManagerAtomsFirst
{
    WindowManagerAtomsFirst() { WindowManagerAtoms::createBeforeTheFrameworkConnects(); }
};

// The program itself: the real desktop, and the ports the environment asks for.
class ProgramApplication final : private WindowManagerAtomsFirst, public VexoBEditorApplication
{
public:
    ProgramApplication()
        : VexoBEditorApplication (std::make_unique<NativeDesktopInteraction>(),
                                  portSystemChosenByEnvironment())
    {
        // Before anything is measured or drawn, or the first window waits for every font file.
        ProgramFonts::limitSearchToProgramFamily();
    }
};
} // namespace

START_JUCE_APPLICATION (ProgramApplication)
