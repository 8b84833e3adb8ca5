// The answer lines (1120, 1121) show every answer whole. The widest answers
// the formatter writes fit a line in the answer font at 96 DPI, but text does
// not grow exactly with the DPI; wherever an answer would not fit, the line
// takes the answer font a pixel lower at a time until it does, instead of
// losing digits at its left edge. A line that fits takes the answer font
// itself again.
#pragma once

#include <windows.h>

struct AnswerFonts;
struct AppState;

// From now on every text the line is given (WM_SETTEXT, whoever sends it)
// is measured first and the line's font chosen for it, from the fonts of
// `app`, which must outlive the line.
void WatchAnswerLine(AppState& app, HWND line);

// Chooses the line's font again for the text it holds (after a DPI change).
void FitAnswerFont(AppState& app, HWND line);

// Lets go of the font the answers were last measured in; called before any
// font of the window is deleted.
void ReleaseMeasuringFont(AnswerFonts& fonts);

// Deletes the smaller answer fonts made so far and the measuring device
// context; the answer font itself is the layout's. Only once the answer lines
// are gone.
void DestroyAnswerFonts(AnswerFonts& fonts);
