#pragma once
// How the program stands on the desktop: the window system it runs on, the name by which the
// desktop links its windows to its desktop entry, and the icon every window carries.

#include <string>

namespace Desktop {

// The platform to ask the toolkit for, given the user's choice (QT_QPA_PLATFORM), the X11
// display (DISPLAY) and the Wayland display (WAYLAND_DISPLAY), each null when unset; empty to
// leave the choice to the toolkit. The screens place their windows themselves, which X11 allows
// and Wayland does not, so X11 is taken wherever the session offers it (XWayland included),
// unless the user chose.
std::string PlatformFor(const char* chosen, const char* x11Display, const char* waylandDisplay);

// Applies PlatformFor to the environment. Runs before the toolkit starts.
void ChoosePlatform();

// The name of the program's desktop entry without ".desktop": also its Wayland app id and the
// class of its X11 windows, so that docks show the entry's name and icon for its windows.
const char* DesktopId();

// Gives the running toolkit the desktop name and the window icon. Runs before the first window.
void Present();

// The window system the toolkit runs on ("xcb", "wayland", "offscreen", ...).
std::string WindowSystem();

} // namespace Desktop
