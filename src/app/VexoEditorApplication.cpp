#include "app/VexoEditorApplication.h"

#include "app/CommandIds.h"
#include "services/WindowStacking.h"
#include "text/UiText.h"

VexoEditorApplication::VexoEditorApplication (std::unique_ptr<DesktopInteraction> desktopToUse,
                                              std::shared_ptr<MidiPortSystem> portSystemToUse)
    : desktop (std::move (desktopToUse))
    , portSystem (std::move (portSystemToUse))
{
    jassert (desktop != nullptr && portSystem != nullptr);
}

VexoEditorApplication::~VexoEditorApplication() = default;

VexoEditorApplication* VexoEditorApplication::getApp()
{
    return dynamic_cast<VexoEditorApplication*> (juce::JUCEApplicationBase::getInstance());
}

const juce::String& VexoEditorApplication::getUserGuideFileName()
{
    static const juce::String name ("VexoB Editor - User Guide - v1.0.pdf");
    return name;
}

void VexoEditorApplication::initialise (const juce::String& commandLine)
{
    queuedXEvents = std::make_unique<QueuedXEventDispatcher>();
    quitWake = std::make_unique<QuitWake>();
    midiManager = new MidiManager (portSystem);
    windowManager = new WindowManager();

    commandManager = std::make_unique<juce::ApplicationCommandManager>();
    commandManager->registerAllCommandsForTarget (this);

    juce::LookAndFeel::getDefaultLookAndFeel().setUsingNativeAlertWindows (true);

    menuModel = std::make_unique<MainMenuModel> (*commandManager);
#if JUCE_MAC
    extraAppleMenu = MainMenuModel::createExtraAppleMenu (*commandManager);
    juce::MenuBarModel::setMacMainMenu (menuModel.get(), &extraAppleMenu);
#endif

    // A device that is not plugged in is simply not opened; the port watch does not retry it.
    midiManager->openInput (getMidiInputDeviceName());
    midiManager->openOutput (getMidiOutputDeviceName());

    const auto argument = commandLine.trim();
    if (argument.isNotEmpty() && !argument.startsWithChar ('-'))
    {
        anotherInstanceStarted (argument);
    }
    else
    {
        ensureEngine();
        newPreset();
    }

    // The framework would draw the window at the display's next frame, up to a sixtieth of a second
    // later, with nothing else left to do before it.
    for (auto* window : windowManager->getWindows())
        if (auto* peer = window->getPeer())
            peer->performAnyPendingRepaintsNow();
}

void VexoEditorApplication::shutdown()
{
#if JUCE_MAC
    juce::MenuBarModel::setMacMainMenu (nullptr);
#endif
    // At once: the message loop has stopped, and nothing of theirs is running.
    sendMultiplePresetsWindow.releaseNow();
    globalSettingsWindow.releaseNow();
    getPresetWindow.releaseNow();

    windowManager = nullptr;

    // The menu model stops watching the command manager as it goes, so it must go first.
    menuModel = nullptr;
    commandManager = nullptr;

    queuedXEvents = nullptr;
    quitWake = nullptr;

    // A drag's picture fades out on its own window after a drop; ended by the framework only once
    // the display is closed, it would free its window on a display that is gone.
    juce::Desktop::getInstance().getAnimator().cancelAllAnimations (false);
}

void VexoEditorApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    const auto argument = commandLine.trim().unquoted();
    if (argument.isEmpty() || windowManager == nullptr)
        return;

    // Relative to where the program was started, as a shell user expects.
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (argument);

    if (windowManager->getNumWindows() > 0)
    {
        if (auto* window = windowManager->getActiveWindow())
            window->openFile (file);
        return;
    }

    openPresetFile (file);
}

void VexoEditorApplication::systemRequestedQuit()
{
    // A second request while the questions are up would ask about the same windows again.
    if (quitInProgress || windowManager == nullptr)
        return;

    const juce::ScopedValueSetter<bool> asking (quitInProgress, true);

    auto remaining = windowManager->getWindows();
    while (!remaining.isEmpty())
    {
        MainWindow::Ptr window (remaining.getFirst());
        window->toFront (true);
        if (!window->confirmSave())
            return;

        windowManager->removeWindow (window.get());
        remaining.remove (0);
    }

    quitProgram();
}

