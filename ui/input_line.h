// The input line (control 1310) as the commands and keys edit it, and the
// hidden copy buffer (1320) that puts a text on the clipboard. Each function
// is handed the control it works on.
#pragma once

#include <windows.h>

#include <string>

#include "edit_rules.h"

// The input line's selection, start not after end.
Selection InputSelection(HWND input);

// The whole text of the input line, however long.
std::string InputText(HWND input);

// Replaces the selection (or inserts at the caret) by `text` as one step the
// input line's undo can take back. An empty text changes nothing: it must not
// delete a selection.
void InsertIntoInput(HWND input, const char* text);

// Makes `text` the whole input line with the caret at its end.
void SetInputText(HWND input, const char* text);

// Carries out a bracket edit of Enclose or the reciprocal key.
void ApplyWrapEdit(HWND input, const WrapEdit& edit);

// Puts `text` on the clipboard through the copy buffer `buffer`: its text
// set, all of it selected and copied. An empty text leaves the clipboard alone.
void CopyThroughBuffer(HWND buffer, const char* text);
