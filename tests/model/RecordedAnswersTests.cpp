// Thousands of random blocks and records, valid and damaged, given to presets and controls in a
// fixed sequence; what the model answers for each (accepted or refused, the bytes it writes back, the
// name, the order of the change notifications) is compared with answers recorded once, so that any
// change in what a user, a file or the device sees shows up as the first block answered differently.
//
// To record the answers again, from code whose answers are known to be right, run
//   VEXOB_RECORD_ANSWERS=<source dir>/tests/model/RecordedAnswers.inc vexob_model_tests
// with --gtest_filter='RecordedAnswers.*'.
#include "RandomBlocks.h"
#include "support/MessageLoop.h"

#include "model/VexoBEditorPreset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
struct RecordedSeries
{
    const char* name;
    const char* answers;
};

#include "RecordedAnswers.inc"

using random_blocks::Generator;
using random_blocks::Layout;

// FNV-1a: stable across platforms and runs, unlike std::hash.
class Hash
{
public:
    void add (juce::uint8 byte)
    {
        value ^= byte;
        value *= 16777619u;
    }
    void add (int number)
    {
        for (int shift = 0; shift < 32; shift += 8)
            add ((juce::uint8) (((juce::uint32)number >> shift) & 0xFF));
    }
    void add (const juce::Array<juce::uint8>& bytes)
    {
        add (bytes.size());
        for (auto byte : bytes)
            add (byte);
    }
    void add (const juce::String& text)
    {
        const auto utf8 = text.toStdString();
        add ((int)utf8.size());
        for (auto c : utf8)
            add ((juce::uint8)c);
    }
    juce::uint32 get() const { return value; }

private:
    juce::uint32 value = 2166136261u;
};

std::string answer (bool accepted, const Hash& hash)
{
    return (accepted ? "a" : "r") +
           juce::String::toHexString ((juce::int64)hash.get()).paddedLeft ('0', 8).toStdString();
}

// What an editor bound to a parameter may leave in it: the model checks only what it stores itself.
juce::var oddValue (Generator& random)
{
    switch (random.between (0, 7))
    {
        case 0:
            return random.between (-300, 20000);
        case 1:
            return juce::String (random.between (0, 300)); // a number box's text
        case 2:
            return "x";
        case 3:
            return random.between (0, 2000) / 10.0;
        case 4:
            return (juce::int64)random.between (0, 1000) + ((juce::int64)1 << 40);
        case 5:
            return random.chance (50);
        case 6:
            return {};
        default:
            return random.between (0, 127);
    }
}

void editThroughBoundValues (MEditorControl& control, Generator& random)
{
    const auto names = control.getParameterNames();
    for (int n = random.between (1, 3); n > 0; --n)
    {
        auto value = control.getParameterValue (names[random.between (0, names.size() - 1)]);
        value = oddValue (random);
    }
}

// What code holding a parameter's data may do to it: widen or narrow its range, or point its value
// somewhere else altogether. The model must keep answering by that data.
void editThroughParameterData (MEditorControl& control, Generator& random)
{
    const auto names = control.getParameterNames();
    auto data = control.getParameterData (names[random.between (0, names.size() - 1)]);
    switch (random.between (0, 3))
    {
        case 0:
            data->max = (int)data->max.getValue() + random.between (-3, 40);
            break;
        case 1:
            data->min = (int)data->min.getValue() + random.between (-5, 2);
            break;
        case 2:
            data->value.referTo (juce::Value (juce::var (random.between (0, 127))));
            break;
        default:
            break; // only looked at
    }
}

void editName (VexoEditorPreset& preset, Generator& random)
{
    juce::Value field;
    preset.referToName (field);
    const juce::String names[] = {"Far too long a name",
                                  juce::String::charToString (0xE9) + "t" + juce::String::charToString (0xE9),
                                  "", "A", "ABCDEFGH"};
    field = names[random.between (0, (int)std::size (names) - 1)];
}

// Every control of a preset, in the order its block holds them.
std::vector<MEditorControl*> controlsOf (VexoAEditorPreset& preset)
{
    std::vector<MEditorControl*> controls{preset.getTransport().get()};
    for (int i = 0; i < ControlBank::numPads; ++i)
        controls.push_back (preset.getPad (i).get());
    for (int i = 0; i < ControlBank::numKnobs; ++i)
        controls.push_back (preset.getKnob (i).get());
    for (int i = 0; i < ControlBank::numFaders; ++i)
        controls.push_back (preset.getFader (i).get());
    for (int i = 0; i < ControlBank::numSwitches; ++i)
        controls.push_back (preset.getSwitch (i).get());
    if (auto* second = dynamic_cast<VexoBEditorPreset*> (&preset))
    {
        controls.push_back (second->getSequencer().get());
        for (int t = 0; t < VexoBSequencer::numTracks; ++t)
            controls.push_back (second->getSequencer()->getTrack (t).get());
    }
    return controls;
}

