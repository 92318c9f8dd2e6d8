#include "ApplicationTestFixture.h"
#include "IconifyRequestWatch.h"

#include <map>

namespace
{
struct Expected
{
    juce::CommandID id;
    const char* name;
    char shortcut; // 0: none
};

const std::vector<Expected> everyCommand{
    {0x200010, "New", 'n'},
    {0x200020, "Open Preset", 'o'},
    {0x200030, "Close Window", 'w'},
    {0x200040, "Save", 's'},
    {0x200050, "Save As", 0},
    {0x200060, "Load From Hardware", 0},
    {0x200070, "Send To Hardware", 0},
    {0x200080, "MIDI Setup", 0},
    {0x200090, "Quit", 'q'},
    {0x200200, "Auto Populate Tool", 0},
    {0x200210, "Send Multiple Presets", 0},
    {0x200220, "Global Settings Editor", 0},
    {0x200230, "Sequence Edit", 0},
    {0x200300, "Minimize Window", 'm'},
    {0x200310, "Bring All To Front", 0},
    {0x200400, "Open User Guide", 0},
    {0x200410, "About", 0},
};

juce::ApplicationCommandTarget* targetFor (juce::ApplicationCommandManager& manager, juce::CommandID id)
{
    juce::ApplicationCommandInfo info (id);
    return manager.getTargetForCommand (id, info);
}

// The names of the given windows from back to front, as the desktop stacks them.
std::vector<std::string> stackingOf (const std::vector<juce::Component*>& windows)
{
    std::vector<std::string> names;
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (std::find (windows.begin(), windows.end(), desktop.getComponent (i)) != windows.end())
            names.push_back (desktop.getComponent (i)->getName().toStdString());
    return names;
}

// The items of a menu as command ids, 0 for a separator.
std::vector<int> itemsOf (const juce::PopupMenu& menu)
{
    std::vector<int> items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.push_back (it.getItem().isSeparator ? 0 : it.getItem().itemID);
    return items;
}
} // namespace

using Commands = ApplicationTest;

TEST_F (Commands, EveryCommandIsRegisteredWithItsNameCategoryAndShortcut)
{
    start();
    auto& manager = *app->getCommandManager();

    for (const auto& expected : everyCommand)
    {
        SCOPED_TRACE (expected.name);
        const auto* info = manager.getCommandForID (expected.id);
        ASSERT_NE (info, nullptr);
        EXPECT_EQ (info->shortName, expected.name);
        EXPECT_EQ (info->categoryName, "General");
        EXPECT_TRUE (info->description.isEmpty());

        const auto keys = manager.getKeyMappings()->getKeyPressesAssignedToCommand (expected.id);
        if (expected.shortcut == 0)
        {
            EXPECT_TRUE (keys.isEmpty());
            continue;
        }
        ASSERT_EQ (keys.size(), 1);
        EXPECT_EQ (keys[0], juce::KeyPress (expected.shortcut, juce::ModifierKeys::commandModifier, 0));
    }
    EXPECT_EQ (manager.getNumCommands(), (int)everyCommand.size());
}

TEST_F (Commands, EachTargetListsItsOwnCommandsInOrder)
{
    start();

    juce::Array<juce::CommandID> application;
    app->getAllCommands (application);
    EXPECT_EQ (application,
               juce::Array<juce::CommandID> ({0x200010, 0x200020, 0x200410, 0x200310, 0x200400, 0x200060,
                                              0x200210, 0x200080, 0x200220, 0x200090}));

    juce::Array<juce::CommandID> mainWindow;
    window (0)->getAllCommands (mainWindow);
    EXPECT_EQ (mainWindow, juce::Array<juce::CommandID> (
                               {0x200230, 0x200030, 0x200040, 0x200050, 0x200300, 0x200200, 0x200070}));

    EXPECT_FALSE (
        window (0)->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::newPreset)));
    EXPECT_TRUE (app->perform (juce::ApplicationCommandTarget::InvocationInfo (0x123456)));
}

