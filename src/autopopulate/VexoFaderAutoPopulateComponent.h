#pragma once

#include "autopopulate/AutoPopulatePage.h"
#include "autopopulate/AutoPopulateSubMode.h"
#include "model/VexoFader.h"

// The "FADER" page: channel and to-DIN flag for the faders of the chosen banks, and by fader type
// their value range and a run of controller numbers.
class VexoFaderAutoPopulateComponent final : public AutoPopulatePage
{
public:
    // The CC area: MIN, MAX and ORDER, then the START of the controller run.
    class CCSubMode final : public AutoPopulateSubMode
    {
    public:
        CCSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                   ApplyToBanksComponent::Ptr strip, AscendingOrDescendingAutoPopulateFunction::Ptr function);

        void resized() override;
    };

    // The preset's 24 faders in flat order.
    explicit VexoFaderAutoPopulateComponent (const juce::ReferenceCountedArray<VexoFader>& faders);
    ~VexoFaderAutoPopulateComponent() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void resized() override;

    void showCCArea();
    void showAftertouchArea();

private:
    AutoPopulateParameter::Ptr makeMinRow();
    AutoPopulateParameter::Ptr makeMaxRow();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoFaderAutoPopulateComponent)
};
