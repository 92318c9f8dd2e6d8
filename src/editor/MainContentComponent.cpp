#include "editor/MainContentComponent.h"

#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"
#include "model/ControlBank.h"

//==============================================================================
namespace
{
const juce::Rectangle<int> lcdPanelBounds{75, 95, 490, 100};
const juce::Rectangle<int> commonPanelBounds{600, 95, 300, 100};
const char* const padBankNames[] = {"A", "B", "C", "D"};
const char* const controlBankNames[] = {"A", "B", "C"};

// Where the bank buttons' letters sit on their 21-pixel images.
constexpr float bankLetterOffsetX = 6.0f;
constexpr float bankLetterOffsetY = 1.0f;

MEditorControl::Ptr knobAt (const VexoAEditorPreset& preset, int index)
{
    return preset.getKnob (index).get();
}

MEditorControl::Ptr faderAt (const VexoAEditorPreset& preset, int index)
{
    return preset.getFader (index).get();
}

MEditorControl::Ptr switchAt (const VexoAEditorPreset& preset, int index)
{
    return preset.getSwitch (index).get();
}

juce::String numberOf (int flatIndex)
{
    return juce::String (flatIndex + 1);
}
} // namespace

//==============================================================================
MainContentComponent::MainContentComponent (EditorPreset::Ptr presetToEdit,
                                            const juce::Image& backgroundImage)
    : preset (std::move (presetToEdit))
    , controls (dynamic_cast<VexoAEditorPreset*> (preset.get()))
    , background (backgroundImage)
{
    setOpaque (true);

    if (controls != nullptr)
    {
        showLCDPanel (new PadLCDView (controls->getPad (0), "Pad " + numberOf (0)));
        createPadBankButtons();
        createControlBankButtons();
        createCommonParametersView();
    }

    setLookAndFeel (&look);

    for (int i = 0; i < ControlBank::controlsPerBank; ++i)
    {
        for (auto* labels : {&faderLabels, &switchLabels})
        {
            auto* label = labels->add (new juce::Label());
            label->setColour (juce::Label::textColourId, juce::Colours::white);
            label->setFont (juce::Font (14.0f));
            label->setJustificationType (juce::Justification::centred);
            addAndMakeVisible (label);
        }
        // Clicks on a switch's number belong to the switch under it.
        switchLabels.getLast()->setInterceptsMouseClicks (false, true);
    }

    // Building the knob, fader and switch views is left to choosing bank A here: done before, they
    // would be built for bank B first and at once thrown away.
    if (controls != nullptr)
    {
        rebuildPadViews (0);
        setControlBank (0);
    }

    if (background.isValid())
        setSize (background.getWidth(), background.getHeight());
    else
        setSize (defaultWidth, defaultHeight);
}

MainContentComponent::~MainContentComponent()
{
    releaseEverything();
    setLookAndFeel (nullptr);
}

void MainContentComponent::releaseEverything()
{
    // Views are let go of through their drag part first: the view and its drag part hold each
    // other, and a view that outlives this editor must not call it back.
    releaseViews (padViews);
    releaseViews (knobViews);
    releaseViews (faderViews);
    releaseViews (switchViews);
    letGoOfCarriedView();

    for (auto* buttons : {&padBankButtons, &controlBankButtons})
    {
        for (auto* button : *buttons)
            button->removeListener (this);
        buttons->clear();
    }

    lcdPanel = nullptr;
    commonPanel = nullptr;
    faderLabels.clear();
    switchLabels.clear();
}

//==============================================================================
juce::Component* MainContentComponent::getLCDPanel() const
{
    return lcdPanel.get();
}

juce::Component* MainContentComponent::getCommonPanel() const
{
    return commonPanel.get();
}

void MainContentComponent::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImageAt (background, 0, 0);
    else
        g.fillAll (juce::Colour (0xff1c1d20));
}

//==============================================================================
template <typename View>
void MainContentComponent::watch (View& view)
{
    static_cast<juce::Button&> (view).addListener (this);
    static_cast<DragableAndDropAbleControl&> (view).addListener (this);
}

