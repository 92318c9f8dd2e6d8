#include "model/VexoBEditorPreset.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// Any bytes given to a preset are either refused without a trace or loaded so that a round trip
// through a second preset keeps them. The first round trip may still change how the name is held
// (a zero byte adds nothing, and the name comes back padded with spaces); from then on a round trip
// changes nothing at all. Whether a block is accepted does not depend on how it is checked: by a
// preset with its declared limits, by one some of whose parameter data was handed out, or without
// a preset.
namespace
{
// Everything lives across runs: each run starts from whatever the previous accepted block left.
struct Fixture
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    VexoBEditorPreset::Ptr copy = new VexoBEditorPreset();
    VexoBEditorPreset::Ptr handedOut = new VexoBEditorPreset();
    // What the preset holds, as last seen.
    juce::Array<juce::uint8> bytes = preset->toBytes();
    juce::String name = preset->getName();
    juce::Array<juce::uint8> block;

    Fixture()
    {
        // One control of each kind checks its records parameter by parameter; the others keep
        // checking by their tables, which is the case of a preset whose editor looked at a few.
        for (MEditorControl* control :
             {(MEditorControl*)handedOut->getTransport().get(), (MEditorControl*)handedOut->getPad (5).get(),
              (MEditorControl*)handedOut->getKnob (7).get(), (MEditorControl*)handedOut->getFader (9).get(),
              (MEditorControl*)handedOut->getSwitch (23).get(),
              (MEditorControl*)handedOut->getSequencer().get(),
              (MEditorControl*)handedOut->getSequencer()->getTrack (63).get()})
            for (auto& parameter : control->getParameterNames())
                control->getParameterData (parameter);
    }
};

bool sameBytes (const juce::Array<juce::uint8>& a, const juce::Array<juce::uint8>& b)
{
    return a.size() == b.size() && std::memcmp (a.begin(), b.begin(), (size_t)a.size()) == 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > 16384)
        return 0;

    static Fixture f;
    f.block.clearQuick();
    f.block.addArray (data, (int)size);
    const auto& block = f.block;

    const bool valid = f.preset->validateBytes (block);

    if (VexoBEditorPreset::isValidBlock (block) != valid || f.handedOut->validateBytes (block) != valid)
        abort();

    if (f.preset->fromBytes (block) != valid)
        abort();

    if (!valid)
    {
        if (!sameBytes (f.preset->toBytes(), f.bytes) || f.preset->getName() != f.name)
            abort();

        return 0;
    }

    const auto loaded = f.preset->toBytes();

    if (loaded.size() != VexoBEditorPreset::dataSize || !VexoBEditorPreset::isValidBlock (loaded))
        abort();

    if (!f.copy->fromBytes (loaded) || !sameBytes (f.copy->toBytes(), loaded))
        abort();

    // The second round trip reproduces the first, whose name may only have gained its filling spaces.
    if (f.copy->getName() != f.preset->getName().paddedRight (' ', VexoEditorPreset::nameSize))
        abort();

    f.bytes = loaded;
    f.name = f.preset->getName();
    return 0;
}
