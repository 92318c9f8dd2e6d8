#include "AutoPopulateTestSupport.h"

#include "autopopulate/AutoPopToolWindow.h"

namespace
{
// Every component inside the body that shows something, with its bounds in the body's terms.
void collectShown (const juce::Component& root, const juce::Component& component,
                   std::vector<const juce::Component*>& shown)
{
    for (auto* child : component.getChildren())
    {
        if (!child->isVisible())
            continue;
        if (child->getNumChildComponents() == 0 || dynamic_cast<const juce::ComboBox*> (child) != nullptr ||
            dynamic_cast<const juce::Label*> (child) != nullptr ||
            dynamic_cast<const juce::Button*> (child) != nullptr)
            shown.push_back (child);
        else
            collectShown (root, *child, shown);
    }
}

juce::Rectangle<int> inBody (const juce::Component& body, const juce::Component& component)
{
    return body.getLocalArea (&component, component.getLocalBounds());
}

// The part of a component that can be seen: clipped by every parent on the way up.
juce::Rectangle<int> visiblePart (const juce::Component& body, const juce::Component& component)
{
    auto area = inBody (body, component);
    for (auto* parent = component.getParentComponent(); parent != nullptr && parent != &body;
         parent = parent->getParentComponent())
        area = area.getIntersection (inBody (body, *parent));
    return area;
}

juce::String describe (const juce::Component& component)
{
    juce::String text = component.getName();
    if (auto* label = dynamic_cast<const juce::Label*> (&component))
        text << " '" << label->getText() << "'";
    return text + " " + component.getBounds().toString();
}
} // namespace

class ToolBody : public AutoPopulateTest
{
protected:
    // Nothing is cut off by its page or the body, and nothing covers anything else.
    void expectNothingCutOffOrOverlapping (const juce::String& what)
    {
        SCOPED_TRACE (what.toStdString());
        std::vector<const juce::Component*> shown;
        collectShown (*body, *body, shown);
        ASSERT_FALSE (shown.empty());

        for (size_t i = 0; i < shown.size(); ++i)
        {
            const auto area = inBody (*body, *shown[i]);
            EXPECT_EQ (visiblePart (*body, *shown[i]), area) << "cut off: " << describe (*shown[i]);
            for (size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE (area.intersects (inBody (*body, *shown[j])))
                    << describe (*shown[i]) << " overlaps " << describe (*shown[j]);
        }
    }

    void saveSnapshot (const juce::String& name)
    {
        const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
        if (folder.isEmpty())
            return;
        const auto image = body->createComponentSnapshot (body->getLocalBounds());
        juce::File file (juce::File (folder).getChildFile (name + ".png"));
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat().writeImageToStream (image, out);
    }
};

TEST_F (ToolBody, PagesStackInsideTheBodyWithTheirDividersBetweenThem)
{
    EXPECT_EQ (body->getWidth(), 633);
    EXPECT_EQ (body->getHeight(), 677);

    const std::vector<juce::Component*> pages{&body->getPadPage(), &body->getKnobPage(),
                                              &body->getFaderPage(), &body->getSwitchPage()};
    EXPECT_EQ (pages[0]->getY(), 30);
    for (size_t i = 0; i < pages.size(); ++i)
    {
        EXPECT_EQ (pages[i]->getHeight(), 156);
        EXPECT_LE (pages[i]->getBottom(), body->getHeight());
        if (i > 0)
        {
            EXPECT_GT (pages[i]->getY(), pages[i - 1]->getBottom());
        }
    }
}

TEST_F (ToolBody, EveryAreaOfEveryPageFitsWithoutCoveringAnything)
{
    saveSnapshot ("auto-populate-cc-note-cc-cc");
    expectNothingCutOffOrOverlapping ("as opened");

    // Every TYPE of every page, the last pages' first TYPE kept while the others change.
    for (int type = 2; type <= 4; ++type)
    {
        if (type <= 3)
            choose (body->getPadPage().getTypeComboBox(), type);
        choose (body->getKnobPage().getTypeComboBox(), type);
        if (type == 2)
            choose (body->getFaderPage().getTypeComboBox(), type);
        choose (body->getSwitchPage().getTypeComboBox(), type);
        saveSnapshot ("auto-populate-type-" + juce::String (type));
        expectNothingCutOffOrOverlapping ("TYPE " + juce::String (type));
    }
}

TEST_F (ToolBody, EveryPageOpensOnItsFirstType)
{
    for (auto* page : std::initializer_list<AutoPopulatePage*>{&body->getPadPage(), &body->getKnobPage(),
                                                               &body->getFaderPage(), &body->getSwitchPage()})
    {
        EXPECT_EQ (page->getTypeComboBox().getSelectedId(), 1);
        ASSERT_NE (page->getCurrentArea(), nullptr);
        EXPECT_EQ (page->getCurrentArea()->getBounds().getTopLeft(), juce::Point<int> (10, 50));
        EXPECT_EQ (page->getApplyToBanks().getPosition(), juce::Point<int> (490, 24));
        EXPECT_EQ (page->getFixedRows().getBounds(), juce::Rectangle<int> (240, 24, 225, 100));
        EXPECT_EQ (page->getTypeRow().getBounds(), juce::Rectangle<int> (10, 24, 185, 25));
    }
    EXPECT_EQ (body->getPadPage().getApplyToBanks().getNumBankToggles(), 4);
    EXPECT_EQ (body->getSwitchPage().getApplyToBanks().getNumBankToggles(), 3);
}

TEST_F (ToolBody, TheBodyLetsGoOfThePresetsControlsWhenItGoes)
{
    juce::WeakReference<juce::Component> watched (&body->getPadPage());
    auto* pad = preset->getPad (0).get();
    const auto references = pad->getReferenceCount();
    body = nullptr;
    EXPECT_EQ (watched.get(), nullptr);
    EXPECT_LT (pad->getReferenceCount(), references);
}

class ToolWindow : public AutoPopulateTest
{
};

TEST_F (ToolWindow, OwnsItsBodyAloneAndHidesOnClose)
{
    auto content = std::make_unique<VexoBAutoPopulateComponent> (preset);
    juce::Component::SafePointer<juce::Component> watched (content.get());
    AutoPopToolWindow::Ptr window = new AutoPopToolWindow (std::move (content));

    EXPECT_EQ (window->getName(), "Auto Populate");
    EXPECT_EQ (window->getContentComponent(), watched.getComponent());
    EXPECT_EQ (window->getContentComponent()->getWidth(), 633);
    EXPECT_EQ (window->getContentComponent()->getHeight(), 677);
    EXPECT_FALSE (window->isResizable());
    EXPECT_TRUE (window->isUsingNativeTitleBar());

    window->showPresetName ("Drums");
    EXPECT_EQ (window->getName(), "Auto Populate: Drums");

    window->setVisible (true);
    window->closeButtonPressed();
    EXPECT_FALSE (window->isVisible());
    EXPECT_NE (watched.getComponent(), nullptr);

    // Once, and only once, with the window.
    window = nullptr;
    EXPECT_EQ (watched.getComponent(), nullptr);
}
