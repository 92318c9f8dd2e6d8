#include "AutoPopulateTestSupport.h"

#include "autopopulate/AutoPopulateText.h"
#include "support/FreedMemoryPoison.h"
#include "widgets/ImageButtonFactories.h"

namespace
{
// Counts what a row hands its function.
struct RecordingFunction final : public AutoPopulateFunction
{
    RecordingFunction()
        : AutoPopulateFunction (nullptr, "recorded")
    {
    }
    void apply (int argument) override { arguments.add (argument); }
    juce::Array<int> arguments;
};

ComboBoxParameterComponent::Ptr comboEditor (int items)
{
    auto box = std::make_unique<juce::ComboBox> ("CHOICE");
    for (int i = 1; i <= items; ++i)
        box->addItem ("item " + juce::String (i), i);
    return new ComboBoxParameterComponent (std::move (box), -1);
}

struct Strip
{
    ControlList all;
    ControlList targets;
    ApplyToBanksComponent::Ptr strip;

    Strip()
    {
        for (int i = 0; i < 24; ++i)
            all.add (new VexoKnob());
        juce::ReferenceCountedArray<ImageToggleButton> toggles;
        toggles.add (createBankAToggleButton());
        toggles.add (createBankBToggleButton());
        toggles.add (createBankCToggleButton());
        strip = new ApplyToBanksComponent (new GenericSorted<ControlList> (&all, &targets, 8, 3), toggles);
    }
};
} // namespace

TEST_F (AutoPopulateTest, ComboEditorGivesChosenIdMinusOneAndNothingChosenAs255)
{
    auto editor = comboEditor (3);
    EXPECT_EQ (editor->getName(), "CHOICE");
    EXPECT_EQ (editor->getValue(), 0); // the first item is chosen at once
    editor->getComboBox().setSelectedId (3, juce::dontSendNotification);
    EXPECT_EQ (editor->getValue(), 2);
    editor->getComboBox().setSelectedId (0, juce::dontSendNotification);
    EXPECT_EQ (editor->getValue(), 255);
}

TEST_F (AutoPopulateTest, NumberEditorGivesTheLowByteOfItsBox)
{
    NumberBoxParameterComponent::Ptr editor =
        new NumberBoxParameterComponent (std::make_unique<NumberBox> ("BIG", 0, 16383, 0));
    EXPECT_EQ (editor->getName(), "BIG");
    EXPECT_EQ (editor->getNumberBox().getWidth(), 100);
    editor->getNumberBox().setValue (300, juce::dontSendNotification);
    EXPECT_EQ (editor->getValue(), 300 & 0xff);
}

TEST_F (AutoPopulateTest, ARowAppliesOnlyWhenEnabledAndOnlyForApply)
{
    auto* recording = new RecordingFunction();
    auto row = AutoPopulateParameter::create (recording, comboEditor (4).get(), false);
    EXPECT_EQ (row->getLabelText(), "CHOICE");
    auto apply = createApplyButton();
    auto other = createRefreshButton();

    row->buttonClicked (apply.get());
    EXPECT_TRUE (recording->arguments.isEmpty());

    row->getEnabledToggle().setToggleState (true, juce::dontSendNotification);
    comboOf (*row).setSelectedId (4, juce::dontSendNotification);
    row->buttonClicked (other.get());
    row->buttonClicked (apply.get());
    EXPECT_EQ (recording->arguments, juce::Array<int> ({3}));

    // A row without a function has nothing to write.
    auto idle = AutoPopulateParameter::create (nullptr, comboEditor (2).get(), false);
    idle->getEnabledToggle().setToggleState (true, juce::dontSendNotification);
    idle->buttonClicked (apply.get());
}

TEST_F (AutoPopulateTest, OrderRowStartsAscendingAndIndented)
{
    auto* recording = new RecordingFunction();
    auto order = AutoPopulateParameter::createOrder (recording);
    EXPECT_TRUE (order->isIndented());
    EXPECT_EQ (order->getLabelText(), "ORDER");
    EXPECT_EQ (comboOf (*order).getItemText (1), "DESCENDING");

    order->getEnabledToggle().setToggleState (true, juce::dontSendNotification);
    order->applyIfEnabled();
    comboOf (*order).setSelectedId (2, juce::dontSendNotification);
    order->applyIfEnabled();
    EXPECT_EQ (recording->arguments, juce::Array<int> ({0, 1}));
}

