#pragma once

#include "dialogs/MidiSetupComponent.h"
#include "engine/MidiManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The MIDI Setup dialog: "Apply" closes every open port and opens the ports selected in the lists,
// "OK" does the same and closes the dialog, "Cancel" closes it and changes nothing. The choice
// lives in the MIDI manager for the rest of the run. The application keeps the window while it is
// open and lets it go when it closes; the next opening makes a new one with fresh lists.
class MidiSetupWindow : public juce::DocumentWindow,
                        public juce::Button::Listener,
                        public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiSetupWindow>;

    // The panel is shown, not owned: the window holds it by its counted reference.
    MidiSetupWindow (MidiSetupComponent::Ptr panel, MidiManager::Ptr manager);
    ~MidiSetupWindow() override;

    // The dialog on the manager's ports, as the application opens it: the three buttons, the panel
    // with its lists filled, and the window listening to the buttons. Centred at its size.
    static Ptr create (MidiManager::Ptr manager);

    // Asks the application to close the dialog; the window goes once this call has returned.
    void closeButtonPressed() override;

    void buttonClicked (juce::Button* button) override;

    MidiSetupComponent& getPanel() const noexcept { return *panel; }

private:
    void applySelectedPorts();

    MidiSetupComponent::Ptr panel;
    MidiManager::Ptr manager;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiSetupWindow)
};
