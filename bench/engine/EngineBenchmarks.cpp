#include "engine/VexoBEditorEngine.h"
#include "engine/VexoSysEx.h"

#include <benchmark/benchmark.h>

// No message loop runs here: the engine's queued results are delivered by hand after each
// operation, so that its queue does not grow over the iterations.
namespace
{
VexoBEditorEngine::Ptr makeEngine()
{
    return new VexoBEditorEngine (nullptr);
}

juce::MidiMessage dumpMessage (VexoBEditorEngine& engine)
{
    const auto preset = engine.createFactoryPreset();
    return VexoSysEx::toMidiMessage (VexoSysEx::buildDump (engine.getMessageModel(), *preset, 1));
}

void dumpBuild (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto preset = engine->createFactoryPreset();
    const auto model = engine->getMessageModel();

    for (auto _ : state)
        benchmark::DoNotOptimize (VexoSysEx::toMidiMessage (VexoSysEx::buildDump (model, *preset, 1)));
}

void classifyDump (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto message = dumpMessage (*engine);
    const auto model = engine->getMessageModel();

    for (auto _ : state)
        benchmark::DoNotOptimize (VexoSysEx::classify (model, message));
}

void classifyAndReadSettingReply (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto model = engine->getMessageModel();
    const juce::uint8 reply[] = {0xF0, 0x7D, 0x00, 0x36, 0x34, 0x00, 0x0D, 0x0A, 0x00, 0x01, 1,
                                 2,    3,    4,    5,    6,    7,    8,    9,    10,   0xF7};

    for (auto _ : state)
    {
        benchmark::DoNotOptimize (VexoSysEx::classify (model, reply, (int)sizeof (reply)));
        benchmark::DoNotOptimize (VexoSysEx::readGlobalSettingReply (reply, (int)sizeof (reply)));
    }
}

void parseDumpIntoPreset (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto message = dumpMessage (*engine);
    const auto target = engine->createPreset();
    const int trailer = engine->getDumpTrailer().size();

    for (auto _ : state)
        benchmark::DoNotOptimize (target->fromBytes (
            VexoSysEx::extractDataBlock (message.getRawData(), message.getRawDataSize(), trailer)));
}

juce::File benchFile()
{
    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vexob-bench.vexob");
}

void savePresetFile (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto preset = engine->createFactoryPreset();
    const auto file = benchFile();

    for (auto _ : state)
    {
        engine->savePresetFile (file, preset);
        engine->handleAsyncUpdate();
    }
    file.deleteFile();
}

void openPresetFile (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto file = benchFile();
    engine->savePresetFile (file, engine->createFactoryPreset());
    const auto target = engine->createPreset();

    for (auto _ : state)
    {
        engine->loadPresetFile (file, target);
        engine->handleAsyncUpdate();
    }
    file.deleteFile();
}

void checkPresetFile (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto file = benchFile();
    engine->savePresetFile (file, engine->createFactoryPreset());

    for (auto _ : state)
        benchmark::DoNotOptimize (engine->checkPresetFile (file));
    file.deleteFile();
}
} // namespace

BENCHMARK (dumpBuild);
BENCHMARK (classifyDump);
BENCHMARK (classifyAndReadSettingReply);
BENCHMARK (parseDumpIntoPreset);
BENCHMARK (savePresetFile);
BENCHMARK (openPresetFile);
BENCHMARK (checkPresetFile);

BENCHMARK_MAIN();
