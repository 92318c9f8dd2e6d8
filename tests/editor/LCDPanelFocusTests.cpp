#include "LcdPanelTestSupport.h"

#include "editor/lcd/FaderLCDView.h"
#include "editor/lcd/KnobLCDView.h"
#include "editor/lcd/PadLCDView.h"
#include "editor/lcd/SwitchLCDView.h"

#include <functional>

using testing_support::pumpMessages;
using testing_support::pumpUntil;

// The panels move the keyboard focus to TYPE when their type changes and (knob, fader, switch)
// when they are laid out. On a display the windows share, only the window the user works in may
// take it. Other test programs may move the focus on the same display at the same time, so the
// checks that need a window to hold the focus call the panel at once, with no message loop turning
// in between, and a run that finds its window without the focus is tried again.

namespace
{
// A top-level window of its own.
struct Window : juce::Component
{
    explicit Window (juce::Component& content, juce::Rectangle<int> area)
    {
        setBounds (area);
        addAndMakeVisible (content);
        content.setTopLeftPosition (0, 0);
        addToDesktop (juce::ComponentPeer::windowIsTemporary);
        setVisible (true);
    }

    ~Window() override { removeFromDesktop(); }

    bool isFocusedWindow() const { return getPeer() != nullptr && getPeer()->isFocused(); }
};

// Gives the component's window the focus, and the component the keyboard focus.
bool focusOn (juce::Component& component)
{
    // Asked once and then given time: asking again and again would fight any other program on the
    // display that does the same.
    for (int ask = 0; ask < 4; ++ask)
    {
        // The framework asks the display only for a component it does not already count as
        // focused, and another program may have taken the window's focus without its noticing.
        juce::Component::unfocusAllComponents();
        component.grabKeyboardFocus();
        if (pumpUntil ([&] { return component.hasKeyboardFocus (false) && component.getPeer()->isFocused(); },
                       250))
            return true;
    }
    return false;
}

// What the panel hears when its control's type has changed, told now rather than from the loop.
void tellTypeChanged (LCDView& panel, MEditorControl& control)
{
    auto type = control.getParameterValue ("Parameter Type");
    dynamic_cast<juce::Value::Listener&> (panel).valueChanged (type);
}

struct PanelCase
{
    const char* name;
    std::function<LCDView::Ptr()> make;
    std::function<void (int)> setType;
    bool focusesWhenLaidOut;
    MEditorControl* control;
};

std::vector<PanelCase> panelCases (VexoPad::Ptr pad, VexoKnob::Ptr knob, VexoFader::Ptr fader,
                                   VexoSwitch::Ptr control)
{
    return {
        {"pad", [=] { return LCDView::Ptr (new PadLCDView (pad, "Pad 1")); },
         [=] (int t) { pad->setParameterValue (VexoPad::Param::parameterType, t); }, false, pad.get()},
        {"knob", [=] { return LCDView::Ptr (new KnobLCDView (knob, "Knob 1")); },
         [=] (int t) { knob->setParameterValue (VexoKnob::Param::parameterType, t); }, true, knob.get()},
        {"fader", [=] { return LCDView::Ptr (new FaderLCDView (fader, "Fader 1")); },
         [=] (int t) { fader->setParameterValue (VexoFader::Param::parameterType, t); }, true, fader.get()},
        {"switch", [=] { return LCDView::Ptr (new SwitchLCDView (control, "Switch 1")); },
         [=] (int t) { control->setParameterValue (VexoSwitch::Param::parameterType, t); }, true,
         control.get()},
    };
}

juce::Component* typeBoxOf (LCDView& panel)
{
    return lcd_test::anyField<juce::ComboBox> (panel, "TYPE");
}
} // namespace

