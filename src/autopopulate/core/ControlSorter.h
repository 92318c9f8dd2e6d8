#pragma once

#include "autopopulate/core/AutoPopulateFunction.h"

// Turns a page's bank choice into the page's target list. Shared by counted reference between the
// page and its bank toggles; it owns neither list.
class ControlSorter : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ControlSorter>;

    ~ControlSorter() override = default;

    // One flag per bank, bank A first.
    virtual void sort (const juce::Array<bool>& bankFlags) = 0;
};

// The target list becomes the controls of every chosen bank, bank A's first, each bank in the
// order of its positions. allControls holds every control of the kind by flat index (bank x
// controls per bank + position); indices past its end are skipped, so extra flags add nothing.
template <typename ListType>
class GenericSorted final : public ControlSorter
{
public:
    // Neither list is owned: both belong to the page, which outlives the sorter's use.
    GenericSorted (const ListType* allControlsToSort, ListType* targetsToFill, int controlsPerBankToUse,
                   int bankCountToUse)
        : allControls (allControlsToSort)
        , targets (targetsToFill)
        , controlsPerBank (controlsPerBankToUse)
        , bankCount (bankCountToUse)
    {
    }

    void sort (const juce::Array<bool>& bankFlags) override
    {
        if (targets == nullptr)
            return;

        targets->clear();

        if (allControls == nullptr || controlsPerBank <= 0)
            return;

        const auto numControls = allControls->size();

        for (int bank = 0; bank < bankFlags.size(); ++bank)
        {
            const auto first = (juce::int64)bank * controlsPerBank;
            if (first >= numControls)
                break;

            if (!bankFlags.getUnchecked (bank))
                continue;

            for (int position = 0; position < controlsPerBank; ++position)
            {
                const auto index = first + position;
                if (index < numControls)
                    targets->add (allControls->getUnchecked ((int)index));
            }
        }
    }

    int getControlsPerBank() const noexcept { return controlsPerBank; }
    int getBankCount() const noexcept { return bankCount; }

private:
    const ListType* const allControls;
    ListType* const targets;
    const int controlsPerBank;
    const int bankCount;

    JUCE_DECLARE_NON_COPYABLE (GenericSorted)
};