void VexoEditorApplication::quitProgram()
{
    quit();
    if (quitWake != nullptr)
        quitWake->wake();
}

void VexoEditorApplication::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray ({CommandIds::newPreset, CommandIds::openPreset, CommandIds::about,
                        CommandIds::bringAllToFront, CommandIds::openUserGuide, CommandIds::loadFromHardware,
                        CommandIds::sendMultiplePresets, CommandIds::midiSetup,
                        CommandIds::globalSettingsEditor, CommandIds::quit});
}

void VexoEditorApplication::getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result)
{
    CommandIds::describeCommand (commandId, result);

    if (commandId == CommandIds::bringAllToFront)
        result.setActive (windowManager != nullptr && windowManager->getNumWindows() > 0);
}

bool VexoEditorApplication::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case CommandIds::newPreset:
            newPreset();
            break;
        case CommandIds::openPreset:
            browseForPresetFile();
            break;
        case CommandIds::about:
            showAboutWindow();
            break;
        case CommandIds::bringAllToFront:
            if (windowManager != nullptr)
                windowManager->bringAllToFront();
            break;
        case CommandIds::minimizeWindow:
            // Not in the list above, so only reached when invoked directly.
            if (windowManager != nullptr)
                windowManager->minimiseActiveWindow();
            break;
        case CommandIds::openUserGuide:
            openUserGuide();
            break;
        case CommandIds::loadFromHardware:
            showLoadFromHardwareWindow();
            break;
        case CommandIds::sendMultiplePresets:
            showSendMultiplePresetsWindow();
            break;
        case CommandIds::midiSetup:
            showMidiSetupWindow();
            break;
        case CommandIds::globalSettingsEditor:
            showGlobalSettingsWindow();
            break;
        case CommandIds::quit:
            systemRequestedQuit();
            break;
        default:
            break;
    }
    return true;
}

MainWindow* VexoEditorApplication::createMainWindow (std::unique_ptr<juce::Component> editor,
                                                     EditorPreset::Ptr preset, const juce::String& path)
{
    if (windowManager == nullptr || commandManager == nullptr)
        return nullptr;

    const auto title =
        path.isEmpty() ? "Untitled " + juce::String (windowManager->getNumWindowsCreated() + 1) : path;

#if JUCE_MAC
    juce::MenuBarModel* windowMenuBar = nullptr;
#else
    juce::MenuBarModel* windowMenuBar = menuModel.get();
#endif

    MainWindow::Ptr window (new MainWindow (std::move (editor), preset, getEngine(), title, windowMenuBar));
    commandManager->registerAllCommandsForTarget (window.get());
    window->addKeyListener (commandManager->getKeyMappings());
    windowManager->addWindow (window.get());
    return window.get();
}

void VexoEditorApplication::closeMainWindow (MainWindow* window)
{
    // A quit asks about every window in turn, this one included; closing one in between would
    // ask about it twice.
    if (window == nullptr || windowManager == nullptr || quitInProgress)
        return;

    const MainWindow::Ptr keepAlive (window);
    if (!window->confirmSave())
        return;

    windowManager->removeWindow (window);

#if !JUCE_MAC
    // Outside macOS the menus live in the main windows, so without one the program could be
    // neither reached nor quit.
    if (windowManager->getNumWindows() == 0)
        systemRequestedQuit();
#endif
}

void VexoEditorApplication::browseForPresetFile()
{
    const auto file = desktop->chooseFileToOpen ("Select Filename to open", "*.vexob");
    if (file != juce::File())
        openPresetFile (file);
}

juce::File VexoEditorApplication::getResourcesFolder() const
{
#if JUCE_MAC
    return juce::File::getSpecialLocation (juce::File::currentApplicationFile)
        .getChildFile ("Contents/Resources");
#else
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile)
        .getParentDirectory()
        .getChildFile ("Resources");
#endif
}

