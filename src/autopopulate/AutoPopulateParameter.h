#pragma once

#include "autopopulate/AutoPopulateParameterType.h"
#include "autopopulate/core/AutoPopulateFunction.h"
#include "widgets/ImageToggleButton.h"

// One row of a page: an "Enabled" toggle, a label and a value editor. On "Apply" an enabled row
// hands its editor's value to its fill function.
class AutoPopulateParameter final : public juce::Component,
                                    public juce::Button::Listener,
                                    public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameter>;

    // The label is the editor's name; the toggle starts off. The function may be null: such a row
    // writes nothing.
    static Ptr create (AutoPopulateFunction::Ptr function, AutoPopulateParameterType::Ptr editor,
                       bool indented);

    // A row that writes its editor's value into every target.
    static Ptr createStatic (const ControlList* targets, const juce::String& parameterName,
                             AutoPopulateParameterType::Ptr editor, bool indented);

    // The indented ORDER row of a run: ASCENDING (0, chosen at first) or DESCENDING (1).
    static Ptr createOrder (AutoPopulateFunction::Ptr function);

    ~AutoPopulateParameter() override;

    // Only the "Apply" button counts, told apart by its name.
    void buttonClicked (juce::Button* button) override;
    void applyIfEnabled();

    bool isIndented() const noexcept { return indented; }
    void setIndented (bool shouldBeIndented);

    juce::Button& getEnabledToggle() const noexcept { return *enabledToggle; }
    AutoPopulateParameterType& getEditor() const noexcept { return *editor; }
    AutoPopulateFunction* getFunction() const noexcept { return function.get(); }
    juce::String getLabelText() const { return label.getText(); }

    void resized() override;

private:
    AutoPopulateParameter (AutoPopulateFunction::Ptr function, AutoPopulateParameterType::Ptr editor,
                           bool indented);

    bool indented;
    AutoPopulateFunction::Ptr function;
    ImageToggleButton::Ptr enabledToggle;
    AutoPopulateParameterType::Ptr editor;
    juce::Label label;
    CustomLookForAuxiliaryWindows look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulateParameter)
};
