// What the dialogs look like: their texts fit and no two of their parts overlap. With
// VEXOB_SNAPSHOT_DIR set, each dialog is also written there as a PNG, to be looked at.

#include "SendMultipleTestSupport.h"

#include "dialogs/GetPresetWindow.h"
#include "dialogs/SendPresetWindow.h"

using namespace dialog_test;

namespace
{
void saveSnapshot (juce::Component& content, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
    if (folder.isEmpty())
        return;

    const auto image = content.createComponentSnapshot (content.getLocalBounds());
    juce::File file (juce::File (folder).getChildFile (name + ".png"));
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);
}

// A label's text is drawn whole: at most a trace narrower than the font would set it.
void expectTextFits (const juce::Label& label)
{
    const auto available = label.getBorderSize().subtractedFrom (label.getLocalBounds()).getWidth();
    EXPECT_GE ((float)available, 0.95f * label.getFont().getStringWidthFloat (label.getText()))
        << label.getText();
}

// The visible children of a component do not overlap one another, and lie inside it.
void expectNoOverlap (const juce::Component& parent)
{
    juce::Array<juce::Component*> shown;
    for (auto* child : parent.getChildren())
        if (child->isVisible() && !child->getBounds().isEmpty())
            shown.add (child);

    for (int i = 0; i < shown.size(); ++i)
    {
        EXPECT_TRUE (parent.getLocalBounds().contains (shown[i]->getBounds()))
            << parent.getName() << ": " << shown[i]->getBounds().toString();
        for (int j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE (shown[i]->getBounds().intersects (shown[j]->getBounds()))
                << shown[i]->getBounds().toString() << " and " << shown[j]->getBounds().toString();
    }
}
} // namespace

TEST (DialogLook, SendToHardware)
{
    FakeApplicationServices services;
    auto dialog = SendPresetWindow::create (services.createDefaultPreset(), services.getEngine());
    auto& content = dialog->getContent();
    content.getSlotBox().setSelectedId (13, juce::dontSendNotification);

    expectTextFits (content.getCaption());
    expectNoOverlap (content);
    saveSnapshot (content, "send-to-hardware");
}

TEST (DialogLook, LoadFromHardware)
{
    FakeApplicationServices services;
    nameEveryDeviceSlot (services.device(), "Name");
    GetPresetWindow::Ptr window = new GetPresetWindow (services.getEngine());
    window->requestAllPresets();
    ASSERT_TRUE (settle ([&] { return !window->isBusy(); }));
    window->getPanel()->getList().selectRow (2);

    auto& panel = *window->getPanel();
    expectNoOverlap (panel);
    for (int row = 0; row < 6; ++row)
    {
        auto* rowComponent = dynamic_cast<PresetListBoxModel::PresetListRowComponent*> (
            panel.getList().getComponentForRowNumber (row));
        ASSERT_NE (rowComponent, nullptr);
        expectTextFits (rowComponent->getNameLabel());
        // The name starts right of the slot's caption, which is drawn in (10, 0, 100, 20).
        EXPECT_GE (rowComponent->getNameLabel().getX(), 110);
    }
    saveSnapshot (panel, "load-from-hardware");
    window->releaseContent();
}

TEST (DialogLook, SendMultiplePresets)
{
    FakeApplicationServices services;
    ToolWindowHolder<SendMultiplePresetsWindow> holder;
    auto& window = holder.getOrMake ([] { return new SendMultiplePresetsWindow(); });
    for (int slot : {0, 2, 3})
    {
        auto preset = services.createDefaultPreset();
        rename (preset, "Preset" + juce::String (slot));
        window.setSlotPreset (preset, slot);
    }
    ASSERT_TRUE (settle (
        [&]
        {
            auto* row = window.getPanel().getList()->getComponentForRowNumber (3);
            return row != nullptr && dynamic_cast<SlotRow*> (row)->getNameLabel().getText().isNotEmpty();
        }));
    window.getPanel().getList()->selectRow (1);
    window.getPanel().setStatusText ("Reading Dragged Files");

    auto& panel = window.getPanel();
    expectTextFits (panel.getStatusLabel());
    EXPECT_EQ (panel.getStatusLabel().findColour (juce::Label::textColourId), juce::Colours::black)
        << "written on the light panel";
    expectNoOverlap (panel);
    for (int row = 0; row < 6; ++row)
    {
        auto* rowComponent = dynamic_cast<SlotRow*> (panel.getList()->getComponentForRowNumber (row));
        ASSERT_NE (rowComponent, nullptr);
        expectTextFits (rowComponent->getNameLabel());
        EXPECT_GE (rowComponent->getNameLabel().getX(), 110);
        expectNoOverlap (*rowComponent);
    }
    saveSnapshot (panel, "send-multiple-presets");
    holder.releaseNow();
}
