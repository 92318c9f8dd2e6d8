#pragma once

// Shared by the dialog tests: preset files and device slots with names of their own, and the
// bytes the device must hold for a preset sent to a slot.

#include "engine/FactoryPreset.h"
#include "engine/VexoSysEx.h"
#include "model/VexoEditorPreset.h"
#include "support/FakeApplicationServices.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace dialog_test
{
inline juce::String nameOf (const EditorPreset::Ptr& preset)
{
    auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
    return named != nullptr ? named->getName() : juce::String ("<none>");
}

// Eight characters, as the device stores a name.
inline juce::String padded (const juce::String& name)
{
    return name.paddedRight (' ', 8);
}

inline void rename (const EditorPreset::Ptr& preset, const juce::String& name)
{
    auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
    ASSERT_NE (named, nullptr);
    ASSERT_TRUE (named->setName (name));
}

// The factory dump with another name and slot byte.
inline juce::Array<juce::uint8> dumpNamed (const juce::String& name, int slot = 0)
{
    auto bytes = FactoryPreset::getDump();
    bytes.set (VexoSysEx::slotOffset, (juce::uint8)slot);
    for (int i = 0; i < 8; ++i)
        bytes.set (8 + i, (juce::uint8) (i < name.length() ? name[i] : ' '));
    return bytes;
}

// What a send of the preset to the slot writes into the device.
inline juce::Array<juce::uint8> dumpOf (VexoEditorEngine& engine, const EditorPreset& preset, int slot)
{
    return VexoSysEx::wrap (VexoSysEx::buildDump (engine.getMessageModel(), preset, slot));
}

// "Slot 0" ... "Slot 30" on the device's slots.
inline juce::String slotName (int slot)
{
    return "Slot" + juce::String (slot);
}

inline void nameEveryDeviceSlot (SimulatedVexoBDevice& device, const juce::String& prefix = "Slot")
{
    for (int slot = 0; slot <= 30; ++slot)
        device.setSlotDump (slot, dumpNamed (prefix + juce::String (slot), slot));
}

inline juce::String deviceSlotName (const SimulatedVexoBDevice& device, int slot)
{
    const auto dump = device.getSlotDump (slot);
    return dump.size() > 16 ? juce::String::fromUTF8 (reinterpret_cast<const char*> (dump.begin()) + 8, 8)
                            : juce::String();
}

// A scratch folder of its own, removed at the end.
class ScratchFolder
{
public:
    ScratchFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getChildFile ("vexob-dialog-tests-" + juce::Uuid().toString()))
    {
        folder.createDirectory();
    }
    ~ScratchFolder() { folder.deleteRecursively(); }

    juce::File writePreset (const juce::String& relativePath, const juce::String& presetName) const
    {
        return write (relativePath, dumpNamed (presetName));
    }

    juce::File write (const juce::String& relativePath, const juce::Array<juce::uint8>& bytes) const
    {
        const auto file = folder.getChildFile (relativePath);
        file.getParentDirectory().createDirectory();
        file.replaceWithData (bytes.begin(), (size_t)bytes.size());
        return file;
    }

    juce::File writeText (const juce::String& relativePath, const juce::String& text) const
    {
        const auto file = folder.getChildFile (relativePath);
        file.getParentDirectory().createDirectory();
        file.replaceWithText (text);
        return file;
    }

    juce::File get (const juce::String& relativePath) const { return folder.getChildFile (relativePath); }
    const juce::File& root() const { return folder; }

private:
    juce::File folder;
};

inline bool settle (const std::function<bool()>& condition, int ms = 20000)
{
    return testing_support::pumpUntil (condition, ms);
}
} // namespace dialog_test
