#include "model/VexoBEditorPreset.h"

#include <benchmark/benchmark.h>

namespace
{
// A preset whose values are not all zero, so that every record is really written and read.
VexoBEditorPreset::Ptr makePreset()
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    preset->setName ("Bench");

    for (int i = 0; i < ControlBank::numPads; ++i)
    {
        preset->getPad (i)->setParameterValue (VexoPad::Param::midiNote, 36 + i);
        preset->getPad (i)->setParameterValue (VexoPad::Param::colorOn, i % 17);
        preset->getSequencer()->getTrack (i)->setParameterValue (
            VexoBSequencerTrack::getStepParameterName (1), 100);
    }

    preset->getTransport()->setParameterValue (VexoTransport::Param::bpm, 120);
    return preset;
}

void presetToBytes (benchmark::State& state)
{
    auto preset = makePreset();

    for (auto _ : state)
        benchmark::DoNotOptimize (preset->toBytes());
}

void presetValidateBytes (benchmark::State& state)
{
    auto preset = makePreset();
    const auto block = preset->toBytes();

    for (auto _ : state)
        benchmark::DoNotOptimize (preset->validateBytes (block));
}

void presetFromBytes (benchmark::State& state)
{
    auto source = makePreset();
    const auto block = source->toBytes();
    VexoBEditorPreset target;

    for (auto _ : state)
        benchmark::DoNotOptimize (target.fromBytes (block));
}

void presetFromRefusedBytes (benchmark::State& state)
{
    auto block = makePreset()->toBytes();
    block.set (8, 1);
    VexoBEditorPreset target;

    for (auto _ : state)
        benchmark::DoNotOptimize (target.fromBytes (block));
}
// A new preset built and released again, as every new document, device read and file check used to.
void presetNewAndRelease (benchmark::State& state)
{
    for (auto _ : state)
    {
        VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
        benchmark::DoNotOptimize (preset.get());
    }
}

// What checking a block costs when a preset has to be built for it.
void presetValidateOnNewPreset (benchmark::State& state)
{
    const auto block = makePreset()->toBytes();

    for (auto _ : state)
    {
        VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
        benchmark::DoNotOptimize (preset->validateBytes (block));
    }
}
} // namespace

BENCHMARK (presetNewAndRelease);
BENCHMARK (presetValidateOnNewPreset);
BENCHMARK (presetToBytes);
BENCHMARK (presetValidateBytes);
BENCHMARK (presetFromBytes);
BENCHMARK (presetFromRefusedBytes);

BENCHMARK_MAIN();
