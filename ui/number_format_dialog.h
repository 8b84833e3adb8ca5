// The modal Number Format dialog (template 3000): display mode, decimal
// places, digit grouping and angle unit, shown live in the main window.
//
// The dialog writes iDecimals and bDigitGrouping of the record itself and
// has the main window set the mode and the angle unit through the commands
// 1210 + mode and 1220 + unit (each radio button's id minus 1800); every
// change also sends 1210 + iNumberMode so the main window shows its answers
// again. It draws nothing in the main window itself.
#pragma once

#include <windows.h>

#include "task_record.h"

// Runs the dialog beside `mainWindow` (`windowGap` pixels away at 96 DPI, on
// its left when less than the main window's width remains on the right of the
// screen; sizes and gap scaled to `dpi`, the main window's) until OK,
// Cancel, Escape or the close box. `task` is CurrentTask. Returns 1 for OK,
// the values in force kept; 0 otherwise, with the mode, angle unit, decimal
// places and digit grouping of the opening put back.
INT_PTR RunNumberFormatDialog(HINSTANCE instance, HWND mainWindow, TaskRecord& task, int windowGap, int dpi);
