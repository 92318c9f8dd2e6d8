#include "editor/lcd/LCDView.h"

LCDView::LCDView (const juce::String& titleText)
{
    title.setName (titleText);
    title.setText (titleText, juce::dontSendNotification);
    title.setBounds (5, 0, 100, titleHeight);
    title.setColour (juce::Label::textColourId, juce::Colours::white);
    title.setFont (juce::Font (18.0f, juce::Font::plain));
    addAndMakeVisible (title);
}

LCDView::~LCDView() = default;

void LCDView::addTypeView (LCDTypeView::Ptr page)
{
    if (page == nullptr)
        return;

    pages.add (page);
    page->setTopLeftPosition (0, title.getHeight());
    addChildComponent (page.get());

    // One caption font for the whole panel, on every page: none smaller than those beside it.
    auto height = LCDTypeView::defaultCaptionFontHeight;
    for (auto* each : pages)
        height = juce::jmin (height, each->getFittingCaptionFontHeight());
    for (auto* each : pages)
        each->setCaptionFontHeight (height);
}

void LCDView::showTypeView (int index)
{
    if (index < 0 || index >= pages.size())
        return;

    for (auto* page : pages)
        page->setVisible (false);

    auto page = pages.getUnchecked (index);
    page->resized();
    page->setVisible (true);
}

LCDTypeView* LCDView::getShownTypeView() const
{
    for (auto* page : pages)
        if (page->isVisible())
            return page;

    return nullptr;
}

void LCDView::addPage (const juce::Array<juce::Component*>& fields)
{
    LCDTypeView::Ptr page = new LCDTypeView();

    for (auto* field : fields)
        page->addComponent (field);

    page->setSize (pageWidth, pageHeight);
    addTypeView (page);
}

bool LCDView::isInActiveWindow() const
{
    auto* peer = getPeer();
    return peer != nullptr && peer->isFocused();
}

void LCDView::focusTypeBox (juce::Component& typeBox)
{
    // The window may be active while the box is not on screen (its page hidden, or the view not
    // yet shown), and only a box on screen can take the focus.
    if (isInActiveWindow() && typeBox.isShowing())
        typeBox.grabKeyboardFocus();
}

void LCDView::showType (int type, juce::Component& typeBox)
{
    // Types beyond the list reach here from files and the device; negative ones never do, but a
    // page index is no place to find out.
    if (type >= 0)
        showTypeView (type);

    focusTypeBox (typeBox);
}
