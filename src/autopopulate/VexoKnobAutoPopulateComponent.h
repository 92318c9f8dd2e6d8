#pragma once

#include "autopopulate/AutoPopulatePage.h"
#include "autopopulate/AutoPopulateSubMode.h"
#include "model/VexoKnob.h"

// The "KNOBS" page: channel and to-DIN flag for the knobs of the chosen banks, and by knob type
// their value range, a run of controller numbers or a run of NRPN numbers.
class VexoKnobAutoPopulateComponent final : public AutoPopulatePage
{
public:
    // The CC and INC/DEC 2 areas: their rows, then the START of the controller run.
    class CCSubMode final : public AutoPopulateSubMode
    {
    public:
        CCSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                   ApplyToBanksComponent::Ptr strip, AscendingOrDescendingAutoPopulateFunction::Ptr function);

        void resized() override;
    };

    // The INC/DEC 1 area: VALUE and ORDER, then the START of the NRPN run and its two halves, each
    // kept in step with the others.
    class INCDEC1SubMode final : public AutoPopulateSubMode
    {
    public:
        INCDEC1SubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr strip,
                        SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr function);

        NumberBox& getMsbBox() const { return getBox (1); }
        NumberBox& getLsbBox() const { return getBox (2); }

        void resized() override;
        void numberBoxChanged (NumberBox* box) override;
    };

    // The preset's 24 knobs in flat order.
    explicit VexoKnobAutoPopulateComponent (const juce::ReferenceCountedArray<VexoKnob>& knobs);
    ~VexoKnobAutoPopulateComponent() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void resized() override;

    void showCCArea();
    void showAftertouchArea();
    void showIncDec1Area();
    void showIncDec2Area();

private:
    AutoPopulateParameter::Ptr makeMinRow();
    AutoPopulateParameter::Ptr makeMaxRow();
    AutoPopulateParameter::Ptr makeValueRow();
    void showCCRun (bool withRange);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VexoKnobAutoPopulateComponent)
};
