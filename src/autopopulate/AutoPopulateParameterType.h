#pragma once

#include "widgets/CustomLookForAuxiliaryWindows.h"
#include "widgets/EditorFactories.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The value editor of a row. Its component name is the row's label.
class AutoPopulateParameterType : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameterType>;

    ~AutoPopulateParameterType() override = default;

    // What the row hands its fill function: one byte.
    virtual juce::uint8 getValue() const = 0;
};

// Number boxes and combo boxes of the tool: grey writing on a dark field, 100 x 18.
void styleAutoPopulateNumberBox (NumberBox& box);

// A number box as a row editor; its value is the box's, cut to its low eight bits.
class NumberBoxParameterComponent final : public AutoPopulateParameterType,
                                          public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<NumberBoxParameterComponent>;

    explicit NumberBoxParameterComponent (std::unique_ptr<NumberBox> box);
    ~NumberBoxParameterComponent() override;

    juce::uint8 getValue() const override;
    NumberBox& getNumberBox() const noexcept { return *numberBox; }

    void resized() override;

private:
    CustomLookForAuxiliaryWindows look;
    std::unique_ptr<NumberBox> numberBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBoxParameterComponent)
};

// A combo box as a row editor; its value is the chosen item's identifier plus the offset, as one
// byte: with an offset of -1 the first item is 0, and nothing chosen is 255.
class ComboBoxParameterComponent final : public AutoPopulateParameterType,
                                         public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ComboBoxParameterComponent>;

    // Chooses the first item at once, and tells the box's listeners when the message loop runs.
    ComboBoxParameterComponent (std::unique_ptr<juce::ComboBox> box, int offset);
    ~ComboBoxParameterComponent() override;

    juce::uint8 getValue() const override;
    juce::ComboBox& getComboBox() const noexcept { return *comboBox; }

    void resized() override;

private:
    CustomLookForAuxiliaryWindows look;
    std::unique_ptr<juce::ComboBox> comboBox;
    const int offset;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ComboBoxParameterComponent)
};