template <typename View>
void MainContentComponent::releaseViews (juce::ReferenceCountedArray<View>& views)
{
    for (auto* view : views)
    {
        auto& dragPart = static_cast<DragableAndDropAbleControl&> (*view);
        if (dragPart.isBeingDragged())
        {
            carry (dragPart);
            continue;
        }

        static_cast<juce::Button&> (*view).removeListener (this);
        dragPart.removeListener (this);
        dragPart.releaseOwner();
    }
    // The views leave the editor as they are released; a carried one stays, hidden.
    views.clear();
}

void MainContentComponent::carry (DragableAndDropAbleControl& view)
{
    if (carriedView.get() != &view)
        letGoOfCarriedView();

    carriedView = &view;

    // It still hears of its drag's end, which lets it go, but it is no view of a bank any more.
    if (auto* component = view.getOwner())
    {
        component->removeListener (this);
        component->setVisible (false);
    }
}

void MainContentComponent::letGoOfCarriedView()
{
    // The last reference to the view may go with this one.
    if (auto view = std::exchange (carriedView, nullptr))
    {
        view->removeListener (this);
        if (auto* component = view->getOwner())
        {
            component->removeListener (this);
            removeChildComponent (component);
        }
        view->releaseOwner();
    }
}

void MainContentComponent::rebuildPadViews (int bank)
{
    if (bank == padBank)
    {
        resized();
        return;
    }

    padBank = bank;
    releaseViews (padViews);

    const auto normal = getSkinImage (SkinImageId::padNormal);
    const auto mouseOver = getSkinImage (SkinImageId::padOver);
    const auto toggledOn = getSkinImage (SkinImageId::padOn);

    for (int i = 0; i < ControlBank::padsPerBank; ++i)
    {
        const auto index = ControlBank::padIndex (bank, i);
        auto* view = padViews.add (
            new PadView (controls->getPad (index), numberOf (index), normal, mouseOver, toggledOn));
        watch (*view);
    }

    for (int j = 0; j < padBankButtons.size(); ++j)
        padBankButtons[j]->setToggleState (j == bank, juce::dontSendNotification);

    resized();
}

void MainContentComponent::setControlBank (int bank)
{
    if (bank == controlBank)
        return;

    controlBank = bank;

    for (int i = 0; i < ControlBank::controlsPerBank; ++i)
    {
        const auto number = numberOf (ControlBank::controlIndex (bank, i));
        faderLabels[i]->setText (number, juce::dontSendNotification);
        switchLabels[i]->setText (number, juce::dontSendNotification);
    }

    for (int j = 0; j < controlBankButtons.size(); ++j)
        controlBankButtons[j]->setToggleState (j == bank, juce::dontSendNotification);

    rebuildKnobViews();
    rebuildSwitchViews();
    rebuildFaderViews();
    resized();
}

void MainContentComponent::rebuildControlViews (juce::ReferenceCountedArray<VexoControlView>& views,
                                                MEditorControl::Ptr (*controlAt) (const VexoAEditorPreset&,
                                                                                  int),
                                                SkinImageId normalId, SkinImageId mouseOverId,
                                                SkinImageId toggledOnId)
{
    releaseViews (views);

    const auto normal = getSkinImage (normalId);
    const auto mouseOver = getSkinImage (mouseOverId);
    const auto toggledOn = getSkinImage (toggledOnId);

    for (int i = 0; i < ControlBank::controlsPerBank; ++i)
    {
        auto control = controlAt (*controls, ControlBank::controlIndex (controlBank, i));
        auto* view = views.add (new VexoControlView (control, normal, mouseOver, toggledOn));
        watch (*view);
    }
}

void MainContentComponent::rebuildKnobViews()
{
    rebuildControlViews (knobViews, knobAt, SkinImageId::knobNormal, SkinImageId::knobOver,
                         SkinImageId::knobOn);
}

