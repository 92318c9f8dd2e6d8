#pragma once

#include "model/VexoGlobalSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The content of a global settings editor, whatever the model: it shows the device's settings and
// gives the settings as the user set them. Its window turns its buttons into engine operations.
class GlobalSettingsComponent : public virtual juce::Component, public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GlobalSettingsComponent>;

    ~GlobalSettingsComponent() override;

    // A new settings object holding what the editor shows, to be sent.
    virtual VexoGlobalSettings::Ptr getGlobalSettings() = 0;

    // On every button of the editor.
    virtual void addButtonListener (juce::Button::Listener* listener) = 0;
    virtual void removeButtonListener (juce::Button::Listener* listener) = 0;
};
