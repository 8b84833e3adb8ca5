// "Print..." (2005): the history text on a printer chosen in the print
// dialog, in the printer's default device font, with one-inch margins, long
// lines wrapped and a page range honoured. What goes on which page is decided
// by io/print_layout.h; this part measures the printer and draws.
#pragma once

#include <windows.h>

// Prints the text of `history`. A history shorter than 64 characters gives the
// warning box "No data available to print!" (caption "Print History", no
// owner) and no print dialog. Otherwise the print dialog, owned by `owner`,
// asks for the printer and the range (from 1 to 1 of 1-65535, one copy,
// copies left to the device); without a chosen range pages 1 to 999 are
// printed as the document "Tavrin - Task History". Returns 1 when the user
// cancelled the print dialog, 0 otherwise. The results of the printing calls
// are not reported.
int PrintHistory(HWND owner, HWND history);
