#include "autopopulate/AutoPopulateParameterContainer.h"

AutoPopulateParameterContainer::AutoPopulateParameterContainer (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rowsToShow,
    ApplyToBanksComponent::Ptr stripToUse)
    : rows (rowsToShow)
    , strip (std::move (stripToUse))
{
    for (auto* row : rows)
    {
        addChildComponent (row);
        if (strip != nullptr)
            strip->addApplyListener (row);
    }

    setSize (250, getHeight());
}

AutoPopulateParameterContainer::~AutoPopulateParameterContainer()
{
    detachFromApply();
}

void AutoPopulateParameterContainer::detachFromApply()
{
    if (!std::exchange (attached, false) || strip == nullptr)
        return;

    for (auto* row : rows)
        strip->removeApplyListener (row);
}

AutoPopulateParameter* AutoPopulateParameterContainer::findRow (const juce::String& label) const
{
    for (auto* row : rows)
        if (row->getLabelText() == label)
            return row;
    return nullptr;
}

int AutoPopulateParameterContainer::getBottomOfRows() const noexcept
{
    return rows.isEmpty() ? 0 : rowPitch * (rows.size() - 1) + rowHeight;
}

void AutoPopulateParameterContainer::resized()
{
    for (int i = 0; i < rows.size(); ++i)
    {
        auto* row = rows.getObjectPointerUnchecked (i);
        row->setBounds (0, rowPitch * i, row->isIndented() ? 185 : 225, rowHeight);
        row->setVisible (true);
    }
}
