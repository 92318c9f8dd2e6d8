#include "dialogs/MidiSetupWindow.h"
#include "simulation/VirtualMidiPortSystem.h"
#include "support/FakeApplicationServices.h"
#include "support/MessageLoop.h"
#include "support/MouseDriver.h"

#include <gtest/gtest.h>

using testing_support::pumpMessages;
using testing_support::pumpUntil;

namespace
{
struct DeafReceiver : VirtualMidiPortSystem::Receiver
{
    void messageFromProgram (const juce::MidiMessage&) override {}
};

// A MIDI system of several ports, in a known order, and a manager watching it quickly. The
// application's services stand beside it, recording what the dialog asks of them.
class MidiSetup : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto* name : {"Keys In", "Pads In", "Remote"})
            inputIds.set (name, system->addInputDevice (name));
        for (const auto* name : {"Synth Out", "Remote"})
            outputIds.set (name, system->addOutputDevice (name, receiver));
        manager = new MidiManager (system, 5);
    }

    void TearDown() override
    {
        window = nullptr;
        manager = nullptr;
        pumpMessages (10);
    }

    MidiSetupWindow& open()
    {
        window = MidiSetupWindow::create (manager);
        return *window;
    }

    MidiSetupComponent& panel() const { return window->getPanel(); }

    void click (juce::Button& button) { window->buttonClicked (&button); }

    void select (juce::ListBox& list, const juce::String& name, const MidiDeviceListBoxModel& model)
    {
        const auto row = model.getNames().indexOf (name);
        ASSERT_GE (row, 0) << name;
        list.selectRow (row);
    }

    bool closeRequested() const
    {
        return std::find (services.closedToolWindows.begin(), services.closedToolWindows.end(),
                          ApplicationServices::ToolWindowKind::midiSetup) != services.closedToolWindows.end();
    }

    FakeApplicationServices services;
    DeafReceiver receiver;
    std::shared_ptr<VirtualMidiPortSystem> system = std::make_shared<VirtualMidiPortSystem>();
    juce::HashMap<juce::String, int> inputIds, outputIds;
    MidiManager::Ptr manager;
    MidiSetupWindow::Ptr window;
};
} // namespace

TEST (MidiDeviceListBoxModel, FollowsTheSelectionOnlyWithinItsNames)
{
    MidiDeviceListBoxModel model;
    EXPECT_EQ (model.getNumRows(), 0);

    model.addName ("A");
    model.addName ("B");
    EXPECT_EQ (model.getNumRows(), 2);

    model.selectedRowsChanged (1);
    EXPECT_EQ (model.getSelectedName(), "B");

    // A row past the names is not a choice of anything: the last choice stands.
    model.selectedRowsChanged (2);
    EXPECT_EQ (model.getSelectedName(), "B");

    model.selectedRowsChanged (-1);
    EXPECT_EQ (model.getSelectedName(), "");

    model.selectedRowsChanged (0);
    model.clear();
    EXPECT_EQ (model.getNumRows(), 0);
    EXPECT_EQ (model.getSelectedName(), "");
}

TEST (MidiDeviceListBoxModel, PaintsNamesWhiteOnBlackAndTheSelectedRowGrey)
{
    MidiDeviceListBoxModel model;
    model.addName ("A very long port name that does not fit into the row of the list at all");

    juce::Image row (juce::Image::RGB, 120, 20, true);
    {
        juce::Graphics g (row);
        model.paintListBoxItem (0, g, 120, 20, true);
    }
    EXPECT_EQ (row.getPixelAt (2, 1), juce::Colour (128, 128, 128));

    int whitePixels = 0;
    for (int x = 5; x < 120; ++x)
        for (int y = 0; y < 20; ++y)
            whitePixels += row.getPixelAt (x, y).getBrightness() > 0.9f ? 1 : 0;
    EXPECT_GT (whitePixels, 20) << "the name is written";

    // Rows past the names, which the list paints to fill its height, are only black.
    juce::Image empty (juce::Image::RGB, 120, 20, true);
    {
        juce::Graphics g (empty);
        model.paintListBoxItem (3, g, 120, 20, false);
    }
    for (int x = 0; x < 120; x += 7)
        for (int y = 0; y < 20; y += 3)
            ASSERT_EQ (empty.getPixelAt (x, y), juce::Colour (0, 0, 0));
}

TEST_F (MidiSetup, ListsThePortsInTheSystemsOrderWithTheOpenOnesSelected)
{
    manager->openInput ("Pads In");
    manager->openOutput ("Remote");
    open();

    EXPECT_EQ (panel().getInputModel().getNames(), juce::StringArray ({"Keys In", "Pads In", "Remote"}));
    EXPECT_EQ (panel().getOutputModel().getNames(), juce::StringArray ({"Synth Out", "Remote"}));
    EXPECT_EQ (panel().getInputList().getSelectedRow(), 1);
    EXPECT_EQ (panel().getOutputList().getSelectedRow(), 1);
    EXPECT_EQ (panel().getSelectedInputName(), "Pads In");
    EXPECT_EQ (panel().getSelectedOutputName(), "Remote");

    EXPECT_EQ (window->getName(), "MIDI Setup");
    EXPECT_EQ (window->getContentComponent(), &panel());
    EXPECT_EQ (window->getWidth(), 633);
    EXPECT_EQ (window->getHeight(), 275);
}

