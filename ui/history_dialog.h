// The Task History dialog: the modeless window whose edit control (4005)
// holds the history text. Its Save, Print and Copy buttons send the main
// window the commands 2003, 2005 and 2106; Hide and the close box hide it and
// clear the visible flag. It is created once and never destroyed by the user.
#pragma once

#include <windows.h>

struct HistoryDialogData {
    HWND owner;        // the main window, which receives the forwarded commands
    int* visibleFlag;  // bHistoryVisible, cleared when the dialog hides itself
};

// Creates the dialog hidden from template 4000, owned by `owner`. `data` must
// outlive the dialog. Returns nullptr when the dialog cannot be created.
HWND CreateHistoryDialog(HINSTANCE instance, HWND owner, HistoryDialogData* data);

// Seeds the engine's random generator with the time and replaces the whole
// history text of the edit control `history` by a banner with the current
// local date and time, leaving the caret at its end; the control's text limit
// is lifted.
void WriteBanner(HWND history);
