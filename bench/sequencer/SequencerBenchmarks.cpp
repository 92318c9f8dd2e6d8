// The step-sequencer editor's costly moments, each of which must fit in one frame (16 ms): picking
// a row (32 new velocity editors, and every visible cell made anew), painting the table with all
// 2048 steps on, and scrolling. Runs on a display: under xvfb-run on a machine without one.

#include "sequencer/SequencerComponent.h"
#include "sequencer/SequencerWindow.h"

#include <benchmark/benchmark.h>
#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD
#endif

namespace
{
struct Editor
{
    Editor()
    {
        for (int t = 0; t < VexoBSequencer::numTracks; ++t)
            for (int step = 1; step <= VexoBSequencerTrack::numSteps; ++step)
                preset->getSequencer()->getTrack (t)->setParameterValue (
                    VexoBSequencerTrack::getStepParameterName (step), (t + step) % 127 + 1);

        auto content = std::make_unique<SequencerComponent> (preset);
        editor = content.get();
        window = new SequencerWindow (std::move (content));
        window->centreWithSize (window->getWidth(), window->getHeight());
        window->setVisible (true);
        settle();
    }

    ~Editor()
    {
        window->setVisible (false);
        window = nullptr;
    }

    static void settle() { juce::MessageManager::getInstance()->runDispatchLoopUntil (50); }

    juce::TableListBox& table() const { return editor->getTable(); }

    VexoBEditorPreset::Ptr preset{new VexoBEditorPreset()};
    SequencerComponent* editor = nullptr;
    SequencerWindow::Ptr window;
};

void paintInto (juce::Component& component, juce::Image& image)
{
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
}

// What a click on a row does before anything is drawn.
void selectRow (benchmark::State& state)
{
    Editor editor;
    int row = 0;
    for (auto _ : state)
    {
        row = (row + 7) % 20;
        editor.table().selectRow (row);
    }
    Editor::settle();
}
BENCHMARK (selectRow)->Unit (benchmark::kMillisecond);

// The same, with the whole editor drawn afterwards, as the next frame shows it.
void selectRowAndPaint (benchmark::State& state)
{
    Editor editor;
    juce::Image image (juce::Image::ARGB, editor.editor->getWidth(), editor.editor->getHeight(), true);
    int row = 0;
    for (auto _ : state)
    {
        row = (row + 7) % 20;
        editor.table().selectRow (row);
        paintInto (*editor.editor, image);
    }
}
BENCHMARK (selectRowAndPaint)->Unit (benchmark::kMillisecond);

// A full repaint of the table, every step on.
void paintTable (benchmark::State& state)
{
    Editor editor;
    juce::Image image (juce::Image::ARGB, editor.table().getWidth(), editor.table().getHeight(), true);
    for (auto _ : state)
        paintInto (editor.table(), image);
}
BENCHMARK (paintTable)->Unit (benchmark::kMillisecond);

// The whole editor, overlay and strip included.
void paintEditor (benchmark::State& state)
{
    Editor editor;
    juce::Image image (juce::Image::ARGB, editor.editor->getWidth(), editor.editor->getHeight(), true);
    for (auto _ : state)
        paintInto (*editor.editor, image);
}
BENCHMARK (paintEditor)->Unit (benchmark::kMillisecond);

// From the top row to the bottom one in one move (a drag of the scroll bar's thumb), and back.
void scrollTopToBottom (benchmark::State& state)
{
    Editor editor;
    auto* viewport = editor.table().getViewport();
    const auto bottom = editor.table().getNumRows() * editor.table().getRowHeight();
    bool atTop = true;
    for (auto _ : state)
    {
        viewport->setViewPosition (0, atTop ? bottom : 0);
        atTop = !atTop;
    }
}
BENCHMARK (scrollTopToBottom)->Unit (benchmark::kMillisecond);

// One wheel step (three rows) at a time, from the top to the bottom, with the table drawn after
// each: the time per step.
void scrollByWheelSteps (benchmark::State& state)
{
    Editor editor;
    auto* viewport = editor.table().getViewport();
    juce::Image image (juce::Image::ARGB, editor.table().getWidth(), editor.table().getHeight(), true);
    const auto step = 3 * editor.table().getRowHeight();
    const auto bottom =
        editor.table().getNumRows() * editor.table().getRowHeight() - viewport->getViewHeight();
    int y = 0;
    for (auto _ : state)
    {
        y = y >= bottom ? 0 : juce::jmin (bottom, y + step);
        viewport->setViewPosition (0, y);
        paintInto (editor.table(), image);
    }
}
BENCHMARK (scrollByWheelSteps)->Unit (benchmark::kMillisecond);
} // namespace