void MainContentComponent::rebuildFaderViews()
{
    rebuildControlViews (faderViews, faderAt, SkinImageId::faderNormal, SkinImageId::faderOver,
                         SkinImageId::faderOn);
}

void MainContentComponent::rebuildSwitchViews()
{
    rebuildControlViews (switchViews, switchAt, SkinImageId::switchNormal, SkinImageId::switchOver,
                         SkinImageId::switchOn);
}

ImageButtonWithText* MainContentComponent::makeBankButton (const char* name)
{
    const auto normal = getSkinImage (SkinImageId::bankButtonNormal);
    auto* button = new ImageButtonWithText (name, normal, getSkinImage (SkinImageId::bankButtonOn),
                                            getSkinImage (SkinImageId::bankButtonOver));
    button->setSize (normal.getWidth(), normal.getHeight());
    button->setTextOffsetX (bankLetterOffsetX);
    button->setTextOffsetY (bankLetterOffsetY);
    button->addListener (this);
    return button;
}

void MainContentComponent::createPadBankButtons()
{
    for (auto* name : padBankNames)
        padBankButtons.add (makeBankButton (name));
}

void MainContentComponent::createControlBankButtons()
{
    for (auto* name : controlBankNames)
        controlBankButtons.add (makeBankButton (name));
}

void MainContentComponent::createCommonParametersView()
{
    commonPanel = new CommonParametersLCDView (controls, controls->getTransport());
    addAndMakeVisible (commonPanel.get());
}

//==============================================================================
void MainContentComponent::buttonClicked (juce::Button* button)
{
    for (int j = 0; j < controlBankButtons.size(); ++j)
        if (button == controlBankButtons[j].get())
            return setControlBank (j);

    for (int j = 0; j < padBankButtons.size(); ++j)
        if (button == padBankButtons[j].get())
            return rebuildPadViews (j);

    const auto isOneOf = [button] (auto& views)
    {
        for (auto* view : views)
            if (button == static_cast<juce::Button*> (view))
                return true;
        return false;
    };

    if (!isOneOf (padViews) && !isOneOf (knobViews) && !isOneOf (faderViews) && !isOneOf (switchViews))
        return;

    // Exactly one control view shows itself selected: the one clicked last.
    const auto deselect = [] (auto& views)
    {
        for (auto* view : views)
            static_cast<juce::Button&> (*view).setToggleState (false, juce::dontSendNotification);
    };
    deselect (padViews);
    deselect (switchViews);
    deselect (knobViews);
    deselect (faderViews);
    button->setToggleState (true, juce::dontSendNotification);

    showLCDPanel (makeLCDPanel (button));
}

LCDView::Ptr MainContentComponent::makeLCDPanel (juce::Button* clickedView) const
{
    // The title counts controls from 1, as the device's labels do.
    for (int i = 0; i < padViews.size(); ++i)
        if (clickedView == static_cast<juce::Button*> (padViews[i].get()))
        {
            const auto index = ControlBank::padIndex (padBank, i);
            return new PadLCDView (controls->getPad (index), "Pad " + numberOf (index));
        }

    for (int i = 0; i < knobViews.size(); ++i)
        if (clickedView == static_cast<juce::Button*> (knobViews[i].get()))
        {
            const auto index = ControlBank::controlIndex (controlBank, i);
            return new KnobLCDView (controls->getKnob (index), "Knob " + numberOf (index));
        }

    for (int i = 0; i < faderViews.size(); ++i)
        if (clickedView == static_cast<juce::Button*> (faderViews[i].get()))
        {
            const auto index = ControlBank::controlIndex (controlBank, i);
            return new FaderLCDView (controls->getFader (index), "Fader " + numberOf (index));
        }

    for (int i = 0; i < switchViews.size(); ++i)
        if (clickedView == static_cast<juce::Button*> (switchViews[i].get()))
        {
            const auto index = ControlBank::controlIndex (controlBank, i);
            return new SwitchLCDView (controls->getSwitch (index), "Switch " + numberOf (index));
        }

    return nullptr;
}

