#include "PixelProbe.h"
#include "support/MessageLoop.h"
#include "support/OnScreen.h"
#include "widgets/EditorFactories.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
// Types into the box as a user would: one click opens the editor, the typed text replaces the
// selection (through the editor's character filter) and return commits it.
void typeAndCommit (NumberBox& box, const juce::String& text)
{
    // Earlier changes are still being announced; let them settle, as they would before a click.
    testing_support::pumpMessages (30);
    const testing_support::OnScreen shown (box);
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->insertTextAtCaret (text);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    // The editor hands the key on through the message loop.
    testing_support::pumpMessages (30);
    ASSERT_EQ (box.getCurrentTextEditor(), nullptr);
}

struct RecordingListener : NumberBox::Listener
{
    RecordingListener (std::vector<juce::String>& log_, juce::String name_)
        : log (log_)
        , name (std::move (name_))
    {
    }

    void numberBoxChanged (NumberBox* box) override
    {
        log.push_back (name);
        values.push_back (box->getValue());
    }

    std::vector<juce::String>& log;
    juce::String name;
    std::vector<int> values;
};

// A bound value whose holder changes it first and tells its listeners only when asked.
struct LateTellingSource final : juce::Value::ValueSource
{
    explicit LateTellingSource (juce::var initial)
        : current (std::move (initial))
    {
    }

    juce::var getValue() const override { return current; }
    void setValue (const juce::var& newValue) override { current = newValue; }
    void tell() { sendChangeMessage (true); }

    juce::var current;
};

struct MidiByteBox : ::testing::Test
{
    MidiByteBox() { box.setValue (64, juce::dontSendNotification); }

    std::unique_ptr<NumberBox> owned = createNumberBox ("MIDI CC", 0, 127);
    NumberBox& box = *owned;
    const testing_support::OnScreen shown{box};
};
} // namespace

TEST_F (MidiByteBox, TypedNumbersAreReadUpToTheFirstStrayCharacter)
{
    typeAndCommit (box, "+5");
    EXPECT_EQ (box.getValue(), 5);

    typeAndCommit (box, "7-3");
    EXPECT_EQ (box.getValue(), 7);

    typeAndCommit (box, "-");
    EXPECT_EQ (box.getValue(), 0);
    EXPECT_EQ (box.getText(), "0");
}

TEST_F (MidiByteBox, OutOfRangeEntriesAreRefused)
{
    for (const auto* typed : {"200", "128", "-1"})
    {
        SCOPED_TRACE (typed);
        typeAndCommit (box, typed);
        EXPECT_EQ (box.getValue(), 64);
        EXPECT_EQ (box.getText(), "64");
    }
}

TEST_F (MidiByteBox, LongDigitRunsDoNotWrapAroundIntoRange)
{
    // Read modulo 2^32 these would be 64, 0 and 64.
    box.setValue (10, juce::dontSendNotification);

    for (const auto* typed : {"4294967360", "4294967296", "-4294967232", "99999999999999999999"})
    {
        SCOPED_TRACE (typed);
        typeAndCommit (box, typed);
        EXPECT_EQ (box.getValue(), 10);
        EXPECT_EQ (box.getText(), "10");
    }
}

TEST_F (MidiByteBox, OnlyDigitsAndSignsCanBeTyped)
{
    typeAndCommit (box, "1x2");
    EXPECT_EQ (box.getValue(), 12);

    // Nothing typeable left: the field is committed empty and shows its number again.
    typeAndCommit (box, "abc");
    EXPECT_EQ (box.getValue(), 12);
    EXPECT_EQ (box.getText(), "12");
}

TEST_F (MidiByteBox, CommittingAnEmptyFieldRestoresTheNumber)
{
    std::vector<juce::String> log;
    RecordingListener listener (log, "L");
    box.addListener (&listener);
    testing_support::pumpMessages (30);

    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getText(), "64");
    EXPECT_EQ (editor->getHighlightedText(), "64");
    editor->setText ({}, false);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    testing_support::pumpMessages (30);

    EXPECT_EQ (box.getValue(), 64);
    EXPECT_EQ (box.getText(), "64");
    for (auto value : listener.values)
        EXPECT_EQ (value, 64);
}

