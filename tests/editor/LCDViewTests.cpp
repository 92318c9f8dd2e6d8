#include "LcdPanelTestSupport.h"

#include <memory>

using lcd_test::Columns;
using lcd_test::columnsOf;

namespace
{
// A panel of named plain fields, the machinery of every control panel without a control.
struct TwoPagePanel : LCDView
{
    TwoPagePanel()
        : LCDView ("Pad 7")
    {
        for (auto name : {"TYPE", "MIDI CHANNEL", "A", "B", "C", "D", "E", "F", "G"})
            fields.push_back (std::make_unique<juce::Component> (name));

        // Seven fields, then the first, second and fifth again on a page of their own.
        addPage ({f (0), f (1), f (2), f (3), f (4), f (5), f (6)});
        addPage ({f (0), f (1), f (4)});
    }

    juce::Component* f (int i) { return fields[(size_t)i].get(); }

    std::vector<std::unique_ptr<juce::Component>> fields;
};
} // namespace

TEST (LCDView, TheTitleStandsAboveThePagesInWhite)
{
    TwoPagePanel panel;
    auto& title = panel.getTitleLabel();
    EXPECT_EQ (title.getText(), "Pad 7");
    EXPECT_EQ (title.getBounds(), juce::Rectangle<int> (5, 0, 100, 22));
    EXPECT_EQ (title.findColour (juce::Label::textColourId), juce::Colours::white);
    EXPECT_FLOAT_EQ (title.getFont().getHeight(), 18.0f);

    ASSERT_EQ (panel.getNumTypeViews(), 2);
    for (int i = 0; i < 2; ++i)
    {
        auto* page = panel.getTypeView (i);
        EXPECT_EQ (page->getBounds(), juce::Rectangle<int> (0, 22, 600, 120));
        EXPECT_EQ (page->getParentComponent(), &panel);
        EXPECT_FALSE (page->isVisible()) << "pages wait hidden until their type is shown";
    }
    EXPECT_EQ (panel.getShownTypeView(), nullptr);
}

// Four rows on the left, the rest on the right; captions name their fields; a shown page is laid
// out at the fields' own height of 18, tighter than its first layout at 20.
TEST (LCDView, AShownPageHasFourRowsOnTheLeftAndTheRestOnTheRight)
{
    TwoPagePanel panel;
    panel.showTypeView (0);

    auto* page = panel.getShownTypeView();
    ASSERT_EQ (page, panel.getTypeView (0));
    EXPECT_EQ (columnsOf (*page), (Columns{{"TYPE", "MIDI CHANNEL", "A", "B"}, {"C", "D", "E"}}));

    for (int i = 0; i < 7; ++i)
    {
        auto* field = page->getField (i);
        auto* caption = page->getCaption (i);
        ASSERT_NE (caption, nullptr);
        const int row = i % 4;
        const bool left = i < 4;
        EXPECT_EQ (field->getBounds(),
                   juce::Rectangle<int> (left ? 130 : 380, row * 18, left ? 120 : 100, 18))
            << field->getName();
        // Each caption reaches up to its field.
        EXPECT_EQ (caption->getBounds(), juce::Rectangle<int> (left ? 5 : 255, row * 18, 125, 18))
            << field->getName();
        EXPECT_EQ (caption->getText(), field->getName() + ": ");
        EXPECT_EQ (caption->findColour (juce::Label::textColourId), juce::Colours::white);
        EXPECT_FLOAT_EQ (caption->getFont().getHeight(), 16.0f);
        EXPECT_EQ (caption->getParentComponent(), page);
    }

    EXPECT_EQ (page->getField (3)->getY(), 54) << "the fourth row at an 18-pixel pitch";
}

TEST (LCDView, APageLaidOutOnlyWhenItGotItsSizeUsesATwentyPixelPitch)
{
    LCDTypeView page;
    juce::Component a ("A"), b ("B"), c ("C"), d ("D"), e ("E");
    for (auto* field : {&a, &b, &c, &d, &e})
        page.addComponent (field);
    EXPECT_EQ (a.getBounds(), juce::Rectangle<int> (0, 0, 50, 20));
    EXPECT_EQ (a.getParentComponent(), nullptr) << "a field becomes a child only when laid out";

    page.setSize (600, 120);
    EXPECT_EQ (d.getY(), 60);
    EXPECT_EQ (page.getCaption (3)->getBounds(), juce::Rectangle<int> (5, 60, 125, 20));
    EXPECT_EQ (e.getBounds(), juce::Rectangle<int> (380, 0, 100, 18));

    // Captions are made anew at each layout, never piled up.
    page.resized();
    page.resized();
    int labels = 0;
    for (auto* child : page.getChildren())
        labels += dynamic_cast<juce::Label*> (child) != nullptr ? 1 : 0;
    EXPECT_EQ (labels, 5);
}

// A field on two pages goes with whichever page is shown; an index with no page keeps the page.
TEST (LCDView, ShowingAPageTakesItsSharedFieldsBackAndAMissingPageChangesNothing)
{
    TwoPagePanel panel;
    panel.showTypeView (1);
    EXPECT_EQ (columnsOf (*panel.getTypeView (1)), (Columns{{"TYPE", "MIDI CHANNEL", "C"}, {}}));
    EXPECT_FALSE (panel.getTypeView (0)->isVisible());

    panel.showTypeView (0);
    EXPECT_EQ (columnsOf (*panel.getTypeView (0)),
               (Columns{{"TYPE", "MIDI CHANNEL", "A", "B"}, {"C", "D", "E"}}));
    EXPECT_EQ (panel.f (4)->getParentComponent(), panel.getTypeView (0));

    for (int index : {2, 5, -1, -100})
    {
        panel.showTypeView (index);
        EXPECT_EQ (panel.getShownTypeView(), panel.getTypeView (0)) << index;
        EXPECT_EQ (panel.f (4)->getParentComponent(), panel.getTypeView (0)) << index;
    }
}

// A spacer has no name: its caption is blank and its row stays empty. The ninth field continues the
// second column downwards.
TEST (LCDView, ASpacerKeepsARowEmptyAndANinthFieldGoesBelowTheRightColumn)
{
    LCDTypeView page;
    std::vector<std::unique_ptr<juce::Component>> fields;
    for (auto name : {"1", "2", "3", "", "5", "6", "7", "8", "9"})
        page.addComponent (fields.emplace_back (std::make_unique<juce::Component> (name)).get());
    page.setSize (600, 120);
    page.resized();

    EXPECT_TRUE (page.getCaption (3)->getText().isEmpty());
    EXPECT_EQ (page.getCaption (3)->getY(), 54);
    EXPECT_EQ (fields[8]->getBounds(), juce::Rectangle<int> (380, 72, 100, 18));
    EXPECT_EQ (page.getCaption (8)->getBounds(), juce::Rectangle<int> (255, 72, 125, 18));
}

// The panel owns the fields; a page kept beyond a field it lists lays out what is left.
TEST (LCDView, APageOutlivingAFieldLaysOutTheRest)
{
    LCDTypeView::Ptr page = new LCDTypeView();
    auto gone = std::make_unique<juce::Component> ("GONE");
    juce::Component kept ("KEPT");
    page->addComponent (gone.get());
    page->addComponent (&kept);
    page->setSize (600, 120);
    gone.reset();

    page->resized();
    EXPECT_EQ (page->getField (0), nullptr);
    EXPECT_EQ (kept.getBounds(), juce::Rectangle<int> (130, 18, 120, 18));
    EXPECT_EQ (page->getCaption (1)->getText(), "KEPT: ");
}