void VexoEditorApplication::openUserGuide()
{
    const auto guide = getResourcesFolder().getChildFile (getUserGuideFileName());
    if (guide.existsAsFile())
        desktop->openWithSystem (guide,
                                 [this, path = guide.getFullPathName()]
                                 {
                                     desktop->showWarningAsync (
                                         getApplicationName(),
                                         "Unable to open user guide: no program to show "
                                         "it was found.\nThe guide is at " +
                                             path);
                                 });
    else
        desktop->showNotice (getApplicationName(), "Unable to find user guide.\n" + guide.getFullPathName());
}

void VexoEditorApplication::showMessage (const juce::String& text)
{
    desktop->showWarningAsync (getApplicationName(), text);
}

void VexoEditorApplication::showAboutWindow()
{
    auto& window =
        aboutWindow.getOrMake ([this] { return new AboutWindow (getLogoImage(), getApplicationName()); });

    // Shown again where it was.
    if (!window.isOnDesktop())
        window.addToDesktop();
    WindowStacking::keepAbove (window, nullptr);
    window.setVisible (true);
    window.toFront (true);
}

void VexoEditorApplication::showMidiSetupWindow()
{
    midiSetupWindow.getOrMake ([this] { return MidiSetupWindow::create (midiManager); });
    midiSetupWindow.show();
}

void VexoEditorApplication::closeMidiSetupWindow()
{
    midiSetupWindow.release();
}

void VexoEditorApplication::showGlobalSettingsWindow()
{
    ensureEngine();
    auto& window = globalSettingsWindow.getOrMake (
        [this] { return new GlobalSettingsWindow (createGlobalSettingsComponent(), getEngine()); });
    window.requestGlobalSettings();
    globalSettingsWindow.show();
}

void VexoEditorApplication::closeGlobalSettingsWindow()
{
    globalSettingsWindow.release();
}

void VexoEditorApplication::showLoadFromHardwareWindow()
{
    ensureEngine();
    auto& window = getPresetWindow.getOrMake ([this] { return new GetPresetWindow (getEngine()); });
    getPresetWindow.show();
    window.requestAllPresets();
}

void VexoEditorApplication::closeGetPresetWindow()
{
    getPresetWindow.release();
}

void VexoEditorApplication::showSendMultiplePresetsWindow()
{
    ensureEngine();
    auto& window = sendMultiplePresetsWindow.getOrMake ([] { return new SendMultiplePresetsWindow(); });
    window.clearAllSlots();

    // Shown where the user left it.
    if (!window.isOnDesktop())
        window.addToDesktop();
    WindowStacking::keepAbove (window, nullptr);
    window.setVisible (true);
    window.toFront (true);
}

void VexoEditorApplication::closeSendMultiplePresetsWindow()
{
    sendMultiplePresetsWindow.release();
}

void VexoEditorApplication::closeToolWindow (ToolWindowKind kind)
{
    switch (kind)
    {
        case ToolWindowKind::loadFromHardware:
            closeGetPresetWindow();
            break;
        case ToolWindowKind::sendMultiplePresets:
            closeSendMultiplePresetsWindow();
            break;
        case ToolWindowKind::midiSetup:
            closeMidiSetupWindow();
            break;
        case ToolWindowKind::globalSettings:
            closeGlobalSettingsWindow();
            break;
        case ToolWindowKind::about:
            // The About box is only ever hidden; it lives as long as the program.
            break;
    }
}

void VexoEditorApplication::sendPresetResult (EditorPreset::Ptr, int result)
{
    reportDeviceResult (result);
}

void VexoEditorApplication::requestPresetResult (int result)
{
    reportDeviceResult (result);
}

void VexoEditorApplication::reportDeviceResult (int result)
{
    switch (result)
    {
        case VexoEditorEngine::resultNoPort:
            showMidiSetupWindow();
            showMessage (UiText::midiDeviceNotFound);
            break;
        case VexoEditorEngine::resultNoReply:
            showMessage (UiText::noPresetAcknowledgement);
            break;
        default:
            break;
    }
}

void VexoEditorApplication::openPresetFileResult (int result)
{
    if (result == VexoEditorEngine::fileInvalid || result == VexoEditorEngine::fileMissing)
        showMessage (UiText::errorOpeningFile);
}

void VexoEditorApplication::savePresetFileResult (int result)
{
    if (result == VexoEditorEngine::saveFailed)
        showMessage (UiText::errorSavingFile);
}
