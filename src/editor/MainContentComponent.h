#pragma once

#include "editor/MainWindowDragDrop.h"
#include "model/EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The content of every main window: the picture of the device with the editor for one preset.
class MainContentComponent : public virtual juce::Component, public MainWindowDragDrop
{
public:
    static constexpr int defaultWidth = 1176;
    static constexpr int defaultHeight = 721;

    // Takes the background's size; without a background it keeps the device picture's size.
    MainContentComponent (EditorPreset::Ptr preset, const juce::Image& background);
    ~MainContentComponent() override;

    EditorPreset::Ptr getPreset() const override { return preset; }

    void paint (juce::Graphics& g) override;

private:
    EditorPreset::Ptr preset;
    juce::Image background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainContentComponent)
};
