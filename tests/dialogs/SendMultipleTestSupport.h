#pragma once

#include "DialogTestSupport.h"

#include "dialogs/SendMultiplePresetsWindow.h"
#include "services/ToolWindowHolder.h"

using SlotRow = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;

// Counts the engine's send results, and lets a test act on one before the window hears it
// (listeners added later are called first).
struct SendHook : VexoEditorEngine::Listener
{
    std::function<void (int result)> onResult;
    int successes = 0, failures = 0;

    void sendPresetResult (EditorPreset::Ptr, int result) override
    {
        (result == VexoEditorEngine::resultSuccess ? successes : failures) += 1;
        if (onResult)
            onResult (result);
    }
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}
};

// The window as the application holds it: made by a holder, released by it when the window asks
// to be closed.
class SendMultipleFixture : public ::testing::Test
{
protected:
    SendMultipleFixture()
    {
        window = &holder.getOrMake ([] { return new SendMultiplePresetsWindow(); });
        window->clearAllSlots();
        window->setVisible (true);
        services.onCloseToolWindow = [this] (ApplicationServices::ToolWindowKind kind)
        {
            if (kind == ApplicationServices::ToolWindowKind::sendMultiplePresets)
                holder.release();
        };
        watched = window;
        dialog_test::settle ([this] { return isIdle(); });
    }

    ~SendMultipleFixture() override
    {
        services.getEngine()->removeListener (&hook);
        holder.releaseNow();
        testing_support::pumpMessages (20);
    }

    // The reading thread has nothing left, and the window has heard so.
    bool isIdle() const
    {
        return watched != nullptr && !window->isReading() && window->getPanel().getSendButton().isEnabled();
    }

    bool readingEnds (int ms = 20000)
    {
        return dialog_test::settle ([this] { return isIdle(); }, ms);
    }

    void hookSends (std::function<void (int)> onResult = {})
    {
        hook.onResult = std::move (onResult);
        services.getEngine()->addListener (&hook);
    }

    SlotRow* row (int slot)
    {
        auto* list = window->getPanel().getList();
        list->scrollToEnsureRowIsOnscreen (slot);
        return dynamic_cast<SlotRow*> (list->getComponentForRowNumber (slot));
    }

    juce::String nameIn (int slot) const
    {
        const auto table = window->getSlotTable();
        const auto found = table.find (slot);
        return found == table.end() ? juce::String ("<empty>") : dialog_test::nameOf (found->second);
    }

    // The slots filled, in order.
    juce::Array<int> filledSlots() const
    {
        juce::Array<int> slots;
        for (const auto& entry : window->getSlotTable())
            slots.add (entry.first);
        return slots;
    }

    int count (const juce::String& text) const
    {
        int n = 0;
        for (const auto& message : services.messages)
            n += message == text ? 1 : 0;
        return n;
    }

    FakeApplicationServices services;
    ToolWindowHolder<SendMultiplePresetsWindow> holder;
    SendMultiplePresetsWindow* window = nullptr;
    juce::Component::SafePointer<SendMultiplePresetsWindow> watched;
    dialog_test::ScratchFolder files;
    SendHook hook;
};
