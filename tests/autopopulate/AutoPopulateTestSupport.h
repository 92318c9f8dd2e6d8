#pragma once

#include "autopopulate/VexoBAutoPopulateComponent.h"
#include "engine/VexoSysEx.h"
#include "support/FakeApplicationServices.h"
#include "support/MessageLoop.h"
#include "support/OnScreen.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The tool's body on the factory preset, driven through its own buttons, boxes and lists as a user
// would, with the message loop run between steps as it runs between a user's clicks.
class AutoPopulateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        preset = dynamic_cast<VexoBEditorPreset*> (services.createDefaultPreset().get());
        ASSERT_NE (preset, nullptr);
        body = std::make_unique<VexoBAutoPopulateComponent> (preset);
        settle();
        before = preset->toBytes();
    }

    void TearDown() override
    {
        body = nullptr;
        settle();
        if (scratch.exists())
            scratch.deleteRecursively();
    }

    // Lets queued clicks and list changes arrive.
    static void settle() { testing_support::pumpMessages (30); }

    static void click (juce::Button& button)
    {
        button.triggerClick();
        settle();
    }

    static void choose (juce::ComboBox& box, int itemId)
    {
        box.setSelectedId (itemId, juce::sendNotificationAsync);
        settle();
    }

    // One click opens the box's editor, the text replaces what it shows and return commits it.
    static void type (NumberBox& box, const juce::String& text)
    {
        const testing_support::OnScreen shown (box);
        box.showEditor();
        auto* editor = box.getCurrentTextEditor();
        ASSERT_NE (editor, nullptr);
        editor->selectAll();
        editor->insertTextAtCaret (text);
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        settle();
    }

    static void enable (AutoPopulateParameter& row)
    {
        if (!row.getEnabledToggle().getToggleState())
            click (row.getEnabledToggle());
        ASSERT_TRUE (row.getEnabledToggle().getToggleState());
    }

    static void chooseBanks (AutoPopulatePage& page, std::initializer_list<int> banks)
    {
        for (int bank : banks)
            click (page.getApplyToBanks().getBankToggle (bank));
    }

    static void apply (AutoPopulatePage& page) { click (page.getApplyToBanks().getApplyButton()); }

    static AutoPopulateParameter& row (const AutoPopulateParameterContainer* container,
                                       const juce::String& label)
    {
        auto* found = container != nullptr ? container->findRow (label) : nullptr;
        if (found == nullptr)
            throw std::runtime_error (("no row " + label).toStdString());
        return *found;
    }

    static juce::ComboBox& comboOf (AutoPopulateParameter& row)
    {
        return dynamic_cast<ComboBoxParameterComponent&> (row.getEditor()).getComboBox();
    }

    static NumberBox& boxOf (AutoPopulateParameter& row)
    {
        return dynamic_cast<NumberBoxParameterComponent&> (row.getEditor()).getNumberBox();
    }

    static std::vector<juce::String> labelsOf (const AutoPopulateParameterContainer& container)
    {
        std::vector<juce::String> labels;
        for (int i = 0; i < container.getNumRows(); ++i)
            labels.push_back (container.getRow (i)->getLabelText());
        return labels;
    }

    template <typename Getter>
    std::vector<int> values (Getter get, int count, const char* parameter) const
    {
        std::vector<int> result;
        for (int i = 0; i < count; ++i)
            result.push_back ((preset.get()->*get) (i)->getParameterInt (parameter));
        return result;
    }

    std::vector<int> padValues (const char* parameter) const
    {
        return values (&VexoAEditorPreset::getPad, ControlBank::numPads, parameter);
    }
    std::vector<int> knobValues (const char* parameter) const
    {
        return values (&VexoAEditorPreset::getKnob, ControlBank::numKnobs, parameter);
    }
    std::vector<int> faderValues (const char* parameter) const
    {
        return values (&VexoAEditorPreset::getFader, ControlBank::numFaders, parameter);
    }
    std::vector<int> switchValues (const char* parameter) const
    {
        return values (&VexoAEditorPreset::getSwitch, ControlBank::numSwitches, parameter);
    }

    // The data block that Save writes for the preset now, read back from the file.
    juce::Array<juce::uint8> savedBlock()
    {
        scratch = juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getChildFile ("vexob-autopopulate-" + juce::Uuid().toString());
        scratch.createDirectory();
        const auto file = scratch.getChildFile ("filled.vexob");
        services.getEngine()->savePresetFile (file, preset.get());
        juce::MemoryBlock data;
        if (!file.loadFileAsData (data))
            return {};
        return VexoSysEx::extractDataBlock (static_cast<const juce::uint8*> (data.getData()),
                                            (int)data.getSize(),
                                            services.getEngine()->getMessageModel().dumpTrailer.size());
    }

    // Lists every value of one parameter over a stretch of the list.
    static std::vector<int> slice (const std::vector<int>& all, int from, int count)
    {
        return {all.begin() + from, all.begin() + from + count};
    }

    static std::vector<int> counting (int from, int count, int step = 1)
    {
        std::vector<int> result;
        for (int i = 0; i < count; ++i)
            result.push_back (from + step * i);
        return result;
    }

    FakeApplicationServices services;
    VexoBEditorPreset::Ptr preset;
    std::unique_ptr<VexoBAutoPopulateComponent> body;
    juce::Array<juce::uint8> before;
    juce::File scratch;
};
