#include "LcdPanelTestSupport.h"

#include "editor/lcd/CommonParametersLCDView.h"
#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"
#include "model/VexoBEditorPreset.h"
#include "widgets/SkinImages.h"
#include "widgets/VexoEditorCustomLook.h"

#include <map>

// The panels drawn where the main editor puts them, over the device picture: white writing on the
// dark LCD screens, every field and caption of a page inside the screen and clear of the others.
// With VEXOB_SNAPSHOT_DIR set, every picture is also written there as a PNG to look at.

namespace
{
float luminance (juce::Colour c)
{
    return 0.299f * c.getRed() + 0.587f * c.getGreen() + 0.114f * c.getBlue();
}

float averageLuminance (const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            sum += luminance (image.getPixelAt (x, y));
    return (float)(sum / juce::jmax (1, area.getWidth() * area.getHeight()));
}

float maxLuminance (const juce::Image& image, juce::Rectangle<int> area)
{
    float brightest = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            brightest = juce::jmax (brightest, luminance (image.getPixelAt (x, y)));
    return brightest;
}

// A caption is written whole, in the one font of its panel.
void expectWholeInFont (const juce::Label& caption, float panelFont, const juce::String& where)
{
    const auto font = caption.getFont();
    EXPECT_EQ (font.getHeight(), panelFont) << where;
    EXPECT_LE (font.getStringWidthFloat (caption.getText().trim()),
               (float)caption.getBorderSize().subtractedFrom (caption.getLocalBounds()).getWidth())
        << where << " squeezes " << caption.getText();
}

// The main editor's picture with its two panels at their places and its look.
struct EditorStandIn : juce::Component
{
    EditorStandIn (LCDView& lcd, CommonParametersLCDView& common)
    {
        setSize (1176, 721);
        setLookAndFeel (&look);
        addAndMakeVisible (lcd);
        lcd.setBounds (75, 95, 490, 100);
        addAndMakeVisible (common);
        common.setBounds (600, 95, 300, 100);
    }

    ~EditorStandIn() override
    {
        removeAllChildren();
        setLookAndFeel (nullptr);
    }

    void paint (juce::Graphics& g) override { g.drawImageAt (background, 0, 0); }

    VexoEditorCustomLook look;
    juce::Image background = getSkinImage (SkinImageId::mainEditorBackground);
};

void keepForLooking (const juce::Image& image, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
    if (folder.isEmpty())
        return;
    auto file = juce::File (folder).getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);
}

// Everything the user reads on the panel, in editor coordinates: the title, and each caption and
// field of the page shown.
std::vector<std::pair<juce::String, juce::Rectangle<int>>> writingOf (const LCDView& panel)
{
    std::vector<std::pair<juce::String, juce::Rectangle<int>>> areas;
    const auto origin = panel.getPosition();
    areas.push_back ({"title", panel.getTitleLabel().getBounds() + origin});

    if (auto* page = panel.getShownTypeView())
    {
        for (int i = 0; i < page->getNumFields(); ++i)
        {
            auto* field = page->getField (i);
            if (field == nullptr || field->getName().isEmpty())
                continue;
            const auto pageOrigin = origin + page->getPosition();
            auto* caption = page->getCaption (i);
            // A caption is as wide as its column; what it covers is its text, squeezed into the
            // label's text area when it is longer.
            const auto textArea = caption->getBorderSize().subtractedFrom (caption->getBounds());
            const auto textWidth =
                juce::jmin (textArea.getWidth(),
                            juce::roundToInt (caption->getFont().getStringWidthFloat (caption->getText())));
            areas.push_back ({"caption " + field->getName(), textArea.withWidth (textWidth) + pageOrigin});
            areas.push_back ({"field " + field->getName(), field->getBounds() + pageOrigin});
        }
    }

    return areas;
}

void checkPicture (const juce::Image& picture, const LCDView& panel, const juce::String& what)
{
    SCOPED_TRACE (what);
    const auto background = getSkinImage (SkinImageId::mainEditorBackground);
    const auto screen = juce::Rectangle<int> (75, 95, 490, 100);
    const auto areas = writingOf (panel);

    for (size_t i = 0; i < areas.size(); ++i)
    {
        auto& [name, area] = areas[i];
        EXPECT_TRUE (screen.contains (area)) << name << " leaves the screen: " << area.toString();
        EXPECT_LT (averageLuminance (background, area), 70.0f) << name << " is not on a dark area";

        for (size_t j = i + 1; j < areas.size(); ++j)
            EXPECT_FALSE (area.intersects (areas[j].second)) << name << " overlaps " << areas[j].first;
    }

    // Writing in white stands out on the screen.
    for (auto& [name, area] : areas)
        EXPECT_GT (maxLuminance (picture, area) - averageLuminance (background, area), 120.0f)
            << name << " shows no writing";
}

struct Shot
{
    juce::String name;
    std::function<LCDView*(VexoBEditorPreset&)> make;
};

