#pragma once

#include "dialogs/GlobalSettingsComponent.h"
#include "engine/VexoEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The global settings editor's window: "Send" sends the settings the editor shows and keeps what
// the device had reported before, "Revert" sends that back, "Get" asks the device for its settings.
// The application keeps it while it is open and lets it go, with what it kept, when it closes.
//
// Until the device has reported its settings the editor shows initial values that nobody chose, so
// "Send" first says so and sends only when pressed again, and "Revert" has nothing to send back.
class GlobalSettingsWindow : public juce::DocumentWindow,
                             public juce::ReferenceCountedObject,
                             public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GlobalSettingsWindow>;

    // What the user is told when "Send" or "Revert" has nothing the device reported to go by.
    static const juce::String notReportedBeforeSend;
    static const juce::String nothingToRevertTo;

    // The content is shown, not owned: the window holds it by its counted reference. Centred at its
    // size.
    GlobalSettingsWindow (GlobalSettingsComponent::Ptr content, VexoEditorEngine::Ptr engine);
    ~GlobalSettingsWindow() override;

    // Asks the application to close the window; it goes once this call has returned.
    void closeButtonPressed() override;

    void buttonClicked (juce::Button* button) override;

    // Asks the device for its settings; the editor shows them when they arrive.
    void requestGlobalSettings();
    void sendGlobalSettings();
    void revertGlobalSettings();

    GlobalSettingsComponent& getContent() const noexcept { return *content; }

    // What "Revert" sends: the settings the device reported just before the last "Send". Null
    // until then.
    VexoGlobalSettings* getSavedSettings() const noexcept { return savedSettings.get(); }

private:
    // A copy of the engine's settings as the device last reported them.
    VexoGlobalSettings::Ptr copyReportedSettings() const;
    void tellUser (const juce::String& text) const;
    // An open output, and an open input too when a reply is what the user waits for.
    bool canReachDevice (bool needsReply) const;

    GlobalSettingsComponent::Ptr content;
    VexoGlobalSettings::Ptr savedSettings;
    VexoEditorEngine::Ptr engine;

    // The user was told that the device has not reported its settings, so the next "Send" goes.
    bool sendWithoutReportAllowed = false;
    // A "Send" went out before the device had reported anything: what it replaced is unknown.
    bool sentWithoutReport = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlobalSettingsWindow)
};
