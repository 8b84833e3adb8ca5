// The main window's face: every child control with its id, class, text,
// place, size, font and colour, built from constant tables when the window is
// created; the colour answers to the controls' colour requests; the toolbar's
// tooltip texts.
#pragma once

#include <windows.h>

struct AppState;

// The main window's style: caption, system menu and minimise box, no sizing
// border; a static edge.
inline constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD kMainWindowExStyle = WS_EX_STATICEDGE;

// Builds all child controls of the main window `window` in their creation
// order, with the brush, fonts, toolbar, tooltips and keypad, keeps them in
// `app` and gives the input line the focus. Sets CurrentTask's creation
// defaults and the DPI. Failures to make a control or font are ignored; a
// toolbar that cannot be made is reported in the message box "Could not
// create toolbar.".
void CreateMainControls(AppState& app, HWND window);

// Lays the face out again for a new DPI: every control's place and size, the
// fonts (the answer lines fitted again to what they show), the toolbar's
// images and place. The window's own size is the caller's.
void LayOutMainControls(AppState& app, HWND window, int dpi);

// Moves the toolbar to its place under the display.
void MoveToolbarUnderDisplay(const AppState& app);

// Size of the whole main window at `dpi` in the full or display-only view:
// at 96 DPI the designed size of layout_rules.h plus a caption; at any DPI a
// client area that is the one at 96 DPI scaled.
SIZE MainWindowSize(int dpi, bool displayOnly);

// Shows `window` (the Task History or the Number Format dialog) beside the
// main window, at its top edge and with the full main window's size: on its
// right `gap` pixels away, or on its left when less than that width remains
// on the right of the screen. The sizes and `gap` are scaled to `dpi`, the
// DPI the main window is laid out for.
void ShowBesideMainWindow(HWND window, HWND mainWindow, int gap, int dpi);

// Release what CreateMainControls made: the brush when the main window is
// destroyed, the fonts and toolbar images once its children are gone.
void DestroyBackgroundBrush(AppState& app);
void DestroyControlFonts(AppState& app);

// Answer to WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT: transparent text
// background, the indicator and task-line text colours, the light grey brush.
HBRUSH ColorControl(const AppState& app, HDC dc, HWND control);

// Tooltip text of the toolbar button with this command, or nullptr (the Print
// button has none).
const char* ToolbarTooltip(int command);

// Sets the tooltip text of a line of the display (1110, 1111) or of the MEM
// indicator.
void SetLineTooltip(const AppState& app, HWND line, const char* text);

// Has the indicators of `mainWindow` from `firstId` to `lastId` drawn again,
// so their colours follow CurrentTask.
void RepaintIndicators(HWND mainWindow, int firstId, int lastId);
void RepaintIndicatorRow(HWND mainWindow);
