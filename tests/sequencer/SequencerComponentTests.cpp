#include "SequencerTestSupport.h"
#include "model/VexoPad.h"

#include <map>

using namespace sequencer_test;

namespace
{
struct SequencerEditor : ::testing::Test
{
    SequencerEditor() { settle(); }

    VexoBSequencer& sequencer() { return *preset->getSequencer(); }
    int startTypeOf() { return sequencer().getParameterInt (VexoBSequencer::Param::sequenceStartType); }

    // Where the overlay's shade begins on the row below the header, in the editor's coordinates.
    int shadeStartSeen (int stepsStart = 220)
    {
        const auto image = snapshotOf (editor);
        const int y = SequencerComponent::tableTop + editor.getTable().getHeader().getHeight() + 30;
        // Step columns hold nothing here, so they show the row's colour unless shaded.
        for (int x = stepsStart + 2; x < 1146; ++x)
            if (luminance (image.getPixelAt (x, y)) < 20.0f &&
                luminance (image.getPixelAt (x + 3, y)) < 20.0f)
                return x;
        return -1;
    }

    VexoBEditorPreset::Ptr preset = makePreset();
    SequencerComponent editor{preset};
};
} // namespace

TEST_F (SequencerEditor, ControlsSitWhereTheEditorPlacesThem)
{
    EXPECT_EQ (editor.getBounds(), juce::Rectangle<int> (0, 0, 1176, 721));
    // The name editor is as wide as its font needs for any name; the boxes follow it.
    const auto nameRight = editor.getNameEditor().getRight();
    EXPECT_EQ (editor.getNameEditor().getBounds().withWidth (75), juce::Rectangle<int> (85, 10, 75, 20));
    EXPECT_EQ (editor.getStepsBox().getBounds(), juce::Rectangle<int> (nameRight + 100, 10, 75, 20));
    EXPECT_EQ (editor.getStartStopBox().getBounds(), juce::Rectangle<int> (nameRight + 325, 10, 100, 20));
    EXPECT_EQ (editor.getTable().getBounds(), juce::Rectangle<int> (0, 40, 1176, 597));
    EXPECT_EQ (editor.getVelocityView().getBounds(), juce::Rectangle<int> (0, 637, 1176, 84));
    EXPECT_EQ (editor.getOverlay().getBounds(), juce::Rectangle<int> (0, 40, 1176, 681));
    EXPECT_EQ (editor.getClearButton().getBounds(), juce::Rectangle<int> (1041, 10, 115, 22));

    // The overlay lies over the table and the strip.
    const auto& children = editor.getChildren();
    const auto indexOf = [&children] (juce::Component& c) { return children.indexOf (&c); };
    EXPECT_GT (indexOf (editor.getOverlay()), indexOf (editor.getTable()));
    EXPECT_GT (indexOf (editor.getOverlay()), indexOf (editor.getVelocityView()));

    // Each caption stands left of its field, with its own words.
    std::map<juce::String, juce::Rectangle<int>> captions;
    for (auto* child : children)
        if (auto* label = dynamic_cast<juce::Label*> (child))
            captions[label->getText()] = label->getBounds();
    ASSERT_EQ (captions.size(), 3u);
    EXPECT_EQ (captions["Preset: "], juce::Rectangle<int> (10, 10, 75, 20));
    EXPECT_EQ (captions["STEPS: "].getRight(), nameRight + 100);
    EXPECT_EQ (captions["STEPS: "].getY(), 10);
    EXPECT_EQ (captions["START/STOP TYPE:"].getRight(), nameRight + 325);
    EXPECT_EQ (editor.getStepsBox().getName(), "Steps");
    EXPECT_EQ (editor.getStartStopBox().getName(), "Start/Stop");
}