namespace
{
// The user types in one window while another window's panel changes type or is laid out again: the
// keystrokes stay where they were going.
void checkABackgroundPanelNeverTakesTheFocus()
{
    VexoPad::Ptr pad = new VexoPad();
    VexoKnob::Ptr knob = new VexoKnob();
    VexoFader::Ptr fader = new VexoFader();
    VexoSwitch::Ptr control = new VexoSwitch();

    for (auto& c : panelCases (pad, knob, fader, control))
    {
        SCOPED_TRACE (c.name);
        juce::TextEditor typing;
        typing.setSize (200, 24);
        Window front (typing, {40, 40, 220, 40});

        auto panel = c.make();
        panel->setSize (490, 100);
        Window back (*panel, {300, 40, 490, 100});
        auto* typeBox = typeBoxOf (*panel);

        // Through the message loop, as in the program: whoever else has the focus, never this panel.
        focusOn (typing);
        c.setType (1);
        pumpMessages (50);
        panel->setBounds (panel->getBounds().withWidth (480));
        pumpMessages (20);
        c.setType (0);
        pumpMessages (50);
        EXPECT_FALSE (back.isFocusedWindow());
        EXPECT_FALSE (typeBox->hasKeyboardFocus (false));

        // With the typing window certainly in front.
        bool checked = false;

        for (int attempt = 0; attempt < 20 && !checked; ++attempt)
        {
            if (!focusOn (typing))
                continue;

            c.setType (1);
            tellTypeChanged (*panel, *c.control);
            panel->resized();
            c.setType (0);
            tellTypeChanged (*panel, *c.control);

            EXPECT_FALSE (back.isFocusedWindow());
            EXPECT_TRUE (typing.hasKeyboardFocus (false));
            EXPECT_FALSE (typeBox->hasKeyboardFocus (false));
            checked = true;
        }

        EXPECT_TRUE (checked) << "the typing window never got the focus";
        pumpMessages (20);
    }
}

// In the window the user works in, TYPE takes the keyboard focus when the type changes, and on
// every layout of the knob, fader and switch panels.
void checkAnActivePanelPutsTheFocusOnType()
{
    VexoPad::Ptr pad = new VexoPad();
    VexoKnob::Ptr knob = new VexoKnob();
    VexoFader::Ptr fader = new VexoFader();
    VexoSwitch::Ptr control = new VexoSwitch();

    for (auto& c : panelCases (pad, knob, fader, control))
    {
        SCOPED_TRACE (c.name);
        juce::Component content;
        auto panel = c.make();
        juce::TextEditor elsewhere;
        content.setSize (700, 130);
        panel->setBounds (0, 0, 490, 100);
        elsewhere.setBounds (500, 0, 150, 24);
        content.addAndMakeVisible (*panel);
        content.addAndMakeVisible (elsewhere);
        Window window (content, {40, 200, 700, 130});
        auto* typeBox = typeBoxOf (*panel);

        // Called at once after the window was seen to have the focus; when somebody took it away
        // in that moment, the panel rightly kept its hands off, and the run is tried again.
        auto tryOnce = [&] (const std::function<void()>& action, bool expected, const char* what)
        {
            if (!focusOn (elsewhere))
                return false;
            action();
            const bool focused = typeBox->hasKeyboardFocus (false);
            if (!window.isFocusedWindow())
                return false;
            EXPECT_EQ (focused, expected) << what;
            return true;
        };

        bool typeChecked = false, layoutChecked = false, hiddenChecked = false;

        for (int attempt = 0; attempt < 20 && !(typeChecked && layoutChecked && hiddenChecked); ++attempt)
        {
            // A panel not on screen, in the active window, leaves the focus alone.
            const auto changeTypeHidden = [&]
            {
                panel->setVisible (false);
                tellTypeChanged (*panel, *c.control);
            };
            hiddenChecked = hiddenChecked || tryOnce (changeTypeHidden, false, "while hidden");
            panel->setVisible (true);
            typeChecked = typeChecked || tryOnce (
                                             [&]
                                             {
                                                 c.setType (attempt % 2);
                                                 tellTypeChanged (*panel, *c.control);
                                             },
                                             true, "after a change of type");
            layoutChecked =
                layoutChecked || tryOnce ([&] { panel->resized(); }, c.focusesWhenLaidOut, "after a layout");
        }

        EXPECT_TRUE (typeChecked && layoutChecked && hiddenChecked)
            << "the window never kept the focus long enough to check";
        c.setType (0);
        pumpMessages (20);
    }
}
} // namespace

// One test, so that its two halves never run side by side, each moving the focus to its own window.
TEST (LCDPanelFocus, OnlyAPanelInTheActiveWindowPutsTheFocusOnType)
{
    {
        SCOPED_TRACE ("a panel in a window in the background");
        checkABackgroundPanelNeverTakesTheFocus();
    }
    {
        SCOPED_TRACE ("a panel in the active window");
        checkAnActivePanelPutsTheFocusOnType();
    }
}