TEST_F (MidiSetup, TheEditorsOwnPortShowsSelectedInANewDialog)
{
    // The services opened the simulated device's ports as the program does at start-up.
    window = MidiSetupWindow::create (services.getMidiManager());

    EXPECT_EQ (panel().getInputModel().getNames(), juce::StringArray ("VexoB Remote"));
    EXPECT_EQ (panel().getSelectedInputName(), "VexoB Remote");
    EXPECT_EQ (panel().getSelectedOutputName(), "VexoB Remote");
    EXPECT_TRUE (panel().getInputList().isRowSelected (0));
    EXPECT_TRUE (panel().getOutputList().isRowSelected (0));
}

TEST_F (MidiSetup, OfSeveralPortsOfTheOpenNameTheLastStaysSelected)
{
    system->addInputDevice ("Keys In");
    manager->openInput ("Keys In");
    open();

    EXPECT_EQ (panel().getInputModel().getNames(),
               juce::StringArray ({"Keys In", "Pads In", "Remote", "Keys In"}));
    EXPECT_EQ (panel().getInputList().getNumSelectedRows(), 1);
    EXPECT_EQ (panel().getInputList().getSelectedRow(), 3);
    EXPECT_EQ (panel().getSelectedInputName(), "Keys In");

    // Nothing is open on the output side: nothing is selected there.
    EXPECT_EQ (panel().getOutputList().getNumSelectedRows(), 0);
    EXPECT_EQ (panel().getSelectedOutputName(), "");
}

TEST_F (MidiSetup, ApplyOpensTheChosenPortsAndKeepsTheWindow)
{
    manager->openInput ("Remote");
    manager->openOutput ("Remote");
    open();

    select (panel().getInputList(), "Keys In", panel().getInputModel());
    click (panel().getApplyButton());

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Keys In"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray ("Remote"));
    EXPECT_FALSE (closeRequested());

    // And again, with the output changed this time.
    select (panel().getOutputList(), "Synth Out", panel().getOutputModel());
    click (panel().getApplyButton());
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Keys In"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray ("Synth Out"));
    EXPECT_FALSE (closeRequested());
}

TEST_F (MidiSetup, OkAppliesAndAsksToCloseCancelOnlyAsks)
{
    manager->openInput ("Remote");
    manager->openOutput ("Remote");
    open();

    select (panel().getInputList(), "Pads In", panel().getInputModel());
    select (panel().getOutputList(), "Synth Out", panel().getOutputModel());
    click (panel().getCancelButton());
    EXPECT_TRUE (closeRequested());
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Remote"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray ("Remote"));

    services.closedToolWindows.clear();
    click (panel().getOkButton());
    EXPECT_TRUE (closeRequested());
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Pads In"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray ("Synth Out"));

    // The title bar's close button asks the same and changes no port.
    services.closedToolWindows.clear();
    select (panel().getInputList(), "Keys In", panel().getInputModel());
    window->closeButtonPressed();
    EXPECT_TRUE (closeRequested());
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Pads In"));
}

// A plain click on the selected port takes it back, the next one selects it again; a double click
// and a shifted click keep it. Each entry clicks further right, lest it add to the last one's clicks.
TEST_F (MidiSetup, AClickOnTheSelectedPortDeselectsItAndOkThenOpensNoPortThatWay)
{
    manager->openOutput ("Remote");
    auto& list = open().getPanel().getOutputList();
    window->setVisible (true);
    testing_support::MouseDriver mouse (*window);
    auto at = window->getLocalArea (&list, list.getRowPosition (0, true)).getCentre().translated (-120, 0);
    const juce::ModifierKeys plain, shift (juce::ModifierKeys::shiftModifier);
    using Clicks = std::vector<std::tuple<juce::ModifierKeys, int, int>>; // keys, clicks, row selected
    for (const auto& [keys, clicks, selected] :
         Clicks{{plain, 2, 0}, {shift, 1, 0}, {plain, 1, -1}, {plain, 1, 0}, {plain, 1, -1}})
    {
        juce::ModifierKeys::currentModifiers = keys;
        at += {40, 0};
        for (int i = 0; i < clicks; ++i)
            mouse.press (at), mouse.release (at);
        EXPECT_EQ (list.getSelectedRow(), selected);
    }
    click (panel().getOkButton());
    EXPECT_EQ (manager->getNumOpenOutputs(), 0);
}

TEST_F (MidiSetup, WithoutAnyPortTheListsAreEmptyAndOkClosesEverything)
{
    manager->openInput ("Remote");
    manager->openOutput ("Remote");
    for (auto it = inputIds.begin(); it != inputIds.end(); ++it)
        system->setDevicePresent (it.getValue(), false);
    for (auto it = outputIds.begin(); it != outputIds.end(); ++it)
        system->setDevicePresent (it.getValue(), false);
    open();

    EXPECT_EQ (panel().getInputModel().getNames().size(), 0);
    EXPECT_EQ (panel().getOutputModel().getNames().size(), 0);
    click (panel().getOkButton());

    EXPECT_EQ (manager->getNumOpenInputs(), 0);
    EXPECT_EQ (manager->getNumOpenOutputs(), 0);
}

