#pragma once
// This library must work without a display: JUCE's GUI modules are not available to it.
#error "juce_gui_basics is a GUI module; this library links only JUCE's modules without a display"