TEST_F (AutoPopulateTest, BankTogglesSortTheTargetsAndApplyReachesEveryRegisteredRowOnce)
{
    Strip bench;
    EXPECT_EQ (bench.strip->getWidth(), 140);
    EXPECT_EQ (bench.strip->getHeight(), 200);

    click (bench.strip->getBankToggle (2));
    click (bench.strip->getBankToggle (0));
    ASSERT_EQ (bench.targets.size(), 16);
    EXPECT_EQ (bench.targets[0], bench.all[0]);
    EXPECT_EQ (bench.targets[8], bench.all[16]);

    auto* recording = new RecordingFunction();
    auto row = AutoPopulateParameter::create (recording, comboEditor (2).get(), false);
    row->getEnabledToggle().setToggleState (true, juce::dontSendNotification);
    bench.strip->addApplyListener (row.get());
    bench.strip->addApplyListener (row.get());

    click (bench.strip->getApplyButton());
    EXPECT_EQ (recording->arguments.size(), 1);

    bench.strip->removeApplyListener (row.get());
    click (bench.strip->getApplyButton());
    EXPECT_EQ (recording->arguments.size(), 1);
}

TEST_F (AutoPopulateTest, ADiscardedContainerLeavesTheApplyButtonAtOnce)
{
    Strip bench;
    auto* recording = new RecordingFunction();
    auto row = AutoPopulateParameter::create (recording, comboEditor (2).get(), true);
    row->getEnabledToggle().setToggleState (true, juce::dontSendNotification);

    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (row);
    AutoPopulateParameterContainer::Ptr container = new AutoPopulateParameterContainer (rows, bench.strip);
    EXPECT_EQ (container->getWidth(), 250);
    click (bench.strip->getApplyButton());
    EXPECT_EQ (recording->arguments.size(), 1);

    container->detachFromApply();
    click (bench.strip->getApplyButton());
    EXPECT_EQ (recording->arguments.size(), 1);

    // Gone for good: the button holds no pointer to it or its rows.
    container = nullptr;
    rows.clear();
    row = nullptr;
    click (bench.strip->getApplyButton());
}

TEST_F (AutoPopulateTest, ContainerStacksRowsIndentedNarrower)
{
    Strip bench;
    juce::ReferenceCountedArray<AutoPopulateParameter> rows;
    rows.add (AutoPopulateParameter::create (nullptr, comboEditor (1).get(), false));
    rows.add (AutoPopulateParameter::create (nullptr, comboEditor (1).get(), true));
    AutoPopulateParameterContainer::Ptr container = new AutoPopulateParameterContainer (rows, bench.strip);
    container->setBounds (0, 0, 250, 100);

    EXPECT_EQ (rows[0]->getBounds(), juce::Rectangle<int> (0, 0, 225, 18));
    EXPECT_EQ (rows[1]->getBounds(), juce::Rectangle<int> (0, 22, 185, 18));
    EXPECT_EQ (rows[1]->getEnabledToggle().getX(), 10);
    EXPECT_EQ (rows[1]->getEditor().getBounds(), juce::Rectangle<int> (85, 0, 100, 18));
    EXPECT_TRUE (rows[1]->isVisible());
}

TEST_F (AutoPopulateTest, AStripOutlivingItsPageSortsIntoNothing)
{
    // Something may still hold a page's strip when the page goes; its toggles must not reach the
    // page's lists then. The page's memory is poisoned as it goes, so a write there crashes.
    auto page = std::make_unique<VexoKnobAutoPopulateComponent> (juce::ReferenceCountedArray<VexoKnob>());
    ApplyToBanksComponent::Ptr strip = &page->getApplyToBanks();
    const ScopedFreedMemoryPoison poison;
    page = nullptr;

    // Clicked at once, before anything else can take the page's memory over.
    strip->getBankToggle (0).setToggleState (true, juce::sendNotificationSync);
    click (strip->getApplyButton());
    EXPECT_TRUE (strip->getBankToggle (0).getToggleState());
}
