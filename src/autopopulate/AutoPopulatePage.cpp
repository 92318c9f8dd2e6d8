#include "autopopulate/AutoPopulatePage.h"

#include "autopopulate/AutoPopulateText.h"

AutoPopulatePage::AutoPopulatePage (const juce::String& titleToShow, int controlsPerBank, int bankCount)
    : sorter (new GenericSorted<ControlList> (&allControls, &targets, controlsPerBank, bankCount))
    , title (titleToShow)
{
}

AutoPopulatePage::~AutoPopulatePage()
{
    // Nothing may reach this page, or write into its lists, once it is gone: not the TYPE box,
    // not the "Apply" button.
    if (typeComboBox != nullptr)
        typeComboBox->removeListener (this);

    if (strip != nullptr)
    {
        strip->releaseSorter();
        if (typeRow != nullptr)
            strip->removeApplyListener (typeRow.get());
    }
    if (area != nullptr)
        area->detachFromApply();
    if (fixedRows != nullptr)
        fixedRows->detachFromApply();

    area = nullptr;
    typeRow = nullptr;
    fixedRows = nullptr;
    strip = nullptr;
    sorter = nullptr;
    targets.clear();
    allControls.clear();
}

void AutoPopulatePage::makeStrip (const juce::ReferenceCountedArray<ImageToggleButton>& toggles)
{
    strip = new ApplyToBanksComponent (sorter, toggles);
    addAndMakeVisible (*strip);
}

AutoPopulateParameter::Ptr AutoPopulatePage::makeStaticRow (const juce::String& parameterName,
                                                            AutoPopulateParameterType::Ptr editor,
                                                            bool indented)
{
    return AutoPopulateParameter::createStatic (&targets, parameterName, std::move (editor), indented);
}

AutoPopulateParameter::Ptr AutoPopulatePage::makeComboRow (std::unique_ptr<juce::ComboBox> box,
                                                           const juce::String& parameterName, bool indented,
                                                           const juce::String& label)
{
    AutoPopulateParameterType::Ptr editor = new ComboBoxParameterComponent (std::move (box), -1);
    if (label.isNotEmpty())
        editor->setName (label);
    return makeStaticRow (parameterName, editor, indented);
}

AutoPopulateParameter::Ptr AutoPopulatePage::makeNumberRow (std::unique_ptr<NumberBox> box,
                                                            const juce::String& parameterName, bool indented,
                                                            const juce::String& label)
{
    AutoPopulateParameterType::Ptr editor = new NumberBoxParameterComponent (std::move (box));
    if (label.isNotEmpty())
        editor->setName (label);
    return makeStaticRow (parameterName, editor, indented);
}

void AutoPopulatePage::setFixedRows (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows)
{
    fixedRows = new AutoPopulateParameterContainer (rows, strip);
    addAndMakeVisible (*fixedRows);
}

void AutoPopulatePage::setTypeRow (std::unique_ptr<juce::ComboBox> box, const juce::String& parameterName)
{
    typeComboBox = box.get();
    typeComboBox->addListener (this);
    typeRow = makeComboRow (std::move (box), parameterName, false, AutoPopulateText::typeLabel);
    addAndMakeVisible (*typeRow);
    typeRow->setSize (185, 25);
    strip->addApplyListener (typeRow.get());
}

void AutoPopulatePage::replaceArea (AutoPopulateParameterContainer::Ptr newArea)
{
    if (auto old = std::exchange (area, std::move (newArea)))
    {
        old->detachFromApply();
        removeChildComponent (old.get());
    }

    if (area != nullptr)
        addAndMakeVisible (*area);
}

void AutoPopulatePage::layOutRowsAndArea (int areaHeight)
{
    typeRow->setTopLeftPosition (10, 24);
    fixedRows->setBounds (240, typeRow->getY(), 225, 100);
    if (area != nullptr)
        area->setBounds (10, 50, 200, areaHeight);
}

void AutoPopulatePage::paint (juce::Graphics& g)
{
    g.setFont (22.0f);
    g.drawText (title, 10, 0, 100, 24, juce::Justification::centredLeft, true);
}
