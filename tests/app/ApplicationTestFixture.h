#pragma once

#include "app/CommandIds.h"
#include "app/VexoBEditorApplication.h"
#include "engine/FactoryPreset.h"
#include "model/VexoEditorPreset.h"
#include "simulation/SimulatedDevicePortSystem.h"
#include "support/FakeDesktopInteraction.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

// The real application with the desktop replaced, a simulated device in place of the MIDI ports,
// its resource folder in a scratch folder and its quit recorded instead of ending the test's
// message loop.
class TestApplication final : public VexoBEditorApplication
{
public:
    TestApplication (std::unique_ptr<DesktopInteraction> desktopToUse, std::shared_ptr<MidiPortSystem> ports,
                     juce::File resources)
        : VexoBEditorApplication (std::move (desktopToUse), std::move (ports))
        , resourcesFolder (std::move (resources))
    {
    }

    int quitCount = 0;

protected:
    juce::File getResourcesFolder() const override { return resourcesFolder; }
    void quitProgram() override { ++quitCount; }

private:
    juce::File resourcesFolder;
};

class ApplicationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getChildFile ("vexob-app-tests-" + juce::Uuid().toString());
        ASSERT_TRUE (folder.createDirectory());

        auto fake = std::make_unique<FakeDesktopInteraction>();
        desktop = fake.get();
        // The simulated device, so that no test depends on the machine's MIDI ports.
        ports = std::make_shared<SimulatedDevicePortSystem>();
        app = std::make_unique<TestApplication> (std::move (fake), ports, folder.getChildFile ("Resources"));
    }

    void TearDown() override
    {
        if (started)
            app->shutdown();
        app.reset();
        testing_support::pumpMessages (10);
        folder.deleteRecursively();
    }

    void start (const juce::String& commandLine = {})
    {
        app->initialise (commandLine);
        started = true;
    }

    int numWindows() const { return app->getWindowManager()->getNumWindows(); }
    MainWindow* window (int index) const { return app->getWindowManager()->getWindows()[index].get(); }

    void invoke (juce::CommandID command) { app->getCommandManager()->invokeDirectly (command, false); }

    // Brings a main window to the front until the window manager sees it active. Asked again while
    // waiting: a window that has just been opened may take the focus after the first request.
    bool activate (int index)
    {
        return testing_support::pumpUntil (
            [this, index]
            {
                if (app->getWindowManager()->getActiveWindow() == window (index))
                    return true;
                window (index)->toFront (true);
                return false;
            });
    }

    // Lets queued engine results reach the application.
    static void settle() { testing_support::pumpMessages (40); }

    bool waitForWarnings (size_t count)
    {
        return testing_support::pumpUntil ([this, count] { return desktop->warnings.size() >= count; }, 3000);
    }

    static juce::String nameOf (const EditorPreset::Ptr& preset)
    {
        auto* named = dynamic_cast<VexoEditorPreset*> (preset.get());
        return named != nullptr ? named->getName() : juce::String();
    }

    // Renames a window's preset, as an edit would; false when the name is refused.
    static bool rename (MainWindow* window, const juce::String& name)
    {
        auto* named = dynamic_cast<VexoEditorPreset*> (window->getPreset().get());
        return named != nullptr && named->setName (name);
    }

    // The preset name inside a preset file, empty unless the file is a whole dump.
    static juce::String presetNameInFile (const juce::File& file)
    {
        const auto data = contentOf (file);
        if (data.getSize() != 3483)
            return {};
        return juce::String::fromUTF8 (static_cast<const char*> (data.getData()) + 8, 8);
    }

    // A valid preset file: the factory dump with another name.
    juce::File writePresetFile (const juce::String& fileName, const juce::String& presetName) const
    {
        auto bytes = FactoryPreset::getDump();
        for (int i = 0; i < 8; ++i)
            bytes.set (8 + i, (juce::uint8) (i < presetName.length() ? presetName[i] : ' '));
        return writeFile (fileName, bytes);
    }

    juce::File writeFile (const juce::String& fileName, const juce::Array<juce::uint8>& bytes) const
    {
        const auto file = folder.getChildFile (fileName);
        file.getParentDirectory().createDirectory();
        file.replaceWithData (bytes.getRawDataPointer(), (size_t)bytes.size());
        return file;
    }

    static juce::MemoryBlock contentOf (const juce::File& file)
    {
        juce::MemoryBlock block;
        file.loadFileAsData (block);
        return block;
    }

    SimulatedVexoBDevice& device() const { return ports->getDevice(); }

    juce::File folder;
    std::shared_ptr<SimulatedDevicePortSystem> ports;
    FakeDesktopInteraction* desktop = nullptr;
    std::unique_ptr<TestApplication> app;
    bool started = false;
};
