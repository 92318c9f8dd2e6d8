#include "dialogs/AboutWindow.h"
#include "dialogs/GlobalSettingsWindow.h"
#include "dialogs/MidiSetupWindow.h"
#include "dialogs/VexoAGlobalSettingsComponent.h"
#include "support/FakeApplicationServices.h"
#include "support/MessageLoop.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

// Pictures of the settings dialogs as the program draws them: their writing must stand out from the
// skin behind it, and no part may cover another. With VEXOB_SNAPSHOT_DIR set, the pictures are kept
// there for a person to look at.
namespace
{
juce::Image pictureOf (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
}

void keepForViewing (const juce::Image& image, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
    if (folder.isEmpty())
        return;

    const auto file = juce::File (folder).getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    if (out.openedOk())
        png.writeImageToStream (image, out);
}

float luminance (juce::Colour c)
{
    return 0.299f * c.getRed() + 0.587f * c.getGreen() + 0.114f * c.getBlue();
}

// The darkest and the brightest pixel of an area.
juce::Range<float> luminanceRange (const juce::Image& image, juce::Rectangle<int> area)
{
    float low = 255.0f, high = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto l = luminance (image.getPixelAt (x, y));
            low = juce::jmin (low, l);
            high = juce::jmax (high, l);
        }
    return {low, high};
}

// Writing stands out when its darkest and brightest pixels lie far apart.
void expectReadable (const juce::Image& image, juce::Rectangle<int> area, const juce::String& what)
{
    const auto range = luminanceRange (image, area);
    EXPECT_GT (range.getLength(), 120.0f) << what << ": " << range.getStart() << " to " << range.getEnd();
}

// The width a label's text takes in its own font.
int textWidthOf (const juce::Label& label)
{
    return juce::roundToInt (label.getFont().getStringWidthFloat (label.getText()));
}

void expectApart (const juce::Component& a, const juce::Component& b)
{
    EXPECT_FALSE (a.getBounds().intersects (b.getBounds())) << a.getName() << " and " << b.getName();
}
} // namespace

TEST (SettingsDialogPictures, MidiSetupWritingStandsOutAndNothingOverlaps)
{
    FakeApplicationServices services;
    auto window = MidiSetupWindow::create (services.getMidiManager());
    auto& panel = window->getPanel();
    const auto picture = pictureOf (panel);
    keepForViewing (picture, "midi-setup");

    for (auto* caption : {&panel.getInputCaption(), &panel.getOutputCaption()})
    {
        expectReadable (picture, caption->getBounds().withWidth (textWidthOf (*caption)), caption->getText());
        EXPECT_LT (textWidthOf (*caption), caption->getWidth());
    }

    // The selected port's row: white writing on grey.
    const auto row = panel.getInputList().getRowPosition (0, false);
    const auto rowArea = row.translated (panel.getInputList().getX(), panel.getInputList().getY());
    EXPECT_GT (luminanceRange (picture, rowArea).getEnd(), 230.0f);
    EXPECT_EQ (picture.getPixelAt (rowArea.getRight() - 20, rowArea.getCentreY()),
               juce::Colour (128, 128, 128));

    const juce::Component* parts[] = {
        &panel.getInputList(), &panel.getOutputList(),   &panel.getInputCaption(), &panel.getOutputCaption(),
        &panel.getOkButton(),  &panel.getCancelButton(), &panel.getApplyButton()};
    for (size_t i = 0; i < std::size (parts); ++i)
    {
        EXPECT_TRUE (panel.getLocalBounds().contains (parts[i]->getBounds())) << parts[i]->getName();
        for (size_t j = i + 1; j < std::size (parts); ++j)
            expectApart (*parts[i], *parts[j]);
    }
}

TEST (SettingsDialogPictures, GlobalSettingsWritingStandsOutAndNothingOverlaps)
{
    FakeApplicationServices services;
    VexoAGlobalSettingsComponent::Ptr content (new VexoAGlobalSettingsComponent());
    GlobalSettingsWindow::Ptr window (new GlobalSettingsWindow (content.get(), services.getEngine()));
    window->requestGlobalSettings();
    ASSERT_TRUE (
        testing_support::pumpUntil ([&] { return services.getEngine()->hasGlobalSettingsFromDevice(); }));
    testing_support::pumpMessages (50);

    const auto picture = pictureOf (*content);
    keepForViewing (picture, "global-settings");

    for (int index = 1; index <= 10; ++index)
    {
        auto& caption = content->getCaption (index);
        auto& box = content->getBox (index);
        SCOPED_TRACE (caption.getText());

        // The caption's writing ends before its box begins, and stands out from the background.
        const auto textArea = caption.getBounds().withWidth (textWidthOf (caption) + 4);
        EXPECT_LT (textArea.getRight(), box.getX());
        expectReadable (picture, textArea, caption.getText());

        // The box's choice stands out from the box.
        expectReadable (picture, box.getBounds().withTrimmedRight (20).reduced (4, 4), box.getText());

        for (int other = index + 1; other <= 10; ++other)
            expectApart (box, content->getBox (other));
    }

    const juce::Component* buttons[] = {&content->getRevertButton(), &content->getGetButton(),
                                        &content->getSendButton()};
    for (auto* button : buttons)
    {
        EXPECT_TRUE (content->getLocalBounds().contains (button->getBounds()));
        for (int index = 1; index <= 10; ++index)
            expectApart (*button, content->getBox (index));
    }
    expectApart (*buttons[1], *buttons[2]);
}

TEST (SettingsDialogPictures, AboutBoxOnTheProgramsLogo)
{
    AboutWindow::Ptr about (new AboutWindow (getSkinImage (SkinImageId::aboutLogo), "VexoB Editor"));
    const auto picture = pictureOf (about->getContent());
    keepForViewing (picture, "about");

    expectReadable (picture,
                    about->getContent().getVersionLabel().getBounds().withSizeKeepingCentre (120, 15),
                    "version line");
    expectReadable (picture, AboutComponent::getFirstNoticeArea (501), "first notice line");
    expectReadable (picture, AboutComponent::getSecondNoticeArea (501), "second notice line");
}
