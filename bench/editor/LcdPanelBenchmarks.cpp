#include "editor/lcd/CommonParametersLCDView.h"
#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"
#include "model/VexoBEditorPreset.h"
#include "widgets/VexoEditorCustomLook.h"

#include <benchmark/benchmark.h>

// What a click on a control costs the main editor: its LCD panel is made, bound to the control,
// put in its place and, with "Paint", drawn once; the panel of the click before goes. Runs under
// Xvfb, by hand:
//   xvfb-run -a build/bench/vexob_editor_bench
namespace
{
struct EditorStandIn : juce::Component
{
    EditorStandIn()
    {
        setSize (1176, 721);
        setLookAndFeel (&look);
    }
    ~EditorStandIn() override { setLookAndFeel (nullptr); }

    VexoEditorCustomLook look;
};

// Lets the values' and editors' queued notices out now and then, as the program's loop would.
void settle (benchmark::State& state, int iteration)
{
    if (iteration % 64 != 0)
        return;
    state.PauseTiming();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
    state.ResumeTiming();
}

template <typename Make>
void showPanels (benchmark::State& state, Make make, bool paint)
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    EditorStandIn editor;
    juce::Image frame (juce::Image::ARGB, 490, 100, true);
    int iteration = 0;

    for (auto _ : state)
    {
        LCDView::Ptr panel (make (*preset, iteration));
        editor.addAndMakeVisible (*panel);
        panel->setBounds (75, 95, 490, 100);

        if (paint)
        {
            juce::Graphics g (frame);
            panel->paintEntireComponent (g, true);
        }

        editor.removeChildComponent (panel.get());
        panel = nullptr;
        settle (state, ++iteration);
    }
}

LCDView* makePad (VexoBEditorPreset& preset, int i)
{
    auto pad = preset.getPad (i % 64);
    pad->setParameterValue (VexoPad::Param::parameterType, i % 3);
    return new PadLCDView (pad, "Pad " + juce::String (i % 64 + 1));
}

LCDView* makeKnob (VexoBEditorPreset& preset, int i)
{
    auto knob = preset.getKnob (i % 24);
    knob->setParameterValue (VexoKnob::Param::parameterType, i % 4);
    return new KnobLCDView (knob, "Knob " + juce::String (i % 24 + 1));
}

LCDView* makeFader (VexoBEditorPreset& preset, int i)
{
    auto fader = preset.getFader (i % 24);
    fader->setParameterValue (VexoFader::Param::parameterType, i % 2);
    return new FaderLCDView (fader, "Fader " + juce::String (i % 24 + 1));
}

LCDView* makeSwitch (VexoBEditorPreset& preset, int i)
{
    auto control = preset.getSwitch (i % 24);
    control->setParameterValue (VexoSwitch::Param::parameterType, i % 5);
    return new SwitchLCDView (control, "Switch " + juce::String (i % 24 + 1));
}

void padPanel (benchmark::State& state)
{
    showPanels (state, makePad, false);
}
void knobPanel (benchmark::State& state)
{
    showPanels (state, makeKnob, false);
}
void faderPanel (benchmark::State& state)
{
    showPanels (state, makeFader, false);
}
void switchPanel (benchmark::State& state)
{
    showPanels (state, makeSwitch, false);
}
void padPanelPaint (benchmark::State& state)
{
    showPanels (state, makePad, true);
}
void knobPanelPaint (benchmark::State& state)
{
    showPanels (state, makeKnob, true);
}
void faderPanelPaint (benchmark::State& state)
{
    showPanels (state, makeFader, true);
}
void switchPanelPaint (benchmark::State& state)
{
    showPanels (state, makeSwitch, true);
}

// Made once per main window; measured all the same.
void commonPanel (benchmark::State& state)
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    EditorStandIn editor;
    int iteration = 0;

    for (auto _ : state)
    {
        CommonParametersLCDView::Ptr panel = new CommonParametersLCDView (preset, preset->getTransport());
        editor.addAndMakeVisible (*panel);
        panel->setBounds (600, 95, 300, 100);
        editor.removeChildComponent (panel.get());
        panel = nullptr;
        settle (state, ++iteration);
    }
}
} // namespace

BENCHMARK (padPanel)->Unit (benchmark::kMicrosecond);
BENCHMARK (knobPanel)->Unit (benchmark::kMicrosecond);
BENCHMARK (faderPanel)->Unit (benchmark::kMicrosecond);
BENCHMARK (switchPanel)->Unit (benchmark::kMicrosecond);
BENCHMARK (padPanelPaint)->Unit (benchmark::kMicrosecond);
BENCHMARK (knobPanelPaint)->Unit (benchmark::kMicrosecond);
BENCHMARK (faderPanelPaint)->Unit (benchmark::kMicrosecond);
BENCHMARK (switchPanelPaint)->Unit (benchmark::kMicrosecond);
BENCHMARK (commonPanel)->Unit (benchmark::kMicrosecond);

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