void editPreset (VexoAEditorPreset& preset, Generator& random, bool openParameters)
{
    const auto controls = controlsOf (preset);
    for (int n = random.between (1, 3); n > 0; --n)
        editThroughBoundValues (*controls[(size_t)random.between (0, (int)controls.size() - 1)], random);
    if (openParameters)
        for (int n = random.between (1, 4); n > 0; --n)
            editThroughParameterData (*controls[(size_t)random.between (0, (int)controls.size() - 1)],
                                      random);
    if (random.chance (30))
        editName (preset, random);
}

// A fixed sequence of blocks given to one preset, whose state carries from block to block.
std::vector<std::string> presetAnswers (VexoAEditorPreset& preset, const Layout& layout, int count,
                                        std::uint64_t seed, bool openParameters)
{
    Generator random (seed);
    std::vector<std::string> answers;

    for (int i = 0; i < count; ++i)
    {
        if (random.chance (12))
            editPreset (preset, random, openParameters);

        const auto block = random_blocks::mixedRecord (layout, random);
        Hash hash;
        hash.add ((int)preset.validateBytes (block));
        const bool accepted = preset.fromBytes (block);
        hash.add (preset.toBytes());
        hash.add (preset.getName());
        answers.push_back (answer (accepted, hash));
    }
    return answers;
}

std::vector<std::string> controlAnswers (MEditorControl& control, const Layout& layout, int count,
                                         std::uint64_t seed)
{
    Generator random (seed);
    std::vector<std::string> answers;

    for (int i = 0; i < count; ++i)
    {
        if (random.chance (12))
            editThroughBoundValues (control, random);
        if (random.chance (3))
            editThroughParameterData (control, random);

        const auto record = random_blocks::mixedRecord (layout, random);
        Hash hash;
        hash.add ((int)control.validateBytes (record));
        const bool accepted = control.fromBytes (record);
        hash.add (control.toBytes());
        answers.push_back (answer (accepted, hash));
    }
    return answers;
}

// Runs the message loop until everything posted so far has been delivered.
void deliverPendingNotifications()
{
    auto delivered = std::make_shared<bool> (false);
    juce::MessageManager::callAsync ([delivered] { *delivered = true; });
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return *delivered; }, 30000));
}

// A listener on a value shared with one parameter (or the name), as a view would hold it.
struct Probe : juce::Value::Listener
{
    Probe (juce::Value shared, int identity, std::vector<int>& heard)
        : value (shared)
        , id (identity)
        , log (heard)
    {
        value.addListener (this);
    }
    ~Probe() override { value.removeListener (this); }
    void valueChanged (juce::Value&) override { log.push_back (id); }

    juce::Value value;
    const int id;
    std::vector<int>& log;
};

// Loads blocks into a preset whose every value is watched. Each load must notify exactly the values
// it changed, once each; the order of the notifications is part of the recorded answer.
std::vector<std::string> notificationAnswers (int count, std::uint64_t seed)
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    std::vector<int> heard;
    std::vector<std::unique_ptr<Probe>> probes;

    juce::Value name;
    preset->referToName (name);
    probes.push_back (std::make_unique<Probe> (name, 0, heard));
    for (auto* control : controlsOf (*preset))
        for (auto& parameter : control->getParameterNames())
            probes.push_back (
                std::make_unique<Probe> (control->getParameterValue (parameter), (int)probes.size(), heard));

    const auto layout = random_blocks::presetLayout (true);
    Generator random (seed);
    std::vector<std::string> answers;

    for (int i = 0; i < count; ++i)
    {
        if (random.chance (25))
        {
            editPreset (*preset, random, false);
            deliverPendingNotifications();
        }

        const auto block = random.chance (60) ? random_blocks::validRecord (layout, random)
                                              : random_blocks::mixedRecord (layout, random);
        std::vector<juce::var> before;
        for (auto& probe : probes)
            before.push_back (probe->value.getValue());

        heard.clear();
        const bool accepted = preset->fromBytes (block);
        deliverPendingNotifications();

        std::vector<int> changed;
        for (size_t p = 0; p < probes.size(); ++p)
            if (!probes[p]->value.getValue().equalsWithSameType (before[p]))
                changed.push_back ((int)p);
        auto heardOnce = heard;
        std::sort (heardOnce.begin(), heardOnce.end());
        EXPECT_EQ (heardOnce, changed) << "block " << i << ": the values notified are not those that changed";

        Hash hash;
        for (auto id : heard)
            hash.add (id);
        answers.push_back (answer (accepted, hash));
    }
    return answers;
}