TEST_F (MidiByteBox, ANumberSetFromOutsideReplacesAnEditInProgress)
{
    std::vector<juce::String> log;
    RecordingListener listener (log, "L");
    box.addListener (&listener);
    juce::Value parameter (juce::var ("64"));
    box.getTextValue().referTo (parameter);
    testing_support::pumpMessages (30);
    listener.values.clear();

    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ("5", false);

    parameter = "100";
    testing_support::pumpMessages (30);

    EXPECT_EQ (box.getCurrentTextEditor(), nullptr);
    EXPECT_EQ (box.getValue(), 100);
    EXPECT_EQ (box.getText(), "100");
    for (auto value : listener.values)
        EXPECT_EQ (value, 100) << "the half-typed entry must not be reported";
}

TEST_F (MidiByteBox, OpeningTheEditorWithoutKeyboardFocusKeepsItOpen)
{
    // The editor is filled from the box's text and then given the box's number. The two differ
    // when the bound value has changed but not yet said so; a source that tells its listeners
    // late makes that moment last. Were the number announced to the editor, the box, whose window
    // has not got the focus, would take the announcement as the end of the edit: the
    // editor would close by itself and write the box's stale number over the bound value.
    auto* source = new LateTellingSource ("64");
    juce::Value parameter (source);
    box.getTextValue().referTo (parameter);
    testing_support::pumpMessages (30);

    source->current = "5";
    // The window the box is in is kept off the display, so the box cannot take the keyboard focus.
    box.getPeer()->setVisible (false);
    box.showEditor();
    testing_support::pumpMessages (30);
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr) << "the editor closed by itself";
    EXPECT_EQ (editor->getText(), "64");
    EXPECT_EQ (editor->getHighlightedText(), "64");

    // Told at last, the box takes the outside number in place of the edit.
    source->tell();
    testing_support::pumpMessages (30);
    EXPECT_EQ (box.getCurrentTextEditor(), nullptr);
    EXPECT_EQ (box.getValue(), 5);
    EXPECT_EQ (parameter.toString(), "5");
}

TEST (NumberBox, LeadingZerosAreDroppedFromTheShownNumber)
{
    auto box = createNumberBox ("TEMPO", 30, 300);
    EXPECT_EQ (box->getValue(), 30);

    box->setValue (120, juce::dontSendNotification);
    typeAndCommit (*box, "0030");
    EXPECT_EQ (box->getValue(), 30);
    EXPECT_EQ (box->getText(), "30");
}

TEST (NumberBox, ListenersAreToldLastAddedFirstAndOnlyOnce)
{
    std::vector<juce::String> log;
    RecordingListener a (log, "A");
    RecordingListener b (log, "B");
    auto box = createNumberBox ("GATE", 1, 99, &a);
    box->addListener (&b);
    box->addListener (&a);

    box->setValue (50, juce::sendNotification);
    EXPECT_EQ (log, (std::vector<juce::String>{"B", "A"}));

    log.clear();
    box->setValue (51, juce::dontSendNotification);
    box->setValue (100, juce::sendNotification);
    EXPECT_TRUE (log.empty());
    EXPECT_EQ (box->getText(), "51");
}

TEST (NumberBox, ACommittedEditMayBeReportedAgainWithTheSameNumber)
{
    std::vector<juce::String> log;
    RecordingListener listener (log, "L");
    auto box = createNumberBox ("SWING", 50, 75, &listener);
    testing_support::pumpMessages (30);
    listener.values.clear();

    typeAndCommit (*box, "60");
    ASSERT_FALSE (listener.values.empty());
    for (auto value : listener.values)
        EXPECT_EQ (value, 60);
}

TEST (NumberBox, InitialValueOutsideTheRangeIsShownUntilTheFirstSet)
{
    NumberBox box ("VELOCITY", 0, 127, 500);
    EXPECT_EQ (box.getText(), "500");
    EXPECT_EQ (box.getValue(), 500);

    box.setValue (600, juce::sendNotification);
    EXPECT_EQ (box.getValue(), 500);

    box.setValue (10, juce::sendNotification);
    EXPECT_EQ (box.getText(), "10");
}

