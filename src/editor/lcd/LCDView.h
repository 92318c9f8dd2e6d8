#pragma once

#include "editor/lcd/LCDTypeView.h"

#include <initializer_list>

// The LCD panel of one control: its title and one page of fields per control type, of which at
// most one is shown. The pages are numbered as the control's type values, so a type with no page
// (a value the model admits but the device has no type for) leaves the page shown before.
class LCDView : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<LCDView>;

    static constexpr int titleHeight = 22;
    static constexpr int pageWidth = 600;
    static constexpr int pageHeight = 120;

    explicit LCDView (const juce::String& title);
    ~LCDView() override;

    // Takes the page as the next one, below the title, hidden.
    void addTypeView (LCDTypeView::Ptr page);

    // Lays the page out again (so that every field it shares with other pages comes back to it)
    // and shows it alone. An index with no page changes nothing.
    void showTypeView (int index);

    int getNumTypeViews() const { return pages.size(); }
    LCDTypeView* getTypeView (int index) const { return pages[index].get(); }
    // The page on screen, or null while none has been shown.
    LCDTypeView* getShownTypeView() const;
    const juce::Label& getTitleLabel() const { return title; }

    void resized() override {}

protected:
    // A new page with these fields, sized and appended, as every control panel builds them.
    void addPage (const juce::Array<juce::Component*>& fields);
    void addPage (std::initializer_list<juce::Component*> fields)
    {
        addPage (juce::Array<juce::Component*> (fields));
    }

    // Whether the window this panel is in is the one the user is working in. Only then may the
    // panel move the keyboard focus: grabbing it in a window in the background would pull the
    // keystrokes, and the window focus, away from the window the user is typing in.
    bool isInActiveWindow() const;

    // The TYPE box takes the keyboard focus, when the panel's window is the active one.
    void focusTypeBox (juce::Component& typeBox);

    // What every control panel does when its control's type changes: the page of the new type,
    // and the focus on the TYPE box.
    void showType (int type, juce::Component& typeBox);

private:
    juce::Label title;
    juce::ReferenceCountedArray<LCDTypeView> pages;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LCDView)
};