std::vector<Shot> allPages()
{
    std::vector<Shot> shots;
    const char* padTypes[] = {"note", "program", "program_bank"};
    for (int t = 0; t < 3; ++t)
        shots.push_back ({juce::String ("pad_") + padTypes[t], [t] (VexoBEditorPreset& p)
                          {
                              auto pad = p.getPad (5);
                              pad->setParameterValue (VexoPad::Param::parameterType, t);
                              pad->setParameterValue (VexoPad::Param::colorOn, 13);
                              pad->setParameterValue (VexoPad::Param::midiChannel, 32);
                              return new PadLCDView (pad, "Pad 6");
                          }});
    const char* knobTypes[] = {"cc", "aftertouch", "incdec1", "incdec2"};
    for (int t = 0; t < 4; ++t)
        shots.push_back ({juce::String ("knob_") + knobTypes[t], [t] (VexoBEditorPreset& p)
                          {
                              auto knob = p.getKnob (9);
                              knob->setParameterValue (VexoKnob::Param::parameterType, t);
                              knob->setParameterValue (VexoKnob::Param::maxValue, 127);
                              return new KnobLCDView (knob, "Knob 10");
                          }});
    for (int t = 0; t < 2; ++t)
        shots.push_back ({juce::String ("fader_") + (t == 0 ? "cc" : "aftertouch"), [t] (VexoBEditorPreset& p)
                          {
                              auto fader = p.getFader (23);
                              fader->setParameterValue (VexoFader::Param::parameterType, t);
                              return new FaderLCDView (fader, "Fader 24");
                          }});
    const char* switchTypes[] = {"cc", "note", "program", "program_bank", "key_stroke"};
    for (int t = 0; t < 5; ++t)
        shots.push_back ({juce::String ("switch_") + switchTypes[t], [t] (VexoBEditorPreset& p)
                          {
                              auto control = p.getSwitch (2);
                              control->setParameterValue (VexoSwitch::Param::parameterType, t);
                              control->setParameterValue (VexoSwitch::Param::key2, 13);
                              control->setParameterValue (VexoSwitch::Param::key1, 45);
                              return new SwitchLCDView (control, "Switch 3");
                          }});
    return shots;
}
} // namespace

TEST (LCDPanelLook, EveryPageIsWrittenInWhiteOnTheDarkScreenWithNothingOverlapping)
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    preset->setName ("LOOKING");
    preset->getTransport()->setParameterValue (VexoTransport::Param::bpm, 128);
    preset->getTransport()->setParameterValue (VexoTransport::Param::timeDivision, 7);
    CommonParametersLCDView::Ptr common = new CommonParametersLCDView (preset, preset->getTransport());
    std::map<juce::String, float> fontOfPanel;

    for (auto& shot : allPages())
    {
        LCDView::Ptr panel (shot.make (*preset));
        EditorStandIn editor (*panel, *common);
        const auto picture = editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f);
        keepForLooking (picture, "lcd_" + shot.name);
        checkPicture (picture, *panel, shot.name);

        // Every caption whole, in the one font of its panel (the same on all the panel's pages).
        auto* page = panel->getShownTypeView();
        const auto kind = shot.name.upToFirstOccurrenceOf ("_", false, false);
        const auto panelFont =
            fontOfPanel.emplace (kind, page->getCaption (0)->getFont().getHeight()).first->second;
        for (int i = 0; i < page->getNumFields(); ++i)
            if (auto* caption = page->getCaption (i); caption != nullptr && caption->getText().isNotEmpty())
                expectWholeInFont (*caption, panelFont, shot.name);
    }
}

TEST (LCDPanelLook, TheCommonPanelIsWrittenOnItsDarkScreen)
{
    VexoBEditorPreset::Ptr preset = new VexoBEditorPreset();
    preset->getTransport()->setParameterValue (VexoTransport::Param::bpm, 300);
    CommonParametersLCDView::Ptr common = new CommonParametersLCDView (preset, preset->getTransport());
    VexoPad::Ptr pad = new VexoPad();
    LCDView::Ptr panel = new PadLCDView (pad, "Pad 1");
    EditorStandIn editor (*panel, *common);
    const auto picture = editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f);
    keepForLooking (picture, "common");

    const auto background = getSkinImage (SkinImageId::mainEditorBackground);
    const auto screen = juce::Rectangle<int> (600, 95, 300, 100);
    for (auto* child : common->getChildren())
    {
        const auto area = child->getBounds() + common->getPosition();
        EXPECT_TRUE (screen.contains (area)) << child->getName() << " " << area.toString();
        EXPECT_LT (averageLuminance (background, area), 70.0f) << child->getName();
        EXPECT_GT (maxLuminance (picture, area), 180.0f) << child->getName() << " shows no writing";
    }

    for (int i = 0; i < common->getNumCaptions(); ++i)
        expectWholeInFont (*common->getCaption (i), common->getCaption (0)->getFont().getHeight(), "common");
}