struct Series
{
    const char* name;
    std::function<std::vector<std::string>()> answer;
};

std::vector<Series> everySeries()
{
    const auto ofControl = [] (auto makeControl, Layout layout, std::uint64_t seed)
    {
        return [=]
        {
            auto control = makeControl();
            return controlAnswers (*control, layout, 300, seed);
        };
    };

    return {
        {"second-model presets",
         []
         {
             VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
             return presetAnswers (*preset, random_blocks::presetLayout (true), 2000, 1, false);
         }},
        {"second-model presets, parameters opened",
         []
         {
             VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
             return presetAnswers (*preset, random_blocks::presetLayout (true), 1000, 11, true);
         }},
        {"first-model presets",
         []
         {
             VexoAEditorPreset::Ptr preset = new VexoAEditorPreset();
             return presetAnswers (*preset, random_blocks::presetLayout (false), 300, 2, true);
         }},
        {"pads", ofControl ([] { return VexoPad::Ptr (new VexoPad()); }, random_blocks::padLayout(), 3)},
        {"knobs", ofControl ([] { return VexoKnob::Ptr (new VexoKnob()); }, random_blocks::knobLayout(), 4)},
        {"faders",
         ofControl ([] { return VexoFader::Ptr (new VexoFader()); }, random_blocks::faderLayout(), 5)},
        {"switches",
         ofControl ([] { return VexoSwitch::Ptr (new VexoSwitch()); }, random_blocks::switchLayout(), 6)},
        {"transports", ofControl ([] { return VexoTransport::Ptr (new VexoTransport()); },
                                  random_blocks::transportLayout(), 7)},
        {"tracks", ofControl ([] { return VexoBSequencerTrack::Ptr (new VexoBSequencerTrack()); },
                              random_blocks::trackLayout(), 8)},
        {"sequencers", ofControl ([] { return VexoBSequencer::Ptr (new VexoBSequencer()); },
                                  random_blocks::sequencerLayout(), 9)},
        {"notifications", [] { return notificationAnswers (60, 10); }},
    };
}

std::vector<std::string> recorded (const char* name)
{
    for (auto& series : recordedSeries)
        if (juce::String (series.name) == name)
        {
            auto tokens = juce::StringArray::fromTokens (series.answers, " ", "");
            tokens.removeEmptyStrings();
            std::vector<std::string> answers;
            for (auto& token : tokens)
                answers.push_back (token.toStdString());
            return answers;
        }
    return {};
}

void record (const juce::File& file)
{
    juce::String text = "// Recorded by RecordedAnswersTests.cpp; see there before recording again.\n"
                        "// clang-format off\n"
                        "const RecordedSeries recordedSeries[] = {\n";
    for (auto& series : everySeries())
    {
        const auto answers = series.answer();
        text << "{\"" << series.name << "\",\n";
        for (size_t i = 0; i < answers.size(); i += 8)
        {
            text << "\"";
            for (size_t j = i; j < juce::jmin (answers.size(), i + 8); ++j)
                text << answers[j] << " ";
            text << "\"\n";
        }
        text << "},\n";
    }
    text << "};\n// clang-format on\n";
    ASSERT_TRUE (file.replaceWithText (text));
}
} // namespace

TEST (RecordedAnswers, EveryBlockIsAnsweredAsRecorded)
{
    const auto target = juce::SystemStats::getEnvironmentVariable ("VEXOB_RECORD_ANSWERS", {});
    if (target.isNotEmpty())
    {
        record (juce::File (target));
        GTEST_SKIP() << "answers recorded in " << target;
    }

    for (auto& series : everySeries())
    {
        SCOPED_TRACE (series.name);
        const auto expected = recorded (series.name);
        const auto actual = series.answer();
        ASSERT_FALSE (expected.empty()) << "no answers recorded";
        EXPECT_EQ (actual.size(), expected.size());

        const auto firstDifference =
            std::mismatch (actual.begin(), actual.end(), expected.begin(), expected.end()).first;
        EXPECT_TRUE (firstDifference == actual.end())
            << "first block answered differently: " << (firstDifference - actual.begin());

        // Both answers must be well represented, or the series proves little.
        const auto accepted =
            (int)std::count_if (actual.begin(), actual.end(), [] (auto& a) { return a[0] == 'a'; });
        EXPECT_GT (accepted, (int)actual.size() / 20);
        EXPECT_GT ((int)actual.size() - accepted, (int)actual.size() / 20);
    }
}