TEST (NumberBox, FollowsABoundValueAndPutsBackWhatIsOutOfRange)
{
    std::vector<juce::String> log;
    RecordingListener listener (log, "L");
    auto box = createNumberBox ("MIDI NOTE", 0, 127, &listener);
    juce::Value parameter (juce::var ("36"));
    box->getTextValue().referTo (parameter);
    testing_support::pumpMessages (30);
    EXPECT_EQ (box->getValue(), 36);

    parameter = "100";
    testing_support::pumpMessages (30);
    EXPECT_EQ (box->getValue(), 100);
    EXPECT_EQ (listener.values.back(), 100);

    for (const auto* written : {"300", "4294967396", "4294967297"})
    {
        SCOPED_TRACE (written);
        parameter = written;
        testing_support::pumpMessages (30);
        EXPECT_EQ (box->getValue(), 100);
        EXPECT_EQ (parameter.toString(), "100");
    }
}

TEST (NumberBox, ReadsNumbersWithSaturation)
{
    EXPECT_EQ (NumberBox::readNumber ("  +12abc"), 12);
    EXPECT_EQ (NumberBox::readNumber ("-7"), -7);
    EXPECT_EQ (NumberBox::readNumber ("abc"), 0);
    EXPECT_EQ (NumberBox::readNumber (""), 0);
    EXPECT_EQ (NumberBox::readNumber ("+-3"), 0);
    EXPECT_EQ (NumberBox::readNumber ("2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ (NumberBox::readNumber ("2147483648"), std::numeric_limits<int>::max());
    EXPECT_EQ (NumberBox::readNumber ("4294967360"), std::numeric_limits<int>::max());
    EXPECT_EQ (NumberBox::readNumber ("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ (NumberBox::readNumber ("-99999999999999999999999"), std::numeric_limits<int>::min());
}

TEST (NumberBox, PaintsItsNumberOnItsBackgroundUnlessEditing)
{
    auto box = createNumberBox ("MIN", 0, 127);
    box->setColour (juce::Label::backgroundColourId, juce::Colours::red);
    box->setColour (juce::Label::textColourId, juce::Colours::white);
    box->setSize (60, 18);
    box->setValue (88, juce::dontSendNotification);

    const auto shown = box->createComponentSnapshot (box->getLocalBounds());
    EXPECT_TRUE (pixel_probe::near (shown.getPixelAt (2, 9), juce::Colours::red));
    EXPECT_GT (pixel_probe::maxLuminance (shown, {5, 0, 20, 18}), 200.0f);

    const testing_support::OnScreen onScreen (*box);
    box->showEditor();
    const auto editing = box->createComponentSnapshot (box->getLocalBounds());
    EXPECT_FALSE (pixel_probe::near (editing.getPixelAt (2, 9), juce::Colours::red));
    box->hideEditor (true);
}

// A panel binds the box's text to a control parameter. What the user types must reach the
// parameter only as a number within range: never the raw text, not even for a moment.
TEST (NumberBox, OnlyANumberWithinRangeEverReachesABoundValue)
{
    // Records every write as it happens; a value's listeners would only hear the last of several.
    struct RecordingSource : juce::Value::ValueSource
    {
        juce::var getValue() const override { return current; }
        void setValue (const juce::var& newValue) override
        {
            current = newValue;
            written.add (newValue.toString());
            sendChangeMessage (false);
        }
        juce::var current{"64"};
        juce::StringArray written;
    };

    auto* source = new RecordingSource();
    juce::Value parameter (source);
    auto box = createNumberBox ("MIDI NOTE", 0, 127);
    box->getTextValue().referTo (parameter);
    testing_support::pumpMessages (30);

    typeAndCommit (*box, "200");
    typeAndCommit (*box, "+5");
    typeAndCommit (*box, "7-3");
    typeAndCommit (*box, "0030");
    typeAndCommit (*box, "-");
    testing_support::pumpMessages (30);

    for (const auto& text : source->written)
    {
        SCOPED_TRACE (text.toStdString());
        EXPECT_EQ (juce::String (text.getIntValue()), text) << "not a plain decimal number";
        EXPECT_TRUE (juce::isPositiveAndBelow (text.getIntValue(), 128));
    }
    EXPECT_TRUE (source->written.contains ("5"));
    EXPECT_TRUE (source->written.contains ("7"));
    EXPECT_TRUE (source->written.contains ("30"));
    EXPECT_EQ (parameter.toString(), "0");
}
