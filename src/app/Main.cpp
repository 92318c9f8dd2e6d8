#include <juce_gui_basics/juce_gui_basics.h>

// Stand-in application object: starts and quits cleanly until the real shell is in place.
class VexoBEditorStartupApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "VexoB Editor"; }
    const juce::String getApplicationVersion() override { return "1.0.8"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String&) override { quit(); }
    void shutdown() override {}
};

START_JUCE_APPLICATION (VexoBEditorStartupApplication)
