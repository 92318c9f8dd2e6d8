#include "app/VexoBEditorApplication.h"

START_JUCE_APPLICATION (VexoBEditorApplication)
