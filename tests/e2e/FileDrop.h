#pragma once

#include <juce_graphics/juce_graphics.h>

namespace screen
{
// Drops files and folders on a point of the window with that title (from the top-left corner of its
// inside), as a file manager would: through the X drag-and-drop protocol, with this test program as
// the drag's source, serving the list of paths when the window asks for it. True once the window
// has said it took the drop.
bool dropFiles (const juce::String& title, juce::Point<int> position, const juce::StringArray& paths);
} // namespace screen
