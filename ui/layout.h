// The main window's face: every child control with its id, class, text,
// place, size, font and colour, built from constant tables when the window is
// created; the colour answers to the controls' colour requests; the toolbar's
// tooltip texts.
#pragma once

#include <windows.h>

// Builds all child controls of `window` in their creation order, with the
// brush, fonts, toolbar, tooltips and keypad, and gives the input line the
// focus. Sets CurrentTask's creation defaults and iWindowGap. Failures to make
// a control or font are ignored; a toolbar that cannot be made is reported in
// the message box "Could not create toolbar.".
void CreateMainControls(HWND window);

// Release what CreateMainControls made: the brush when the main window is
// destroyed, the fonts and toolbar images once its children are gone.
void DestroyBackgroundBrush();
void DestroyControlFonts();

// Answer to WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT: transparent text
// background, the indicator and task-line text colours, the light grey brush.
HBRUSH ColorControl(HDC dc, HWND control);

// Tooltip text of the toolbar button with this command, or nullptr (the Print
// button has none).
const char* ToolbarTooltip(int command);

// Sets the tooltip text of a task line (1110 or 1111).
void SetLineTooltip(HWND line, const char* text);

// Has the indicators from `firstId` to `lastId` drawn again, so their colours
// follow CurrentTask.
void RepaintIndicators(int firstId, int lastId);
void RepaintIndicatorRow();

// Height of a window caption, read each time it is needed.
int CaptionHeight();