void MainContentComponent::showLCDPanel (LCDView::Ptr panel)
{
    if (panel == nullptr)
        return;

    // The old panel is released and leaves the editor.
    if (lcdPanel != nullptr)
        removeChildComponent (lcdPanel.get());

    lcdPanel = std::move (panel);
    addAndMakeVisible (lcdPanel.get());
    resized();
}

void MainContentComponent::dragStateChanged (DragableAndDropAbleControl* control, bool isDragging)
{
    if (isDragging)
        return;

    // Not let go of from inside its own notice, which letting go may delete; by the next round of
    // the message loop its drop, if any, has been made.
    if (control != nullptr && control == carriedView.get())
        juce::MessageManager::callAsync (
            [editor = juce::Component::SafePointer<MainContentComponent> (this), control]
            {
                if (editor != nullptr && editor->carriedView.get() == control && !control->isBeingDragged())
                    editor->letGoOfCarriedView();
            });

    if (lcdPanel != nullptr)
        lcdPanel->resized();
    redrawAfterDrag.startTimer (RedrawAfterDrag::delayMs);
}

void MainContentComponent::dragOperationEnded (const juce::DragAndDropTarget::SourceDetails&)
{
    // The "Main Window" drag's picture took the keyboard focus with it; it comes back here.
    if (auto* peer = getPeer())
        peer->grabFocus();
    redrawAfterDrag.startTimer (RedrawAfterDrag::delayMs);
}

//==============================================================================
void MainContentComponent::resized()
{
    if (lcdPanel != nullptr)
        lcdPanel->setBounds (lcdPanelBounds);
    if (commonPanel != nullptr)
        commonPanel->setBounds (commonPanelBounds);

    for (int i = 0; i < padViews.size(); ++i)
    {
        auto& view = static_cast<juce::Component&> (*padViews[i]);
        const int w = view.getWidth();
        const int h = view.getHeight();
        view.setTopLeftPosition ((w + 4) * (i % 4) + 50, 575 - (i / 4) * h);
        addAndMakeVisible (view);
    }

    for (int i = 0; i < knobViews.size(); ++i)
    {
        auto& knob = static_cast<juce::Component&> (*knobViews[i]);
        knob.setTopLeftPosition (i * (knob.getWidth() + 20) + 505, 270);
        addAndMakeVisible (knob);

        if (i < faderViews.size())
        {
            auto& fader = static_cast<juce::Component&> (*faderViews[i]);
            fader.setTopLeftPosition (knob.getX() - 4, knob.getBottom() + 20);
            addAndMakeVisible (fader);

            if (i < faderLabels.size())
                faderLabels[i]->setBounds (fader.getX(), fader.getY() - 20, fader.getWidth(), 20);

            if (i < switchViews.size())
            {
                auto& switchView = static_cast<juce::Component&> (*switchViews[i]);
                switchView.setTopLeftPosition (fader.getX() + 10, fader.getBottom() + 20);
                addAndMakeVisible (switchView);

                if (i < switchLabels.size())
                {
                    switchLabels[i]->setBounds (switchView.getBounds());
                    switchLabels[i]->setColour (juce::Label::textColourId, juce::Colours::black);
                }
            }
        }
    }

    for (int j = 0; j < padBankButtons.size(); ++j)
    {
        padBankButtons[j]->setTopLeftPosition (150 + 30 * j, 222);
        addAndMakeVisible (padBankButtons[j].get());
    }

    for (int j = 0; j < controlBankButtons.size(); ++j)
    {
        controlBankButtons[j]->setTopLeftPosition (150 + 30 * j + 440, 222);
        addAndMakeVisible (controlBankButtons[j].get());
    }

    // The numbers stay above the views.
    for (int i = 0; i < switchLabels.size() && i < faderLabels.size(); ++i)
    {
        switchLabels[i]->toFront (false);
        faderLabels[i]->toFront (false);
    }
}
