#include "editor/MainContentComponent.h"
#include "engine/VexoBEditorEngine.h"
#include "widgets/SkinImages.h"

#include <benchmark/benchmark.h>

// The main editor's costly moments: a bank switch (the views of the new bank made, bound and laid
// out) and a new main window. Run under a display (xvfb-run); each should stay well within a frame.
namespace
{
EditorPreset::Ptr makePreset()
{
    VexoBEditorEngine::Ptr engine (new VexoBEditorEngine (nullptr));
    return engine->createFactoryPreset();
}

// Lets what the switch queued (the views' first value notices, repaints) run, as the next turn of
// the message loop would.
void drainMessages()
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (0);
}

void padBankSwitch (benchmark::State& state)
{
    MainContentComponent editor (makePreset(), getSkinImage (SkinImageId::mainEditorBackground));
    int bank = 0;

    for (auto _ : state)
    {
        bank = (bank + 1) % 4;
        editor.buttonClicked (editor.getPadBankButton (bank));
    }
    drainMessages();
}

void controlBankSwitch (benchmark::State& state)
{
    MainContentComponent editor (makePreset(), getSkinImage (SkinImageId::mainEditorBackground));
    int bank = 0;

    for (auto _ : state)
    {
        bank = (bank + 1) % 3;
        editor.buttonClicked (editor.getControlBankButton (bank));
    }
    drainMessages();
}

// The editor alone: its views, buttons, labels and panels made, bound and laid out.
void buildEditor (benchmark::State& state)
{
    const auto preset = makePreset();
    const auto background = getSkinImage (SkinImageId::mainEditorBackground);

    for (auto _ : state)
        MainContentComponent editor (preset, background);
    drainMessages();
}

// An empty window of the same kind, to tell the display's share from the editor's.
void openEmptyWindow (benchmark::State& state)
{
    for (auto _ : state)
    {
        juce::DocumentWindow window ("VexoB Editor Untitled 1", juce::Colours::black,
                                     juce::DocumentWindow::minimiseButton |
                                         juce::DocumentWindow::closeButton);
        window.setUsingNativeTitleBar (true);
        window.setSize (1176, 721);
        window.setTopLeftPosition (30, 75);
        window.setVisible (true);
        if (auto* peer = window.getPeer())
            peer->performAnyPendingRepaintsNow();
        drainMessages();
    }
}

// A document window with the editor as its content, on the screen and painted once, then closed.
void openMainWindow (benchmark::State& state)
{
    const auto preset = makePreset();
    const auto background = getSkinImage (SkinImageId::mainEditorBackground);

    for (auto _ : state)
    {
        juce::DocumentWindow window ("VexoB Editor Untitled 1", juce::Colours::black,
                                     juce::DocumentWindow::minimiseButton |
                                         juce::DocumentWindow::closeButton);
        window.setUsingNativeTitleBar (true);
        window.setContentOwned (new MainContentComponent (preset, background), true);
        window.setTopLeftPosition (30, 75);
        window.setVisible (true);
        if (auto* peer = window.getPeer())
            peer->performAnyPendingRepaintsNow();
        drainMessages();
    }
}

// Painting the whole editor once, as a window does when it first shows.
void paintEditor (benchmark::State& state)
{
    MainContentComponent editor (makePreset(), getSkinImage (SkinImageId::mainEditorBackground));
    juce::Image image (juce::Image::ARGB, editor.getWidth(), editor.getHeight(), false);

    for (auto _ : state)
    {
        juce::Graphics g (image);
        editor.paintEntireComponent (g, false);
    }
}
} // namespace

BENCHMARK (padBankSwitch)->Unit (benchmark::kMicrosecond);
BENCHMARK (controlBankSwitch)->Unit (benchmark::kMicrosecond);
BENCHMARK (buildEditor)->Unit (benchmark::kMillisecond);
BENCHMARK (openEmptyWindow)->Unit (benchmark::kMillisecond);
BENCHMARK (openMainWindow)->Unit (benchmark::kMillisecond);
BENCHMARK (paintEditor)->Unit (benchmark::kMillisecond);