TEST_F (SequencerEditor, StepsBoxSetsTheLengthAndTheShadeFollows)
{
    EXPECT_EQ (editor.getStepsBox().getText(), "32") << "a new preset plays all 32 steps";
    EXPECT_EQ (editor.getStepsBox().getNumItems(), 32);
    EXPECT_EQ (shadeStartSeen(), -1) << "nothing of the table shaded";

    // Set elsewhere: a length of 15 is 16 steps, and steps 17 to 32 are shaded.
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceLength, 15);
    settle();
    EXPECT_EQ (editor.getStepsBox().getText(), "16");
    EXPECT_EQ (editor.getOverlay().getLength(), 15);
    EXPECT_NEAR (shadeStartSeen(), 249 + 29 * 15, 1);

    editor.getStepsBox().setSelectedId (1, juce::sendNotificationSync);
    EXPECT_EQ (lengthOf (preset), 0);
    settle();
    EXPECT_NEAR (shadeStartSeen(), 249, 1);

    editor.getStepsBox().setSelectedId (32, juce::sendNotificationSync);
    EXPECT_EQ (lengthOf (preset), 31);
    settle();
    EXPECT_EQ (editor.getOverlay().getLength(), 31);
}

TEST_F (SequencerEditor, StartStopBoxSetsTheStartType)
{
    auto& box = editor.getStartStopBox();
    EXPECT_EQ (box.getText(), "ON/OFF");
    ASSERT_EQ (box.getNumItems(), 3);
    EXPECT_EQ (box.getItemText (1), "TRANSPORT");
    EXPECT_EQ (box.getItemText (2), "MIDI");

    for (int id : {3, 2, 1})
    {
        box.setSelectedId (id, juce::sendNotificationSync);
        EXPECT_EQ (startTypeOf(), id - 1);
    }

    sequencer().setParameterValue (VexoBSequencer::Param::sequenceStartType, 2);
    settle();
    EXPECT_EQ (box.getText(), "MIDI");
}

// A box with nothing chosen used to write item 0 - 1 = -1, which the model's byte record then
// carried as 0xFF and the next check of the preset refused.
TEST_F (SequencerEditor, ABoxWithNothingChosenWritesNothing)
{
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceLength, 7);
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceStartType, 1);
    settle();

    editor.getStepsBox().setSelectedId (0, juce::sendNotificationSync);
    editor.getStartStopBox().setSelectedId (0, juce::sendNotificationSync);
    editor.getStepsBox().setText ({}, juce::sendNotificationSync);
    settle();

    EXPECT_EQ (lengthOf (preset), 7);
    EXPECT_EQ (startTypeOf(), 1);
    EXPECT_TRUE (preset->validateBytes (preset->toBytes()));
    EXPECT_EQ (editor.getOverlay().getLength(), 7);
}

TEST_F (SequencerEditor, NameEditorRenamesThePresetAndFollowsRenames)
{
    auto& name = editor.getNameEditor();
    EXPECT_EQ (name.getText(), preset->getName());

    name.selectAll();
    name.insertTextAtCaret ("KICKS");
    EXPECT_EQ (preset->getName(), "KICKS");

    name.insertTextAtCaret ("LONGNAME");
    EXPECT_EQ (name.getText().length(), 8) << "a ninth character is refused";
    name.selectAll();
    name.insertTextAtCaret (juce::String::fromUTF8 ("CAF\xc3\x89"));
    EXPECT_EQ (preset->getName(), "CAF");
    EXPECT_TRUE (preset->validateBytes (preset->toBytes()));

    ASSERT_TRUE (preset->setName ("SNARES"));
    settle();
    EXPECT_EQ (name.getText(), "SNARES");

    for (auto* whole : {"MYTESTNA", "WWWWWWWW", "@@@@@@@@"}) // every name whole, the widest too
    {
        ASSERT_TRUE (preset->setName (whole));
        settle();
        EXPECT_LE (name.getTextWidth(), name.getWidth() - name.getBorder().getLeftAndRight()) << whole;
    }
}

