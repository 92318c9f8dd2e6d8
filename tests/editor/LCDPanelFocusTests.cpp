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
// take it. Other test programs may be moving the focus on the same display at the same time; a run
// that finds the focus moved by somebody else is tried again.

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
    return pumpUntil (
        [&]
        {
            component.grabKeyboardFocus();
            return component.hasKeyboardFocus (false) && component.getPeer()->isFocused();
        },
        3000);
}

struct PanelCase
{
    const char* name;
    std::function<LCDView::Ptr()> make;
    std::function<void (int)> setType;
    bool focusesWhenLaidOut;
};

std::vector<PanelCase> panelCases (VexoPad::Ptr pad, VexoKnob::Ptr knob, VexoFader::Ptr fader,
                                   VexoSwitch::Ptr control)
{
    return {
        {"pad", [=] { return LCDView::Ptr (new PadLCDView (pad, "Pad 1")); },
         [=] (int t) { pad->setParameterValue (VexoPad::Param::parameterType, t); }, false},
        {"knob", [=] { return LCDView::Ptr (new KnobLCDView (knob, "Knob 1")); },
         [=] (int t) { knob->setParameterValue (VexoKnob::Param::parameterType, t); }, true},
        {"fader", [=] { return LCDView::Ptr (new FaderLCDView (fader, "Fader 1")); },
         [=] (int t) { fader->setParameterValue (VexoFader::Param::parameterType, t); }, true},
        {"switch", [=] { return LCDView::Ptr (new SwitchLCDView (control, "Switch 1")); },
         [=] (int t) { control->setParameterValue (VexoSwitch::Param::parameterType, t); }, true},
    };
}

juce::Component* typeBoxOf (LCDView& panel)
{
    return lcd_test::anyField<juce::ComboBox> (panel, "TYPE");
}
} // namespace

// The user types in one window while another window's panel changes type or is laid out again: the
// keystrokes stay where they were going.
TEST (LCDPanelFocus, APanelInAWindowInTheBackgroundNeverTakesTheFocus)
{
    VexoPad::Ptr pad = new VexoPad();
    VexoKnob::Ptr knob = new VexoKnob();
    VexoFader::Ptr fader = new VexoFader();
    VexoSwitch::Ptr control = new VexoSwitch();

    for (auto& c : panelCases (pad, knob, fader, control))
    {
        SCOPED_TRACE (c.name);
        bool checked = false;

        for (int attempt = 0; attempt < 5 && !checked; ++attempt)
        {
            juce::TextEditor typing;
            typing.setSize (200, 24);
            Window front (typing, {40, 40, 220, 40});

            auto panel = c.make();
            panel->setSize (490, 100);
            Window back (*panel, {300, 40, 490, 100});

            if (!focusOn (typing))
                continue;

            c.setType (1);
            pumpMessages (50);
            panel->setBounds (panel->getBounds().withWidth (480));
            panel->resized();
            pumpMessages (50);
            c.setType (0);
            pumpMessages (50);

            if (!front.isFocusedWindow() && !back.isFocusedWindow())
                continue; // somebody else has the focus now: try again

            EXPECT_FALSE (back.isFocusedWindow());
            EXPECT_TRUE (typing.hasKeyboardFocus (false));
            EXPECT_FALSE (typeBoxOf (*panel)->hasKeyboardFocus (false));
            checked = true;
        }

        EXPECT_TRUE (checked) << "the typing window never kept the focus long enough to check";
    }
}

// In the window the user works in, TYPE takes the keyboard focus when the type changes, and on
// every layout of the knob, fader and switch panels.
TEST (LCDPanelFocus, APanelInTheActiveWindowPutsTheFocusOnType)
{
    VexoPad::Ptr pad = new VexoPad();
    VexoKnob::Ptr knob = new VexoKnob();
    VexoFader::Ptr fader = new VexoFader();
    VexoSwitch::Ptr control = new VexoSwitch();

    for (auto& c : panelCases (pad, knob, fader, control))
    {
        SCOPED_TRACE (c.name);
        bool checked = false;

        for (int attempt = 0; attempt < 5 && !checked; ++attempt)
        {
            juce::Component content;
            auto panel = c.make();
            juce::TextEditor elsewhere;
            content.setSize (700, 130);
            panel->setBounds (0, 0, 490, 100);
            elsewhere.setBounds (500, 0, 150, 24);
            content.addAndMakeVisible (*panel);
            content.addAndMakeVisible (elsewhere);
            Window window (content, {40, 200, 700, 130});

            if (!focusOn (elsewhere))
                continue;

            c.setType (1);
            pumpMessages (50);
            if (!window.isFocusedWindow())
                continue;
            EXPECT_TRUE (typeBoxOf (*panel)->hasKeyboardFocus (false)) << "after a change of type";

            if (!focusOn (elsewhere))
                continue;
            panel->resized();
            if (!window.isFocusedWindow())
                continue;
            EXPECT_EQ (typeBoxOf (*panel)->hasKeyboardFocus (false), c.focusesWhenLaidOut)
                << "after a layout";
            checked = true;
        }

        EXPECT_TRUE (checked) << "the window never kept the focus long enough to check";
    }
}
