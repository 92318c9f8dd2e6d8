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

// Every parameter of the preset off its initial value, within its range.
void moveEveryValue (MEditorControl& control)
{
    for (auto& name : control.getParameterNames())
    {
        const int value = control.getParameterInt (name);
        control.setParameterValue (name, control.isWithinRange (name, value + 1) ? value + 1 : value - 1);
    }
}

// Every iteration loads a block in which every parameter differs from the one loaded before.
void presetFromAlternatingBytes (benchmark::State& state)
{
    VexoBEditorPreset::Ptr moved = new VexoBEditorPreset();
    moved->setName ("Moved");
    moveEveryValue (*moved->getTransport());
    for (int i = 0; i < ControlBank::numPads; ++i)
        moveEveryValue (*moved->getPad (i));
    for (int i = 0; i < ControlBank::numKnobs; ++i)
    {
        moveEveryValue (*moved->getKnob (i));
        moveEveryValue (*moved->getFader (i));
        moveEveryValue (*moved->getSwitch (i));
    }
    moveEveryValue (*moved->getSequencer());
    for (int t = 0; t < VexoBSequencer::numTracks; ++t)
        moveEveryValue (*moved->getSequencer()->getTrack (t));

    const juce::Array<juce::uint8> blocks[] = {moved->toBytes(), VexoBEditorPreset().toBytes()};
    VexoBEditorPreset target;
    int next = 0;

    for (auto _ : state)
    {
        benchmark::DoNotOptimize (target.fromBytes (blocks[next]));
        next ^= 1;
    }
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
BENCHMARK (presetFromAlternatingBytes);
BENCHMARK (presetFromRefusedBytes);

BENCHMARK_MAIN();
