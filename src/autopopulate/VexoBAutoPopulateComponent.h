#pragma once

#include "autopopulate/VexoFaderAutoPopulateComponent.h"
#include "autopopulate/VexoKnobAutoPopulateComponent.h"
#include "autopopulate/VexoPadAutoPopulateComponent.h"
#include "autopopulate/VexoSwitchAutoPopulateComponent.h"
#include "model/VexoBEditorPreset.h"

#include <memory>

// The body of the Auto Populate tool: the pad, knob, fader and switch pages one above the other,
// all writing into the controls of one preset.
class VexoBAutoPopulateComponent final : public juce::Component
{
public:
    static constexpr int width = 633;
    static constexpr int height = 677;

    explicit VexoBAutoPopulateComponent (VexoBEditorPreset::Ptr preset);
    ~VexoBAutoPopulateComponent() override;

    VexoPadAutoPopulateComponent& getPadPage() const noexcept { return *padPage; }
    VexoKnobAutoPopulateComponent& getKnobPage() const noexcept { return *knobPage; }
    VexoFaderAutoPopulateComponent& getFaderPage() const noexcept { return *faderPage; }
    VexoSwitchAutoPopulateComponent& getSwitchPage() const noexcept { return *switchPage; }
    const VexoBEditorPreset::Ptr& getPreset() const noexcept { return preset; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // The lines between the pages, each in the middle of the gap between two of them.
    juce::Array<int> getDividerPositions() const;

    VexoBEditorPreset::Ptr preset;
    std::unique_ptr<VexoPadAutoPopulateComponent> padPage;
    std::unique_ptr<VexoKnobAutoPopulateComponent> knobPage;
    std::unique_ptr<VexoFaderAutoPopulateComponent> faderPage;
    std::unique_ptr<VexoSwitchAutoPopulateComponent> switchPage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoBAutoPopulateComponent)
};
