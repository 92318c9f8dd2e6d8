#pragma once

#include "app/MainMenuModel.h"
#include "app/MainWindow.h"
#include "app/QueuedXEventDispatcher.h"
#include "app/QuitWake.h"
#include "app/WindowManager.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/GetPresetWindow.h"
#include "dialogs/GlobalSettingsComponent.h"
#include "dialogs/GlobalSettingsWindow.h"
#include "dialogs/MidiSetupWindow.h"
#include "dialogs/SendMultiplePresetsWindow.h"
#include "engine/MidiManager.h"
#include "engine/VexoEditorEngine.h"
#include "services/ApplicationServices.h"
#include "services/DesktopInteraction.h"
#include "services/ToolWindowHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The application of the series: starts and stops the program, owns its long-lived parts, answers
// the commands that need no document and turns the engine's results into messages. The model's
// application supplies the engine, the presets and the editor. The windows below the application
// reach it through the services it offers them.
class VexoEditorApplication : public juce::JUCEApplication,
                              public VexoEditorEngine::Listener,
                              public ApplicationServices
{
public:
    ~VexoEditorApplication() override;

    // The running application, or null.
    static VexoEditorApplication* getApp();

    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;

    // Opens the file named by a command line: in the active main window when there are windows
    // (nothing happens when none of them is active), otherwise in a new one.
    void anotherInstanceStarted (const juce::String& commandLine) override;

    // Asks each main window in turn whether to save; Cancel stops the quit with the remaining
    // windows open.
    void systemRequestedQuit() override;

    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    // A main window on the factory preset.
    virtual void newPreset() = 0;
    void openMainWindow (EditorPreset::Ptr preset) override = 0;

    // A main window on the file; the load's outcome is reported when it arrives.
    virtual void openPresetFile (const juce::File& file) = 0;

    // Null until ensureEngine.
    VexoEditorEngine::Ptr getEngine() const override = 0;
    virtual void ensureEngine() = 0;

    // A new preset holding the factory preset that the program carries.
    EditorPreset::Ptr createDefaultPreset() override = 0;

    // The body of a main window's Auto Populate tool, filling the preset's controls; null for a
    // preset of another model.
    virtual std::unique_ptr<juce::Component> createAutoPopulateComponent (EditorPreset::Ptr preset) = 0;

    // The About box's picture, 501 x 275.
    juce::Image getLogoImage() const override = 0;

    // The body of the global settings editor, for the model's settings.
    virtual GlobalSettingsComponent::Ptr createGlobalSettingsComponent() = 0;

    // The step-sequencer editor for a main window's preset; null for a preset without a sequence.
    virtual std::unique_ptr<juce::Component> createSequencerComponent (EditorPreset::Ptr preset) = 0;

    virtual juce::String getMidiInputDeviceName() const = 0;
    virtual juce::String getMidiOutputDeviceName() const = 0;

    // Wraps the editor in a main window, titled "Untitled n" when it has no file, and shows it.
    MainWindow* createMainWindow (std::unique_ptr<juce::Component> editor, EditorPreset::Ptr preset,
                                  const juce::String& path);

    // Closes the window unless the user cancels the save question. Where the menu bar belongs to
    // the main windows (everywhere but macOS), closing the last one quits the program.
    void closeMainWindow (MainWindow* window);

    void browseForPresetFile();
    void openUserGuide();

    // A warning box titled with the application's name; returns at once.
    void showMessage (const juce::String& text) override;

    void showAboutWindow();
    void showMidiSetupWindow() override;
    void closeMidiSetupWindow();
    void showLoadFromHardwareWindow();
    void closeGetPresetWindow();
    void showSendMultiplePresetsWindow();
    void closeSendMultiplePresetsWindow();
    void showGlobalSettingsWindow();
    void closeGlobalSettingsWindow();
    void closeToolWindow (ToolWindowKind kind) override;

    // Null while the window is not open; the About box, once made, stays.
    MidiSetupWindow* getMidiSetupWindow() const { return midiSetupWindow.get(); }
    GlobalSettingsWindow* getGlobalSettingsWindow() const { return globalSettingsWindow.get(); }
    AboutWindow* getAboutWindow() const { return aboutWindow.get(); }

    void sendPresetResult (EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;

    MidiManager::Ptr getMidiManager() const override { return midiManager; }
    WindowManager* getWindowManager() const { return windowManager.get(); }
    juce::ApplicationCommandManager* getCommandManager() const override { return commandManager.get(); }
    MainMenuModel* getMenuModel() const { return menuModel.get(); }
    DesktopInteraction& getDesktop() const override { return *desktop; }

    // Null while the window is not open.
    GetPresetWindow* getGetPresetWindow() const { return getPresetWindow.get(); }
    SendMultiplePresetsWindow* getSendMultiplePresetsWindow() const
    {
        return sendMultiplePresetsWindow.get();
    }

    static const juce::String& getUserGuideFileName();

protected:
    // The desktop's boxes and choosers, and the MIDI ports the program talks through: the
    // platform's, or a simulated device's.
    VexoEditorApplication (std::unique_ptr<DesktopInteraction> desktopToUse,
                           std::shared_ptr<MidiPortSystem> portSystemToUse);

    // Where the user guide and the program's other documents live: the bundle's Resources folder
    // on macOS, a Resources folder beside the executable elsewhere.
    virtual juce::File getResourcesFolder() const;

    // Ends the event loop once every window has agreed to close.
    virtual void quitProgram();

private:
    // Sends and requests fail alike: no port open (0) or no answer in time (1).
    void reportDeviceResult (int result);

    juce::PopupMenu extraAppleMenu;
    std::unique_ptr<MainMenuModel> menuModel;
    std::unique_ptr<juce::ApplicationCommandManager> commandManager;
    WindowManager::Ptr windowManager;
    MidiManager::Ptr midiManager;
    std::unique_ptr<DesktopInteraction> desktop;
    std::shared_ptr<MidiPortSystem> portSystem;
    std::unique_ptr<QueuedXEventDispatcher> queuedXEvents;
    std::unique_ptr<QuitWake> quitWake;
    bool quitInProgress = false;

    // The tool windows, each made by its command. Load From Hardware, Send Multiple Presets, MIDI
    // Setup and Global Settings are let go when they close and made anew by the next command; the
    // About box is only hidden, and goes with the application. Declared so that they go in the
    // order Get Preset, Global Settings, MIDI Setup, Send Multiple, About.
    ToolWindowHolder<AboutWindow> aboutWindow;
    ToolWindowHolder<SendMultiplePresetsWindow> sendMultiplePresetsWindow;
    ToolWindowHolder<MidiSetupWindow> midiSetupWindow;
    ToolWindowHolder<GlobalSettingsWindow> globalSettingsWindow;
    ToolWindowHolder<GetPresetWindow> getPresetWindow;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorApplication)
};
