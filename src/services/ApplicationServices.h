#pragma once

#include "engine/MidiManager.h"
#include "engine/VexoEditorEngine.h"
#include "model/EditorPreset.h"
#include "services/DesktopInteraction.h"

#include <juce_graphics/juce_graphics.h>

namespace juce
{
class ApplicationCommandManager;
}

// What the windows, panels and tools of the program ask of the application: its engine and MIDI
// ports, a preset to start from, a new main window, a message for the user, and the closing of the
// application-wide tool windows. They live below the application and reach it only through this
// interface, so each of them can be built and tested against a stand-in.
//
// The most recently made implementation is the current one, until it goes; the application is
// one, a test's fake another.
class ApplicationServices
{
public:
    // The application-wide tool windows, which the application makes, keeps and releases.
    enum class ToolWindowKind
    {
        loadFromHardware,
        sendMultiplePresets,
        midiSetup,
        globalSettings,
        about
    };

    virtual ~ApplicationServices();

    // The current services, or null when neither the program nor a test has made any.
    static ApplicationServices* get() noexcept;

    // Null until the engine is made.
    virtual VexoEditorEngine::Ptr getEngine() const = 0;
    virtual MidiManager::Ptr getMidiManager() const = 0;

    // A new preset holding the factory preset that the program carries; null without an engine.
    virtual EditorPreset::Ptr createDefaultPreset() = 0;

    // A new main window, untitled, editing this very preset object.
    virtual void openMainWindow (EditorPreset::Ptr preset) = 0;

    // A warning box titled with the application's name; returns at once.
    virtual void showMessage (const juce::String& text) = 0;

    // Message boxes and file choosers, which tests answer themselves.
    virtual DesktopInteraction& getDesktop() const = 0;

    virtual void showMidiSetupWindow() = 0;

    // The program's commands and their shortcuts; null while there are none.
    virtual juce::ApplicationCommandManager* getCommandManager() const = 0;

    // Lets go of one of the application's tool windows. Safe from inside that window's own
    // callbacks: the window leaves the screen at once and is destroyed once they have returned.
    virtual void closeToolWindow (ToolWindowKind kind) = 0;

    // The About box's picture.
    virtual juce::Image getLogoImage() const = 0;

protected:
    ApplicationServices() noexcept;

private:
    ApplicationServices* previous = nullptr;

    JUCE_DECLARE_NON_COPYABLE (ApplicationServices)
};
