#pragma once

// Drives the LCD panels as the user does: through the fields on the page that is shown.

#include "editor/lcd/LCDView.h"
#include "support/MessageLoop.h"
#include "support/OnScreen.h"
#include "widgets/EditorFactories.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lcd_test
{
// The page's fields by column, top to bottom, as they stand after its last layout. A field that
// is not the page's child (it sits on another page) shows as "?" + its name; a spacer as "".
struct Columns
{
    std::vector<std::string> left;
    std::vector<std::string> right;
};

inline Columns columnsOf (const LCDTypeView& page)
{
    Columns columns;

    for (int i = 0; i < page.getNumFields(); ++i)
    {
        auto* field = page.getField (i);

        if (field == nullptr)
            continue;

        auto name = field->getName().toStdString();

        if (field->getParentComponent() != &page || !field->isVisible())
            name = "?" + name;

        (field->getX() < 255 ? columns.left : columns.right).push_back (name);
    }

    return columns;
}

inline bool operator== (const Columns& a, const Columns& b)
{
    return a.left == b.left && a.right == b.right;
}

inline std::ostream& operator<< (std::ostream& out, const Columns& columns)
{
    auto list = [&out] (const std::vector<std::string>& names)
    {
        for (auto& name : names)
            out << '"' << name << "\" ";
    };
    out << "left: ";
    list (columns.left);
    out << "| right: ";
    list (columns.right);
    return out;
}

// The field of that name on the page that is shown; fails the test when there is none.
template <typename FieldType>
FieldType& shownField (const LCDView& panel, const juce::String& name)
{
    auto* page = panel.getShownTypeView();

    if (page != nullptr)
        for (int i = 0; i < page->getNumFields(); ++i)
            if (auto* field = page->getField (i); field != nullptr && field->getName() == name)
                if (field->getParentComponent() == page)
                    if (auto* typed = dynamic_cast<FieldType*> (field))
                        return *typed;

    ADD_FAILURE() << "no field " << name << " on the page shown";
    throw std::runtime_error ("missing field");
}

// Any field of that name on any page, shown or not.
template <typename FieldType>
FieldType* anyField (const LCDView& panel, const juce::String& name)
{
    for (int p = 0; p < panel.getNumTypeViews(); ++p)
        for (int i = 0; i < panel.getTypeView (p)->getNumFields(); ++i)
            if (auto* field = panel.getTypeView (p)->getField (i);
                field != nullptr && field->getName() == name)
                return dynamic_cast<FieldType*> (field);

    return nullptr;
}

// Chooses the item with that text, as the box's menu does.
inline void choose (juce::ComboBox& box, const juce::String& text)
{
    for (int i = 0; i < box.getNumItems(); ++i)
    {
        if (box.getItemText (i) == text)
        {
            box.setSelectedId (box.getItemId (i), juce::sendNotificationSync);
            // The panel's value tells its listeners, the page among them, on the message loop.
            testing_support::pumpMessages (20);
            return;
        }
    }

    ADD_FAILURE() << "no item " << text << " in " << box.getName();
}

// One click opens the box's editor, the text is typed into it and return commits it.
inline void typeInto (NumberBox& box, const juce::String& text)
{
    testing_support::pumpMessages (20);
    const testing_support::OnScreen shown (box);
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr) << box.getName();
    editor->insertTextAtCaret (text);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    testing_support::pumpMessages (20);
    ASSERT_EQ (box.getCurrentTextEditor(), nullptr);
}

// The caption of a field on the page shown: its text as drawn.
inline juce::String captionOf (const LCDView& panel, const juce::String& name)
{
    if (auto* page = panel.getShownTypeView())
        for (int i = 0; i < page->getNumFields(); ++i)
            if (auto* field = page->getField (i); field != nullptr && field->getName() == name)
                if (auto* caption = page->getCaption (i))
                    return caption->getText();

    return "<none>";
}
} // namespace lcd_test
