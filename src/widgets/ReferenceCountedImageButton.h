#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// An image button that dialogs share through counted references. Its component name is its
// caption, by which the dialogs' button listeners tell their buttons apart.
class ReferenceCountedImageButton : public juce::ReferenceCountedObject, public juce::ImageButton
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ReferenceCountedImageButton>;

    explicit ReferenceCountedImageButton (const juce::String& name);
    ~ReferenceCountedImageButton() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ReferenceCountedImageButton)
};
