#pragma once

#include "autopopulate/ApplyToBanksComponent.h"
#include "autopopulate/AutoPopulateParameter.h"

// A stack of rows, each registered on its page's "Apply" button for as long as the stack is in
// use. Every area below a page's TYPE row is one.
class AutoPopulateParameterContainer : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateParameterContainer>;

    static constexpr int rowPitch = 22;
    static constexpr int rowHeight = 18;

    AutoPopulateParameterContainer (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                                    ApplyToBanksComponent::Ptr strip);
    ~AutoPopulateParameterContainer() override;

    // Takes every row off the "Apply" button: a discarded area writes nothing, even while
    // something still holds it. Called by the destructor too.
    void detachFromApply();
    bool isAttachedToApply() const noexcept { return attached; }

    int getNumRows() const noexcept { return rows.size(); }
    AutoPopulateParameter* getRow (int index) const { return rows[index].get(); }
    // The first row labelled so, or null.
    AutoPopulateParameter* findRow (const juce::String& label) const;

    // Where something placed under the rows begins.
    int getBottomOfRows() const noexcept;

    void resized() override;

protected:
    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    ApplyToBanksComponent::Ptr strip;

private:
    bool attached = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopulateParameterContainer)
};
