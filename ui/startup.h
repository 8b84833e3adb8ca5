// The program's start-up and its message loop.
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

// The platform's major version number (GetVersionExA; 0 when the query fails).
double PlatformMajorVersion();
