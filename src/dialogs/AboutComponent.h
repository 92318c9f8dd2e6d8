#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The About box's content: the logo, the version line across its middle and two lines of notice
// under it. A click anywhere on it takes its window off the screen.
class AboutComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AboutComponent>;

    static const juce::Colour textColour;
    static constexpr float textHeight = 15.0f;

    // The two notice lines under the version line.
    static const juce::String firstNoticeLine;
    static const juce::String secondNoticeLine;
    static juce::Rectangle<int> getFirstNoticeArea (int width) { return {0, 211, width, 15}; }
    static juce::Rectangle<int> getSecondNoticeArea (int width) { return {0, 227, width, 15}; }

    // Sized to the logo.
    explicit AboutComponent (juce::Image logo);
    ~AboutComponent() override;

    void mouseUp (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    const juce::Label& getVersionLabel() const noexcept { return versionLabel; }

private:
    juce::Image logo;
    juce::Label versionLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