// A port that vanished and was waiting to be reopened must not come back beside the ports the
// user chose meanwhile.
TEST_F (MidiSetup, PortsChosenWhileAnotherWasAwayStayTheOnlyOnesOpen)
{
    manager->openInput ("Remote");
    manager->openOutput ("Remote");

    system->setDevicePresent (inputIds["Remote"], false);
    system->setDevicePresent (outputIds["Remote"], false);
    ASSERT_TRUE (
        pumpUntil ([this] { return manager->getNumOpenInputs() + manager->getNumOpenOutputs() == 0; }));

    open();
    select (panel().getInputList(), "Keys In", panel().getInputModel());
    select (panel().getOutputList(), "Synth Out", panel().getOutputModel());
    click (panel().getOkButton());

    system->setDevicePresent (inputIds["Remote"], true);
    system->setDevicePresent (outputIds["Remote"], true);
    pumpMessages (60);

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Keys In"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray ("Synth Out"));

    // Cancel chose nothing, so a port away at that time still comes back.
    manager->openInput ("Pads In");
    system->setDevicePresent (inputIds["Pads In"], false);
    ASSERT_TRUE (pumpUntil ([this] { return !manager->isInputOpen ("Pads In"); }));
    open();
    click (panel().getCancelButton());
    system->setDevicePresent (inputIds["Pads In"], true);
    EXPECT_TRUE (pumpUntil ([this] { return manager->isInputOpen ("Pads In"); }));
}

// The device pulled out while the dialog shows it chosen, and OK pressed before it is back: it is
// still the user's choice, so its return opens it again, as it would have without the dialog.
TEST_F (MidiSetup, APortChosenWhileItsDeviceIsAwayOpensWhenItReturns)
{
    manager->openInput ("Remote");
    manager->openOutput ("Remote");
    manager->openInput ("Pads In");
    open();
    ASSERT_EQ (panel().getSelectedInputName(), "Remote");
    ASSERT_EQ (panel().getSelectedOutputName(), "Remote");

    for (const auto& name : {"Remote", "Pads In"})
        system->setDevicePresent (inputIds[name], false);
    system->setDevicePresent (outputIds["Remote"], false);
    ASSERT_TRUE (
        pumpUntil ([this] { return manager->getNumOpenInputs() + manager->getNumOpenOutputs() == 0; }));

    click (panel().getOkButton());
    EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);

    for (const auto& name : {"Remote", "Pads In"})
        system->setDevicePresent (inputIds[name], true);
    system->setDevicePresent (outputIds["Remote"], true);
    EXPECT_TRUE (pumpUntil (
        [this]
        {
            return manager->getOpenInputNames() == juce::StringArray ("Remote") &&
                   manager->getOpenOutputNames() == juce::StringArray ("Remote");
        }));
    pumpMessages (30);
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Remote")) << "only the port chosen";
}

TEST_F (MidiSetup, APortThatVanishedSinceTheListsWereFilledOpensNothing)
{
    manager->openInput ("Remote");
    open();
    select (panel().getInputList(), "Pads In", panel().getInputModel());
    system->setDevicePresent (inputIds["Pads In"], false);

    click (panel().getApplyButton());
    EXPECT_EQ (manager->getNumOpenInputs(), 0);
}

TEST_F (MidiSetup, PanelLayout)
{
    open();
    auto& p = panel();

    EXPECT_EQ (p.getBounds().withZeroOrigin(), juce::Rectangle<int> (0, 0, 633, 275));
    EXPECT_EQ (p.getInputList().getBounds(), juce::Rectangle<int> (20, 95, 285, 100));
    EXPECT_EQ (p.getOutputList().getBounds(), juce::Rectangle<int> (325, 95, 285, 100));
    EXPECT_EQ (p.getInputCaption().getBounds(), juce::Rectangle<int> (20, 70, 285, 20));
    EXPECT_EQ (p.getOutputCaption().getBounds(), juce::Rectangle<int> (325, 70, 285, 20));
    EXPECT_EQ (p.getCancelButton().getBounds(), juce::Rectangle<int> (20, 220, 96, 25));
    EXPECT_EQ (p.getOkButton().getBounds(), juce::Rectangle<int> (411, 220, 96, 25));
    EXPECT_EQ (p.getApplyButton().getBounds(), juce::Rectangle<int> (514, 220, 96, 25));

    EXPECT_EQ (p.getInputCaption().getText(), "INPUT");
    EXPECT_EQ (p.getOutputCaption().getText(), "OUTPUT");
    EXPECT_EQ (p.getInputList().getViewport()->getScrollBarThickness(), 10);
    EXPECT_EQ (p.getInputList().findColour (juce::ListBox::backgroundColourId), juce::Colours::black);
    EXPECT_EQ (p.getOutputList().getVerticalScrollBar().findColour (juce::ScrollBar::thumbColourId),
               juce::Colour (128, 128, 128));
}
