#pragma once

// The framework looks the window manager's protocol names up on the X server only if they exist
// there already, and on a display where no window manager has run yet they do not. Its windows
// then carry no WM_PROTOCOLS, no window type and no title-bar hints, and a window manager that
// starts later (a session's autostart, one restarted or replaced) closes such a window by killing
// the whole program, without a word about unsaved work. So the program makes those names on the
// server itself, before the framework connects. Elsewhere this does nothing.
namespace WindowManagerAtoms
{
// Once, before the program's first window, after the framework is initialised and before it has
// connected to the display; it connects it.
void createBeforeTheFrameworkConnects();
} // namespace WindowManagerAtoms
