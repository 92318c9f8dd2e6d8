#pragma once

#include "editor/ControlView.h"
#include "editor/DragableAndDropAbleControl.h"

// A knob, fader or switch of the device picture: clicked to show its panel, dragged onto another
// control view to copy its settings there.
class VexoControlView : public virtual juce::ReferenceCountedObject,
                        public ControlView,
                        public DragableAndDropAbleControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoControlView>;

    // Sized to its normal image.
    VexoControlView (MEditorControl::Ptr control, const juce::Image& normalImage,
                     const juce::Image& mouseOverImage, const juce::Image& toggledOnImage);
    ~VexoControlView() override;

    MEditorControl::Ptr getControl() const override { return control; }

private:
    MEditorControl::Ptr control;

    JUCE_DECLARE_NON_COPYABLE (VexoControlView)
};
