#pragma once

#include "editor/DragableAndDropAbleControl.h"
#include "editor/MainWindowDragDrop.h"
#include "editor/PadView.h"
#include "editor/VexoControlView.h"
#include "editor/lcd/CommonParametersLCDView.h"
#include "editor/lcd/LCDView.h"
#include "model/VexoAEditorPreset.h"
#include "widgets/ImageButtonWithText.h"
#include "widgets/SkinImages.h"
#include "widgets/VexoEditorCustomLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The content of every main window: the picture of the device with a view for each visible pad,
// knob, fader and switch, the bank buttons, the panel of the control last clicked and the panel of
// the preset's common parameters. One bank of pads and one bank of knobs, faders and switches are
// shown at a time; switching a bank replaces the views of that kind with views bound to the
// controls of the new bank.
class MainContentComponent : public virtual juce::Component,
                             public juce::Button::Listener,
                             public MainWindowDragDrop,
                             private DragableAndDropAbleControl::Listener
{
public:
    static constexpr int defaultWidth = 1176;
    static constexpr int defaultHeight = 721;

    // Takes the background's size; without a background it keeps the device picture's size. A
    // preset that is not a preset of the device's controls gets no views.
    MainContentComponent (EditorPreset::Ptr preset, const juce::Image& background);
    ~MainContentComponent() override;

    EditorPreset::Ptr getPreset() const override { return preset; }

    void buttonClicked (juce::Button* button) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // What is on screen now.
    int getPadBank() const noexcept { return padBank; }
    int getControlBank() const noexcept { return controlBank; }
    PadView* getPadView (int position) const { return padViews[position].get(); }
    VexoControlView* getKnobView (int position) const { return knobViews[position].get(); }
    VexoControlView* getFaderView (int position) const { return faderViews[position].get(); }
    VexoControlView* getSwitchView (int position) const { return switchViews[position].get(); }
    ImageButtonWithText* getPadBankButton (int bank) const { return padBankButtons[bank].get(); }
    ImageButtonWithText* getControlBankButton (int bank) const { return controlBankButtons[bank].get(); }
    juce::Label* getFaderLabel (int position) const { return faderLabels[position]; }
    juce::Label* getSwitchLabel (int position) const { return switchLabels[position]; }
    juce::Component* getLCDPanel() const;
    juce::Component* getCommonPanel() const;

private:
    void dragStateChanged (DragableAndDropAbleControl* control, bool isDragging) override;
    void dragOperationEnded (const juce::DragAndDropTarget::SourceDetails& details) override;

    void rebuildPadViews (int bank);
    void setControlBank (int bank);
    void rebuildKnobViews();
    void rebuildFaderViews();
    void rebuildSwitchViews();
    void createPadBankButtons();
    void createControlBankButtons();
    void createCommonParametersView();
    ImageButtonWithText* makeBankButton (const char* name);

    template <typename View>
    void watch (View& view);
    template <typename View>
    void releaseViews (juce::ReferenceCountedArray<View>& views);
    void rebuildControlViews (juce::ReferenceCountedArray<VexoControlView>& views,
                              MEditorControl::Ptr (*controlAt) (const VexoAEditorPreset&, int),
                              SkinImageId normal, SkinImageId mouseOver, SkinImageId toggledOn);
    LCDView::Ptr makeLCDPanel (juce::Button* clickedView) const;

    void showLCDPanel (LCDView::Ptr panel);
    void releaseEverything();

    // A view being dragged when its bank is switched away is carried, out of sight, until its drag
    // ends: the drag is how a control reaches another bank, and its drop there needs the view.
    void carry (DragableAndDropAbleControl& view);
    void letGoOfCarriedView();

    // First, so that it is destroyed after every child that draws with it.
    VexoEditorCustomLook look;

    EditorPreset::Ptr preset;
    VexoAEditorPreset* controls = nullptr; // the same preset, while it is held above
    LCDView::Ptr lcdPanel;
    CommonParametersLCDView::Ptr commonPanel;
    juce::ReferenceCountedArray<PadView> padViews;
    juce::ReferenceCountedArray<VexoControlView> knobViews;
    juce::ReferenceCountedArray<VexoControlView> faderViews;
    juce::ReferenceCountedArray<VexoControlView> switchViews;
    juce::ReferenceCountedArray<ImageButtonWithText> padBankButtons;
    juce::ReferenceCountedArray<ImageButtonWithText> controlBankButtons;
    DragableAndDropAbleControl::Ptr carriedView;
    juce::OwnedArray<juce::Label> faderLabels;
    juce::OwnedArray<juce::Label> switchLabels;
    // Both start on a bank that is not shown, so that choosing bank A at construction builds it.
    int padBank = 1;
    int controlBank = 1;
    juce::Image background;

    // A dropped drag's picture fades out in a window of its own. Where no compositor keeps what it
    // covered, its last picture would stay on the window (the editor, and the menu bar above it)
    // until that spot happened to be drawn again, so the whole window is drawn again once the
    // picture has surely gone.
    struct RedrawAfterDrag : juce::Timer
    {
        static constexpr int delayMs = 400; // longer than the framework takes to remove the picture
        explicit RedrawAfterDrag (juce::Component& c)
            : editor (c)
        {
        }
        void timerCallback() override
        {
            stopTimer();
            editor.getTopLevelComponent()->repaint();
        }
        juce::Component& editor;
    };
    RedrawAfterDrag redrawAfterDrag{*this};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainContentComponent)
};
