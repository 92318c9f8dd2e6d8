#include "EditorTestSupport.h"
#include "editor/MainContentComponent.h"
#include "support/FakeApplicationServices.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

// Pictures of the editor as the user sees it, checked here for what a test can see (nothing of a
// view spills over its neighbour, the numbers stand out from what they are written on) and, with
// VEXOB_PICTURES set to a folder, written there as PNG files to be looked at.
namespace
{
void keep (const juce::Image& image, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_PICTURES", {});
    if (folder.isEmpty())
        return;
    const auto file = juce::File (folder).getChildFile (name + ".png");
    file.getParentDirectory().createDirectory();
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);
}

float contrast (const juce::Image& image, juce::Rectangle<int> area)
{
    float low = 1.0f, high = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto b = image.getPixelAt (x, y).getPerceivedBrightness();
            low = juce::jmin (low, b);
            high = juce::jmax (high, b);
        }
    return high - low;
}

bool hasWhite (const juce::Image& image, juce::Rectangle<int> area)
{
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto c = image.getPixelAt (x, y);
            if (c.getRed() > 200 && c.getGreen() > 200 && c.getBlue() > 200)
                return true;
        }
    return false;
}

class EditorPictures : public testing::Test
{
protected:
    void SetUp() override
    {
        preset = dynamic_cast<VexoAEditorPreset*> (services.createDefaultPreset().get());
        ASSERT_NE (preset, nullptr);
        editor = std::make_unique<MainContentComponent> (preset.get(),
                                                         getSkinImage (SkinImageId::mainEditorBackground));
    }

    juce::Image picture() { return editor->createComponentSnapshot (editor->getLocalBounds()); }

    FakeApplicationServices services;
    VexoAEditorPreset::Ptr preset;
    std::unique_ptr<MainContentComponent> editor;
};
} // namespace

TEST_F (EditorPictures, EveryNumberStandsOutOnItsControl)
{
    editor->buttonClicked (editor->getPadView (5));
    auto image = picture();
    keep (image, "main_window");

    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_GT (contrast (image, editor->getFaderLabel (i)->getBounds()), 0.5f);
        EXPECT_GT (contrast (image, editor->getSwitchLabel (i)->getBounds().reduced (8)), 0.5f);
    }
    for (int j = 0; j < 4; ++j)
        EXPECT_GT (contrast (image, editor->getPadBankButton (j)->getBounds().reduced (3)), 0.5f);
    for (int j = 0; j < 3; ++j)
        EXPECT_GT (contrast (image, editor->getControlBankButton (j)->getBounds().reduced (3)), 0.5f);

    // No two views share a pixel.
    juce::Array<juce::Rectangle<int>> areas;
    for (int i = 0; i < 16; ++i)
        areas.add (editor->getPadView (i)->getBounds());
    for (int i = 0; i < 8; ++i)
        for (auto* view : {editor->getKnobView (i), editor->getFaderView (i), editor->getSwitchView (i)})
            areas.add (view->getBounds());
    for (int j = 0; j < 4; ++j)
        areas.add (editor->getPadBankButton (j)->getBounds());
    for (int j = 0; j < 3; ++j)
        areas.add (editor->getControlBankButton (j)->getBounds());
    areas.add (editor->getLCDPanel()->getBounds());
    areas.add (editor->getCommonPanel()->getBounds());
    for (int a = 0; a < areas.size(); ++a)
        for (int b = a + 1; b < areas.size(); ++b)
            EXPECT_FALSE (areas[a].intersects (areas[b]))
                << areas[a].toString() << " / " << areas[b].toString();
}

TEST_F (EditorPictures, EachPadTypeWritesItsLinesInsideThePad)
{
    const struct
    {
        int type;
        const char* name;
    } types[] = {{0, "note"}, {1, "program"}, {2, "program_bank"}, {9, "unnamed_type"}};

    for (int i = 0; i < 4; ++i)
    {
        auto pad = preset->getPad (i);
        pad->setParameterValue (VexoPad::Param::parameterType, types[i].type);
        pad->setParameterValue (VexoPad::Param::midiNote, 127);
        pad->setParameterValue (VexoPad::Param::programNumber, 127);
        pad->setParameterValue (VexoPad::Param::programMsb, 127);
        pad->setParameterValue (VexoPad::Param::programLsb, 127);
        pad->setParameterValue (VexoPad::Param::midiChannel, 16 * i + 16);
        pad->setParameterValue (VexoPad::Param::colorOn, 3 + i);
        pad->setParameterValue (VexoPad::Param::colorOff, 10 + i);
    }
    testing_support::pumpMessages (30);

    for (int i = 0; i < 4; ++i)
    {
        auto& view = *editor->getPadView (i);
        auto image = view.createComponentSnapshot (view.getLocalBounds());
        keep (image.rescaled (image.getWidth() * 3, image.getHeight() * 3,
                              juce::Graphics::lowResamplingQuality),
              juce::String ("pad_") + types[i].name);

        // The widest texts end before the right edge of the frame, and the bank's halves stay
        // apart: no white there.
        EXPECT_FALSE (hasWhite (image, {91, 10, 3, 60})) << types[i].name;
        EXPECT_FALSE (hasWhite (image, {48, 32, 3, 16})) << types[i].name;
    }
    keep (picture(), "pads_of_each_type");
}

TEST_F (EditorPictures, ThePanelOfEachKindOfControlSitsOnTheScreenOfThePicture)
{
    const struct
    {
        juce::Button* view;
        const char* name;
    } clicks[] = {{editor->getPadView (5), "pad"},
                  {editor->getKnobView (2), "knob"},
                  {editor->getFaderView (4), "fader"},
                  {editor->getSwitchView (7), "switch"}};

    for (auto& click : clicks)
    {
        editor->buttonClicked (click.view);
        testing_support::pumpMessages (20);
        const auto image = picture();
        keep (image, juce::String ("main_window_") + click.name + "_panel");

        // The panel's fields stay on the screen it is drawn on, and off the common panel's.
        auto* panel = editor->getLCDPanel();
        const auto screen = panel->getBounds();
        std::function<void (juce::Component&)> check = [&] (juce::Component& c)
        {
            for (auto* child : c.getChildren())
            {
                if (!child->isVisible())
                    continue;
                // The pages are wider than the screen; what they hold is not.
                if (child->getNumChildComponents() > 0 && dynamic_cast<juce::ComboBox*> (child) == nullptr)
                {
                    check (*child);
                    continue;
                }
                const auto area = editor->getLocalArea (child, child->getLocalBounds());
                EXPECT_TRUE (screen.contains (area))
                    << click.name << ": " << child->getName() << " " << area.toString();
            }
        };
        check (*panel);
    }
}
