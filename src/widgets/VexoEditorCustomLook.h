#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The main editor's look: plain black tick boxes with a cross, toggle buttons built on them, and
// a blue progress bar. Everything else is the framework's, colours included.
class VexoEditorCustomLook : public juce::LookAndFeel_V3
{
public:
    VexoEditorCustomLook();
    ~VexoEditorCustomLook() override;

    void drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool isMouseOverButton,
                           bool isButtonDown) override;

    void drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float width,
                      float height, bool ticked, bool isEnabled, bool isMouseOverButton,
                      bool isButtonDown) override;

    void drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height, double progress,
                          const juce::String& text) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoEditorCustomLook)
};