TEST_F (SequencerEditor, ClearSequenceEmptiesEveryTrackAndNothingElse)
{
    for (int t = 0; t < 64; ++t)
        for (int step = 1; step <= 32; ++step)
            setStep (preset, t, step, (t + step) % 127 + 1);
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceLength, 20);
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceStartType, 2);
    preset->getPad (5)->setParameterValue (VexoPad::Param::midiNote, 40);
    ASSERT_TRUE (preset->setName ("KEEP ME"));
    const auto before = preset->toBytes();

    editor.getClearButton().triggerClick();
    ASSERT_TRUE (testing_support::pumpUntil ([this] { return stepOf (preset, 63, 32) == 0; }));

    const auto after = preset->toBytes();
    const auto sequencerStart = VexoBEditorPreset::sequencerOffset;
    for (int i = 0; i < after.size(); ++i)
    {
        if (i >= sequencerStart + VexoBSequencer::headerSize)
        {
            if (after[i] != 0)
                FAIL() << "step byte " << i << " is " << (int)after[i];
        }
        else if (after[i] != before[i])
            FAIL() << "byte " << i << " changed";
    }
    EXPECT_EQ (after[sequencerStart], 20);
    EXPECT_EQ (after[sequencerStart + 1], 2);

    settle();
    EXPECT_EQ (editor.getVelocityView().getStepEditor (1)->getNumberBox().getText(), "0");
}

TEST_F (SequencerEditor, GridShadeAndStripFollowTheColumnsTheUserHides)
{
    sequencer().setParameterValue (VexoBSequencer::Param::sequenceLength, 3);
    auto& header = editor.getTable().getHeader();
    header.setColumnVisible (StepColumnLayout::padColumnId, false);
    header.setColumnVisible (2, false);
    settle();

    const auto shown = StepColumnLayout::fromHeader (header);
    EXPECT_TRUE (editor.getOverlay().getColumnLayout() == shown);
    EXPECT_EQ (editor.getVelocityView().getStepEditor (1)->getX(), 110);
    EXPECT_EQ (editor.getVelocityView().getStepEditor (3)->getX(), 139);
    EXPECT_NEAR (shadeStartSeen (110), shown.getStepColumn (5).getStart(), 1);
}

// Every look and the table's model outlive the components that use them: they are still there
// when the last of those components goes.
TEST (SequencerEditorLifetime, LooksAndTheModelOutliveEveryComponentUsingThem)
{
    struct Watcher : juce::ComponentListener
    {
        void watch (juce::Component& component)
        {
            looks[&component] = &component.getLookAndFeel();
            names[&component] = typeid (component).name();
            component.addComponentListener (this);
        }

        void componentBeingDeleted (juce::Component& component) override
        {
            const auto* used = looks[&component];
            const bool alive = std::any_of (liveLooks.begin(), liveLooks.end(),
                                            [used] (auto& look) { return look.get() == used; });
            if (used != &juce::LookAndFeel::getDefaultLookAndFeel() && !alive)
                ADD_FAILURE() << "a " << names[&component] << " outlived its look";

            // The header goes with the table, while the model must still be there.
            if (&component == header && model == nullptr)
                ADD_FAILURE() << "the table outlived its model";

            // The looks may go once nothing watched uses them, and must find no reference left.
            if (++deleted == looks.size())
                liveLooks.clear();
        }

        std::map<juce::Component*, juce::LookAndFeel*> looks;
        std::map<juce::Component*, std::string> names;
        std::vector<juce::WeakReference<juce::LookAndFeel>> liveLooks;
        juce::WeakReference<SequencerListBoxTableModel> model;
        juce::Component* header = nullptr;
        size_t deleted = 0;
    };

    Watcher watcher;
    {
        auto editor = std::make_unique<SequencerComponent> (makePreset());
        settle();

        auto& header = editor->getTable().getHeader();
        auto& bar = editor->getVelocityView().getStepEditor (1)->getBar();
        ASSERT_NE (&header.getLookAndFeel(), &editor->getLookAndFeel());
        ASSERT_NE (&editor->getStepsBox().getLookAndFeel(), &editor->getLookAndFeel());
        ASSERT_NE (&bar.getLookAndFeel(), &editor->getLookAndFeel());

        for (auto* component :
             {(juce::Component*)&header, (juce::Component*)editor->getTable().getViewport(),
              (juce::Component*)&editor->getStepsBox(), (juce::Component*)&editor->getStartStopBox(),
              (juce::Component*)&bar, (juce::Component*)&editor->getTable()})
        {
            watcher.watch (*component);
            watcher.liveLooks.emplace_back (&component->getLookAndFeel());
        }
        watcher.model = &editor->getTableModel();
        watcher.header = &header;
    }
    EXPECT_EQ (watcher.model.get(), nullptr);
}
