// The keypad (commands 1000-1035, with F6 and F7 for "MS" and "MR"), the
// clicks on the display's task and answer lines (1110, 1111, 1120, 1121) and
// on the MEM indicator (1200). Every key action ends by repainting the key's
// cell and giving the focus back to the input line.
#pragma once

#include "command.h"

// Any keypad key: inserts its name, toggles inverse mode, encloses, builds a
// reciprocal, clears, or works the memory.
LRESULT DoKey(const Command&);

// A plain click on a task or answer line inserts the line's text into the
// input line; other notifications are ignored.
LRESULT DoDisplayLineClick(const Command&);

// Any notification from the MEM indicator: recalls a memory that is not
// empty, stores the answer otherwise (by clicking "MR" or "MS").
LRESULT DoMemoryIndicator(const Command&);

// Has the MEM indicator drawn again and gives it the memory text as tooltip.
void ShowMemory(const AppState& app);
