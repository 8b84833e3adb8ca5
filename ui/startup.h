// The program's start-up, its message loop and the history banner.
#pragma once

#include <windows.h>

// Start-up up to the message loop: registers "myWindowClass", creates the
// centred main window with all its controls, the hidden Task History dialog,
// writes the banner, reads the settings, places the toolbar, shows and paints
// the window and loads the accelerators. On a failure it shows the failure's
// message box and returns false; the program then ends with exit code 0.
bool StartZentrabel(HINSTANCE instance, int showCommand);

// Gives one message the road of the message loop: the Task History dialog's
// messages to the dialog manager, then the main window's accelerators, then
// translation and dispatch.
void RouteMessage(MSG& message);

// Runs the message loop until the quit message; returns its value.
int RunMessageLoop();

// The whole program: start-up, then the message loop.
int RunZentrabel(HINSTANCE instance, int showCommand);

// Seeds the engine's random generator with the time and replaces the whole
// history text by a banner with the current local date and time, leaving the
// caret at its end.
void WriteBanner();

// The platform's major version number (GetVersionExA; 0 when the query fails).
double PlatformMajorVersion();
