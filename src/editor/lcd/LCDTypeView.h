#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// One page of an LCD panel: the fields of one control type, each with a caption made from the
// field's name, in two columns of four rows (a ninth field and later ones continue the second
// column downwards). The fields belong to the panel, which may put one editor on several pages; an
// editor is a child of whichever page was laid out last.
class LCDTypeView : public juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<LCDTypeView>;

    static constexpr int fieldWidth = 50;
    static constexpr int fieldHeight = 20;
    static constexpr int rowsPerColumn = 4;
    // The captions' font unless a caption of the panel would not fit it whole (see addTypeView).
    static constexpr float defaultCaptionFontHeight = 16.0f;

    LCDTypeView();
    ~LCDTypeView() override;

    // Appends the field, 50 x 20; it becomes a child only when the page is laid out.
    void addComponent (juce::Component* field);

    int getNumFields() const { return fields.size(); }
    // Null once the panel that owns the field has deleted it.
    juce::Component* getField (int index) const;
    // The caption of the field at index as last laid out; null before the first layout.
    juce::Label* getCaption (int index) const;

    // The largest caption font, up to the default one, in which every caption of this page fits
    // its box whole; a caption that does not fit would otherwise be drawn squeezed.
    float getFittingCaptionFontHeight() const;
    // The largest font height, up to the given one, in which a label's text fits the width whole.
    static float fittingFontHeight (const juce::String& text, float width, float largest);
    // The panel gives all its pages one caption font, that of its longest caption.
    void setCaptionFontHeight (float height);
    float getCaptionFontHeight() const { return captionFontHeight; }

    // Makes new captions and places every field with its caption. Rows are as high as the fields
    // are when the layout starts, so a page's first layout (fields still 20 high) is looser than
    // every later one (18).
    void resized() override;

private:
    juce::Array<juce::Component::SafePointer<juce::Component>> fields;
    juce::OwnedArray<juce::Label> captions;
    float captionFontHeight = defaultCaptionFontHeight;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LCDTypeView)
};
