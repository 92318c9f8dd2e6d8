#pragma once

#include "app/DesktopInteraction.h"
#include "app/MainMenuModel.h"
#include "app/MainWindow.h"
#include "app/WindowManager.h"
#include "engine/MidiManager.h"
#include "engine/VexoEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The application of the series: starts and stops the program, owns its long-lived parts, answers
// the commands that need no document and turns the engine's results into messages. The model's
// application supplies the engine, the presets and the editor.
class VexoEditorApplication : public juce::JUCEApplication, public VexoEditorEngine::Listener
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
    virtual void openMainWindow (EditorPreset::Ptr preset) = 0;

    // A main window on the file; the load's outcome is reported when it arrives.
    virtual void openPresetFile (const juce::File& file) = 0;

    // Null until ensureEngine.
    virtual VexoEditorEngine::Ptr getEngine() const = 0;
    virtual void ensureEngine() = 0;

    // A new preset holding the factory preset that the program carries.
    virtual EditorPreset::Ptr createDefaultPreset() = 0;

    // The About box's picture, 501 x 275.
    virtual juce::Image getLogoImage() const = 0;

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
    void showMessage (const juce::String& text);

    void showAboutWindow();
    void showMidiSetupWindow();
    void closeMidiSetupWindow();
    void showLoadFromHardwareWindow();
    void closeGetPresetWindow();
    void showSendMultiplePresetsWindow();
    void closeSendMultiplePresetsWindow();
    void showGlobalSettingsWindow();
    void closeGlobalSettingsWindow();

    void sendPresetResult (EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;

    MidiManager::Ptr getMidiManager() const { return midiManager; }
    WindowManager* getWindowManager() const { return windowManager.get(); }
    juce::ApplicationCommandManager* getCommandManager() const { return commandManager.get(); }
    MainMenuModel* getMenuModel() const { return menuModel.get(); }
    DesktopInteraction& getDesktop() const { return *desktop; }

    static const juce::String& getUserGuideFileName();

protected:
    explicit VexoEditorApplication (std::unique_ptr<DesktopInteraction> desktopToUse);

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
    bool quitInProgress = false;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorApplication)
};