TEST_F (Commands, WithoutAMainWindowTheDocumentCommandsFindNoTarget)
{
    start();
    desktop->answers = {DesktopInteraction::SaveAnswer::no};
    window (0)->close();
    ASSERT_EQ (numWindows(), 0);

    auto& manager = *app->getCommandManager();
    for (auto id : {CommandIds::save, CommandIds::saveAs, CommandIds::closeWindow, CommandIds::sendToHardware,
                    CommandIds::autoPopulateTool, CommandIds::sequenceEdit, CommandIds::minimizeWindow})
    {
        SCOPED_TRACE (id);
        EXPECT_EQ (targetFor (manager, id), nullptr);
        EXPECT_FALSE (manager.invokeDirectly (id, false));
    }

    // New and the other application commands still work.
    EXPECT_EQ (targetFor (manager, CommandIds::newPreset), app.get());
    EXPECT_EQ (targetFor (manager, CommandIds::midiSetup), app.get());
    EXPECT_TRUE (manager.invokeDirectly (CommandIds::newPreset, false));
    EXPECT_EQ (numWindows(), 1);
}

TEST_F (Commands, BringAllToFrontIsGreyedWhileNoMainWindowIsOpen)
{
    start();
    juce::ApplicationCommandInfo info (CommandIds::bringAllToFront);
    app->getCommandInfo (CommandIds::bringAllToFront, info);
    EXPECT_EQ (info.flags & juce::ApplicationCommandInfo::isDisabled, 0);

    desktop->answers = {DesktopInteraction::SaveAnswer::no};
    window (0)->close();
    app->getCommandInfo (CommandIds::bringAllToFront, info);
    EXPECT_NE (info.flags & juce::ApplicationCommandInfo::isDisabled, 0);
}

TEST_F (Commands, BringAllToFrontRaisesEveryMainWindowInTheOrderTheyOpened)
{
    start();
    invoke (CommandIds::newPreset);
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 3);

    // Another window of the program on top, and the first main window above the other two.
    juce::DocumentWindow dialog ("Dialog", juce::Colours::black, 0, true);
    dialog.setVisible (true);
    window (0)->toFront (false);
    dialog.toFront (false);
    const std::vector<juce::Component*> windows{window (0), window (1), window (2), &dialog};
    ASSERT_EQ (stackingOf (windows),
               (std::vector<std::string>{"VexoB Editor Untitled 2", "VexoB Editor Untitled 3",
                                         "VexoB Editor Untitled 1", "Dialog"}));

    // On this display un-minimising a window is the same request to show it that bringing it to
    // front makes, so the stacking is what tells the command's work apart.
    invoke (CommandIds::bringAllToFront);
    EXPECT_EQ (stackingOf (windows),
               (std::vector<std::string>{"Dialog", "VexoB Editor Untitled 1", "VexoB Editor Untitled 2",
                                         "VexoB Editor Untitled 3"}));
}

// The test display has no window manager to iconify a window, so these look at the requests.
TEST_F (Commands, MinimizeWindowIconifiesTheActiveMainWindowOnly)
{
    IconifyRequestWatch watch;
    ASSERT_TRUE (watch.isWatching());
    start();
    invoke (CommandIds::newPreset);
    ASSERT_EQ (numWindows(), 2);

    // The shortcut's way: the command goes to the focused main window.
    ASSERT_TRUE (activate (1));
    EXPECT_TRUE (app->getCommandManager()->invokeDirectly (CommandIds::minimizeWindow, false));
    EXPECT_TRUE (watch.waitForRequestFrom (*window (1)));
    testing_support::pumpMessages (100);
    EXPECT_FALSE (watch.hasRequestFrom (*window (0)));

    // The application's way, through the window manager.
    watch.clear();
    ASSERT_TRUE (activate (0));
    app->perform (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::minimizeWindow));
    EXPECT_TRUE (watch.waitForRequestFrom (*window (0)));
    testing_support::pumpMessages (100);
    EXPECT_FALSE (watch.hasRequestFrom (*window (1)));
}

// A main window's shortcut pressed on a field of one of its tools (Sequence Edit, or else Auto
// Populate), with another main window opened after it. Quit stands for the application's commands.
struct ToolShortcuts : ApplicationTest, testing::WithParamInterface<std::tuple<bool, char>>
{
};

