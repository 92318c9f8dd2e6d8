#pragma once

// For GUI test suites only: the application's services without an application. Windows, panels
// and tools are built on it and talk, through the real engine and MIDI manager, to a simulated
// device that the test scripts.

#include "engine/MidiManager.h"
#include "engine/VexoBEditorEngine.h"
#include "services/ApplicationServices.h"
#include "simulation/SimulatedDevicePortSystem.h"
#include "support/FakeDesktopInteraction.h"

#include <functional>
#include <memory>
#include <vector>

class FakeApplicationServices final : public ApplicationServices
{
public:
    // The device's ports are opened, as the program opens them at start-up. The reply time-out gives
    // the device all the time a loaded machine may need; tests of a silent device shorten it.
    explicit FakeApplicationServices (int replyTimeoutMs = 10000)
        : ports (std::make_shared<SimulatedDevicePortSystem>())
        , midiManager (new MidiManager (ports))
        , engine (new VexoBEditorEngine (midiManager))
    {
        midiManager->openInput (SimulatedVexoBDevice::getDefaultPortName());
        midiManager->openOutput (SimulatedVexoBDevice::getDefaultPortName());
        engine->setReplyTimeout (replyTimeoutMs);
    }

    ~FakeApplicationServices() override
    {
        openedPresets.clear();
        engine = nullptr;
        midiManager = nullptr;
    }

    VexoEditorEngine::Ptr getEngine() const override { return engine.get(); }
    MidiManager::Ptr getMidiManager() const override { return midiManager; }

    EditorPreset::Ptr createDefaultPreset() override
    {
        return engine != nullptr ? engine->createFactoryPreset() : nullptr;
    }

    void openMainWindow (EditorPreset::Ptr preset) override { openedPresets.push_back (preset); }
    void showMessage (const juce::String& text) override { messages.add (text); }
    DesktopInteraction& getDesktop() const override { return desktop; }
    void showMidiSetupWindow() override { ++midiSetupShown; }
    juce::ApplicationCommandManager* getCommandManager() const override { return nullptr; }
    void closeToolWindow (ToolWindowKind kind) override
    {
        closedToolWindows.push_back (kind);
        if (onCloseToolWindow)
            onCloseToolWindow (kind);
    }
    juce::Image getLogoImage() const override { return logo; }

    SimulatedVexoBDevice& device() const { return ports->getDevice(); }
    VexoBEditorEngine& getVexoBEngine() const { return *engine; }

    std::shared_ptr<SimulatedDevicePortSystem> ports;
    MidiManager::Ptr midiManager;
    VexoBEditorEngine::Ptr engine;

    mutable FakeDesktopInteraction desktop;
    juce::Image logo{juce::Image::ARGB, 501, 275, true};

    std::vector<EditorPreset::Ptr> openedPresets;
    juce::StringArray messages;
    std::vector<ToolWindowKind> closedToolWindows;
    // What the application would do besides: release the window, say.
    std::function<void (ToolWindowKind)> onCloseToolWindow;
    int midiSetupShown = 0;
};
