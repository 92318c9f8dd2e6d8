// The device dialogs against a simulated device that answers at once: a whole Load From Hardware
// pass, a Send Multiple Presets of all 31 slots and a read of 31 dropped files, each timed from
// the command to the last result. Everything but the device's own work is the program's share.
// GUI: run by hand under xvfb-run.

#include "dialogs/GetPresetWindow.h"
#include "dialogs/SendMultiplePresetsWindow.h"
#include "engine/FactoryPreset.h"
#include "engine/VexoBEditorEngine.h"
#include "services/ApplicationServices.h"
#include "simulation/SimulatedDevicePortSystem.h"

#include <benchmark/benchmark.h>

#if JUCE_LINUX || JUCE_BSD
#endif

namespace
{
class NoDesktop final : public DesktopInteraction
{
public:
    void showWarningAsync (const juce::String&, const juce::String&) override {}
    void showNotice (const juce::String&, const juce::String&) override {}
    SaveAnswer askYesNoCancel (const juce::String&, const juce::String&) override
    {
        return SaveAnswer::cancel;
    }
    juce::File chooseFileToOpen (const juce::String&, const juce::String&) override { return {}; }
    juce::File chooseFileToSave (const juce::String&, const juce::String&) override { return {}; }
    void chooseFileToOpenAsync (const juce::String&, const juce::String&,
                                std::function<void (const juce::File&)>) override
    {
    }
    void openWithSystem (const juce::File&, std::function<void()>) override {}
};

// The application's services on a simulated device, its ports open as at start-up.
class BenchServices final : public ApplicationServices
{
public:
    BenchServices()
        : ports (std::make_shared<SimulatedDevicePortSystem>())
        , midiManager (new MidiManager (ports))
        , engine (new VexoBEditorEngine (midiManager))
    {
        midiManager->openInput (SimulatedVexoBDevice::getDefaultPortName());
        midiManager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
    }
    ~BenchServices() override
    {
        engine = nullptr;
        midiManager = nullptr;
    }

    VexoEditorEngine::Ptr getEngine() const override { return engine.get(); }
    MidiManager::Ptr getMidiManager() const override { return midiManager; }
    EditorPreset::Ptr createDefaultPreset() override { return engine->createFactoryPreset(); }
    void openMainWindow (EditorPreset::Ptr) override {}
    void showMessage (const juce::String&) override { ++messages; }
    DesktopInteraction& getDesktop() const override { return desktop; }
    void showMidiSetupWindow() override {}
    void closeToolWindow (ToolWindowKind) override {}
    juce::Image getLogoImage() const override { return {}; }
    juce::ApplicationCommandManager* getCommandManager() const override { return nullptr; }

    std::shared_ptr<SimulatedDevicePortSystem> ports;
    MidiManager::Ptr midiManager;
    VexoBEditorEngine::Ptr engine;
    mutable NoDesktop desktop;
    int messages = 0;
};

struct SendCounter : VexoEditorEngine::Listener
{
    int successes = 0;
    void sendPresetResult (EditorPreset::Ptr, int result) override { successes += result == 2 ? 1 : 0; }
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}
};

void runUntil (const std::function<bool()>& condition)
{
    while (!condition())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
}

void reportPerSlot (benchmark::State& state)
{
    state.SetItemsProcessed (state.iterations() * 31);
    state.counters["per_slot"] = benchmark::Counter (
        (double)state.iterations() * 31.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void loadFromHardwarePass (benchmark::State& state)
{
    BenchServices services;
    GetPresetWindow::Ptr window = new GetPresetWindow (services.getEngine());

    for (auto _ : state)
    {
        window->requestAllPresets();
        runUntil ([&] { return !window->isBusy(); });
    }
    if (window->getListedPresets().size() != 31)
        state.SkipWithError ("a pass did not complete");

    reportPerSlot (state);
    window->releaseContent();
}

void sendMultipleOfEverySlot (benchmark::State& state)
{
    BenchServices services;
    SendMultiplePresetsWindow::Ptr window = new SendMultiplePresetsWindow();
    for (int slot = 0; slot <= 30; ++slot)
        window->clearSlot (slot);
    runUntil ([&] { return !window->isReading(); });

    SendCounter counter;
    services.engine->addListener (&counter);
    for (auto _ : state)
    {
        counter.successes = 0;
        window->sendAllPresets();
        runUntil ([&] { return counter.successes == 31; });
    }

    reportPerSlot (state);
    services.engine->removeListener (&counter);
    window->releaseContent();
}

void readThirtyOneDroppedFiles (benchmark::State& state)
{
    BenchServices services;
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getChildFile ("vexob-bench-" + juce::Uuid().toString());
    juce::StringArray paths;
    const auto dump = FactoryPreset::getDump();
    for (int i = 0; i < 31; ++i)
    {
        const auto file = folder.getChildFile (juce::String (i) + ".vexob");
        folder.createDirectory();
        file.replaceWithData (dump.begin(), (size_t)dump.size());
        paths.add (file.getFullPathName());
    }

    SendMultiplePresetsWindow::Ptr window = new SendMultiplePresetsWindow();
    for (auto _ : state)
    {
        window->clearAllSlots();
        window->queueFilesForSlot (paths, 0);
        runUntil ([&] { return !window->isReading() && window->getSlotTable().size() == 31; });
    }

    reportPerSlot (state);
    window->releaseContent();
    folder.deleteRecursively();
}
} // namespace

BENCHMARK (loadFromHardwarePass)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (sendMultipleOfEverySlot)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (readThirtyOneDroppedFiles)->Unit (benchmark::kMillisecond)->UseRealTime();