TEST_P (ToolShortcuts, ActOnTheMainWindowTheToolBelongsTo)
{
    const auto [sequencer, key] = GetParam();
    IconifyRequestWatch watch;
    start();
    invoke (CommandIds::newPreset);
    juce::Component::SafePointer<MainWindow> own (window (0));
    own->invoke ({sequencer ? CommandIds::sequenceEdit : CommandIds::autoPopulateTool}, false);
    juce::DocumentWindow* tool = sequencer ? static_cast<juce::DocumentWindow*> (own->getSequencerWindow())
                                           : own->getAutoPopulateWindow();
    auto* field = tool->createKeyboardFocusTraverser()->getDefaultComponent (tool->getContentComponent());
    ASSERT_TRUE (testing_support::pumpUntil (
        [field] { return field->grabKeyboardFocus(), field->hasKeyboardFocus (false); }));
    desktop->filesToSave = {folder.getChildFile ("Saved.vexob")};
    desktop->answers = {DesktopInteraction::SaveAnswer::no, DesktopInteraction::SaveAnswer::no};
    tool->getPeer()->handleKeyPress (juce::KeyPress (key, juce::ModifierKeys::commandModifier, 0));
    const std::map<char, std::function<bool()>> done{
        {'s', [&] { return own->getPath().endsWith ("Saved.vexob"); }},
        {'w', [&] { return own == nullptr && numWindows() == 1; }},
        {'m', [&] { return watch.hasRequestFrom (*own); }},
        {'q', [&] { return app->quitCount == 1; }}};
    EXPECT_TRUE (testing_support::pumpUntil (done.at (key)));
}
INSTANTIATE_TEST_SUITE_P (BothTools, ToolShortcuts,
                          testing::Combine (testing::Bool(), testing::Values ('s', 'w', 'm', 'q')));

TEST_F (Commands, TheUserGuideOpensWithTheSystemOrSaysWhereItWasLookedFor)
{
    start();
    const auto guide = folder.getChildFile ("Resources/VexoB Editor - User Guide - v1.0.pdf");

    invoke (CommandIds::openUserGuide);
    ASSERT_EQ (desktop->notices.size(), 1u);
    EXPECT_EQ (desktop->notices[0].title, "VexoB Editor");
    EXPECT_EQ (desktop->notices[0].text, "Unable to find user guide.\n" + guide.getFullPathName());
    EXPECT_TRUE (desktop->openedDocuments.empty());

    ASSERT_TRUE (guide.getParentDirectory().createDirectory());
    ASSERT_TRUE (guide.replaceWithText ("%PDF-1.4"));
    invoke (CommandIds::openUserGuide);
    ASSERT_EQ (desktop->openedDocuments.size(), 1u);
    EXPECT_EQ (desktop->openedDocuments[0], guide);
    EXPECT_EQ (desktop->notices.size(), 1u);
    EXPECT_TRUE (desktop->warnings.empty());

    desktop->refuseDocuments = true;
    invoke (CommandIds::openUserGuide);
    ASSERT_TRUE (testing_support::pumpUntil ([&] { return desktop->warnings.size() == 1u; }));
    EXPECT_TRUE (desktop->warnings[0].text.endsWith ("\nThe guide is at " + guide.getFullPathName()));
}

using Menus = ApplicationTest;

TEST_F (Menus, TheMenuBarHoldsFileToolsWindowAndHelpWithTheirItemsInOrder)
{
    start();
    auto& model = *app->getMenuModel();

    EXPECT_EQ (model.getMenuBarNames(), juce::StringArray ({"File", "Tools", "Window", "Help"}));

    std::vector<int> file{0x200010, 0x200020, 0,        0x200030, 0, 0x200040,
                          0x200050, 0,        0x200060, 0x200070, 0, 0x200080};
    std::vector<int> help{0x200400};
#if !JUCE_MAC
    file.insert (file.end(), {0, 0x200090});
    help.insert (help.end(), {0, 0x200410});
#endif
    EXPECT_EQ (itemsOf (model.getMenuForIndex (0, "File")), file);
    EXPECT_EQ (itemsOf (model.getMenuForIndex (1, "Tools")),
               (std::vector<int>{0x200200, 0x200210, 0x200220, 0x200230}));
    EXPECT_EQ (itemsOf (model.getMenuForIndex (2, "Window")), (std::vector<int>{0x200300, 0x200310}));
    EXPECT_EQ (itemsOf (model.getMenuForIndex (3, "Help")), help);
    EXPECT_TRUE (itemsOf (model.getMenuForIndex (4, "Edit")).empty());

    EXPECT_EQ (itemsOf (MainMenuModel::createExtraAppleMenu (*app->getCommandManager())),
               (std::vector<int>{0x200410}));
}

#if !JUCE_MAC
TEST_F (Menus, EveryMainWindowShowsTheMenuBarAboveTheEditor)
{
    start();
    auto* mainWindow = window (0);
    auto* menuBar = mainWindow->getMenuBarComponent();
    ASSERT_NE (menuBar, nullptr);
    EXPECT_GT (menuBar->getHeight(), 0);
    EXPECT_GE (mainWindow->getContentComponent()->getY(), menuBar->getBottom());
    EXPECT_EQ (mainWindow->getContentComponent()->getHeight(), 721);
}
#endif
