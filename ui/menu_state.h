// The check marks and enabled states of the menus, set when a menu of the
// menu bar is about to open: Edit's enabled items, Format's and View's check
// marks. File, Insert, Help and the submenus are left as they are.
#pragma once

#include <windows.h>

struct AppState;

// Answer to WM_INITMENUPOPUP for `popup` from the state `app`; `systemMenu`
// is its high word of lParam. Reports 0.
LRESULT OnInitMenuPopup(const AppState& app, HMENU popup, bool systemMenu);
