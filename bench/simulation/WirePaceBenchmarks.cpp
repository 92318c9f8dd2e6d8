// Both 31-slot passes, sending and reading, through the engine against the simulated device on
// its MIDI cable. The cable sets the pace, so what matters is how close a pass comes to the
// cable's own time (wire_ratio, 1.0 = nothing lost to the program), and what the program spends
// meanwhile on its message thread (cpu_per_slot, in seconds). The argument is the time scale in
// thousandths: 1000 is the real pace (about 36 s a pass), 50 twenty times as fast.
// Run by hand: bench/vexob_wire_bench

#include "engine/MidiManager.h"
#include "engine/VexoBEditorEngine.h"
#include "model/VexoBEditorPreset.h"
#include "simulation/SimulatedDevicePortSystem.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

namespace juce
{
// The framework's own step of its message loop: waits for the next message and delivers it.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace
{
constexpr int slots = SimulatedVexoBDevice::numSlots;
constexpr int dumpBytes = VexoBEditorEngine::presetDumpSize;
constexpr int acknowledgementBytes = 10;
constexpr int requestBytes = 9;

double cableMs (int bytes)
{
    return bytes * 1000.0 / SimulatedMidiWire::midiBytesPerSecond;
}

// The program's link as it runs with VEXOB_SIMULATED_DEVICE=wire: real time-outs and watch.
struct WireLink : VexoEditorEngine::Listener
{
    explicit WireLink (double timeScale)
        : ports (std::make_shared<SimulatedDevicePortSystem> (SimulatedVexoBDevice::Link::wire))
        , manager (new MidiManager (ports))
        , engine (new VexoBEditorEngine (manager))
    {
        ports->getDevice().setLink (SimulatedVexoBDevice::Link::wire, timeScale);
        manager->openInput (SimulatedVexoBDevice::getDefaultPortName());
        manager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
        engine->addListener (this);
    }
    ~WireLink() override { engine->removeListener (this); }

    void sendPresetResult (EditorPreset::Ptr, int result) override { count (result); }
    void requestPresetResult (int result) override { count (result); }
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}

    void count (int result)
    {
        ++ended;
        successes += result == VexoEditorEngine::resultSuccess ? 1 : 0;
    }

    // As the program's own loop waits: asleep until the next message. (runDispatchLoopUntil wakes
    // every millisecond to look at the clock, which would cost more than the engine's work.)
    void runUntilAllEnded()
    {
        while (ended < slots)
            juce::dispatchNextMessageOnSystemQueue (false);
    }

    // Every iteration one whole pass: all slots handed to the engine at once, then waited for.
    template <typename StartSlot>
    std::pair<double, int> timePasses (benchmark::State& state, StartSlot&& startSlot)
    {
        double wallMs = 0.0;
        int delivered = 0;
        for (auto _ : state)
        {
            ended = successes = 0;
            const auto start = juce::Time::getMillisecondCounterHiRes();
            for (int slot = 0; slot < slots; ++slot)
                startSlot (slot);
            runUntilAllEnded();
            wallMs += juce::Time::getMillisecondCounterHiRes() - start;
            delivered += successes;
        }
        return {wallMs, delivered};
    }

    std::shared_ptr<SimulatedDevicePortSystem> ports;
    MidiManager::Ptr manager;
    VexoBEditorEngine::Ptr engine;
    int ended = 0, successes = 0;
};

void report (benchmark::State& state, double wireMsPerSlot, double wallMs, int successes)
{
    const double scale = state.range (0) / 1000.0;
    state.counters["wire_ratio"] = wallMs / (state.iterations() * slots * wireMsPerSlot * scale);
    // Seconds of the message thread's CPU time per slot.
    state.counters["cpu_per_slot"] = benchmark::Counter (
        (double)state.iterations() * slots, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (successes != state.iterations() * slots)
        state.SkipWithError ("a slot was not delivered");
}

void sendThirtyOnePresets (benchmark::State& state)
{
    WireLink link (state.range (0) / 1000.0);
    std::vector<EditorPreset::Ptr> presets;
    for (int slot = 0; slot < slots; ++slot)
    {
        auto* preset = new VexoBEditorPreset();
        preset->setName ("Bench" + juce::String (slot));
        presets.push_back (preset);
    }

    const auto [wallMs, successes] =
        link.timePasses (state, [&] (int slot) { link.engine->sendPreset (slot, presets[(size_t)slot]); });

    auto& device = link.ports->getDevice();
    if (device.getNumBytesDropped() != 0)
        state.SkipWithError ("the send buffer dropped bytes");
    report (state, cableMs (dumpBytes + acknowledgementBytes) + SimulatedVexoBDevice::storingTimeMs, wallMs,
            successes);
}

void requestThirtyOnePresets (benchmark::State& state)
{
    WireLink link (state.range (0) / 1000.0);
    std::vector<EditorPreset::Ptr> targets;
    for (int slot = 0; slot < slots; ++slot)
        targets.push_back (link.engine->createPreset());

    const auto [wallMs, successes] =
        link.timePasses (state, [&] (int slot) { link.engine->requestPreset (slot, targets[(size_t)slot]); });
    report (state, cableMs (requestBytes + dumpBytes), wallMs, successes);
}
} // namespace

// Per iteration one whole pass; CPU time is the message thread's, where the engine does its work.
BENCHMARK (sendThirtyOnePresets)->Arg (1000)->Arg (50)->Iterations (1)->Unit (benchmark::kMillisecond);
BENCHMARK (requestThirtyOnePresets)->Arg (1000)->Arg (50)->Iterations (1)->Unit (benchmark::kMillisecond);

int main (int argc, char** argv)
{
    // The engine's timers and result deliveries need a message loop on this thread.
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
