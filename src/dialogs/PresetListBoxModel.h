#pragma once

#include "widgets/ReferenceCountedImageButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GetPresetWindow;

// The rows of the Load From Hardware list: one per preset read, its slot and its name, with a "Get"
// button that opens that preset in a new main window. The model and its window hold each other;
// the window's releaseContent breaks the cycle.
class PresetListBoxModel : public juce::ListBoxModel, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<PresetListBoxModel>;

    class PresetListRowComponent;

    explicit PresetListBoxModel (GetPresetWindow* owner);
    ~PresetListBoxModel() override;

    // 0 before the first complete reading pass, then 31.
    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    juce::Component* refreshComponentForRow (int row, bool selected, juce::Component* existing) override;

    void setNames (const juce::StringArray& newNames) { names = newNames; }
    const juce::StringArray& getNames() const noexcept { return names; }

    // Null once the window has let go of its content.
    GetPresetWindow* getOwner() const noexcept;
    void releaseOwner();

private:
    juce::StringArray names;
    juce::ReferenceCountedObjectPtr<GetPresetWindow> owner;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBoxModel)
};

// One row: the slot's caption, the preset's name beside the "Get" button, and the button.
class PresetListBoxModel::PresetListRowComponent : public juce::Component, public juce::Button::Listener
{
public:
    explicit PresetListRowComponent (PresetListBoxModel& model);
    ~PresetListRowComponent() override;

    // Shows another row of the list; the list reuses its row components as it scrolls.
    void show (int rowNumber, const juce::String& slotText, const juce::String& name);

    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* button) override;

    int getRowNumber() const noexcept { return rowNumber; }
    const juce::String& getSlotText() const noexcept { return slotText; }
    juce::Label& getNameLabel() noexcept { return nameLabel; }
    ReferenceCountedImageButton& getGetButton() const noexcept { return *getButton; }

private:
    PresetListBoxModel::Ptr model;
    ReferenceCountedImageButton::Ptr getButton;
    juce::String slotText;
    int rowNumber = -1;
    juce::Label nameLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListRowComponent)
};
