#pragma once

#include "autopopulate/AutoPopulateParameterContainer.h"

#include <memory>
#include <vector>

// An area whose run starts where its START box says: the rows, then the number boxes below them,
// each labelled on its left. A new area starts every box at 0, whatever the area it replaces held.
class AutoPopulateSubMode : public AutoPopulateParameterContainer, public NumberBox::Listener
{
public:
    ~AutoPopulateSubMode() override;

    AutoPopulateFunctionFromStart& getFunction() const noexcept { return *function; }

    // The boxes in the order they were added, the START box first.
    int getNumBoxes() const noexcept { return (int)boxes.size(); }
    NumberBox& getBox (int index) const { return *boxes[(size_t)index].box; }
    NumberBox& getStartBox() const { return getBox (0); }
    juce::String getBoxLabelText (int index) const { return boxes[(size_t)index].label->getText(); }

    // The START box sets the function's start.
    void numberBoxChanged (NumberBox* box) override;

protected:
    AutoPopulateSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                         ApplyToBanksComponent::Ptr strip, AutoPopulateFunctionFromStart::Ptr function);

    // A box at x = 85 under the rows, or under the last box, 22 pixels further down.
    NumberBox& addBox (const juce::String& name, int minimum, int maximum, const juce::String& labelText,
                       int width = 100);

    AutoPopulateFunctionFromStart::Ptr function;

private:
    struct LabelledBox
    {
        std::unique_ptr<NumberBox> box;
        std::unique_ptr<juce::Label> label;
    };

    std::vector<LabelledBox> boxes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulateSubMode)
};

// A note area: the START box is narrow and followed by a list of note names; choosing a name sets
// START, and a START shows its name.
class NoteStartSubMode : public AutoPopulateSubMode, public juce::ComboBox::Listener
{
public:
    NoteStartSubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                      ApplyToBanksComponent::Ptr strip, NoteScaleAutoPopulateFunction::Ptr function);
    ~NoteStartSubMode() override;

    juce::ComboBox& getNoteNameComboBox() noexcept { return noteNames; }

    void numberBoxChanged (NumberBox* box) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    CustomLookForAuxiliaryWindows look;
    juce::ComboBox noteNames;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NoteStartSubMode)
};
