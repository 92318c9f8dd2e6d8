#pragma once

#include "autopopulate/AutoPopulateParameterContainer.h"
#include "autopopulate/core/ControlSorter.h"

// What every page of the tool has: the controls of one kind and the ones chosen by the bank
// toggles, the bank strip with its "Apply" button, a block of fixed rows, the TYPE row and the area
// that the TYPE shows. The page owns its two lists; the sorter and the fill functions only point to
// them, and the page lets go of every row, area and function before the lists go.
class AutoPopulatePage : public juce::Component, public juce::ComboBox::Listener
{
public:
    ~AutoPopulatePage() override;

    ApplyToBanksComponent& getApplyToBanks() const noexcept { return *strip; }
    AutoPopulateParameterContainer& getFixedRows() const noexcept { return *fixedRows; }
    AutoPopulateParameter& getTypeRow() const noexcept { return *typeRow; }
    juce::ComboBox& getTypeComboBox() const noexcept { return *typeComboBox; }
    AutoPopulateParameterContainer* getCurrentArea() const noexcept { return area.get(); }
    const ControlList& getAllControls() const noexcept { return allControls; }
    const ControlList& getTargets() const noexcept { return targets; }

    void paint (juce::Graphics& g) override;

protected:
    AutoPopulatePage (const juce::String& title, int controlsPerBank, int bankCount);

    template <typename ControlType>
    void takeControls (const juce::ReferenceCountedArray<ControlType>& controls)
    {
        for (auto* control : controls)
            allControls.add (static_cast<MEditorControl*> (control));
    }

    // The strip over this page's sorter and the given toggles; added to the page.
    void makeStrip (const juce::ReferenceCountedArray<ImageToggleButton>& toggles);
    // A static row writing the editor's value into every target.
    AutoPopulateParameter::Ptr makeStaticRow (const juce::String& parameterName,
                                              AutoPopulateParameterType::Ptr editor, bool indented);
    AutoPopulateParameter::Ptr makeComboRow (std::unique_ptr<juce::ComboBox> box,
                                             const juce::String& parameterName, bool indented,
                                             const juce::String& label = {});
    AutoPopulateParameter::Ptr makeNumberRow (std::unique_ptr<NumberBox> box,
                                              const juce::String& parameterName, bool indented,
                                              const juce::String& label = {});
    void setFixedRows (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows);
    // The page listens to the box before it is wrapped, so it hears the wrapper choose the first
    // TYPE once the message loop runs.
    void setTypeRow (std::unique_ptr<juce::ComboBox> box, const juce::String& parameterName);

    // Puts the new area in place of the old one, which leaves the "Apply" button and the page.
    void replaceArea (AutoPopulateParameterContainer::Ptr newArea);

    // The TYPE row at (10, 24), the fixed rows at (240, 24), the area at (10, 50).
    void layOutRowsAndArea (int areaHeight);

    ControlList allControls;
    ControlList targets;
    ControlSorter::Ptr sorter;
    ApplyToBanksComponent::Ptr strip;
    AutoPopulateParameterContainer::Ptr fixedRows;
    AutoPopulateParameter::Ptr typeRow;
    AutoPopulateParameterContainer::Ptr area;

private:
    const juce::String title;
    juce::ComboBox* typeComboBox = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulatePage)
};
