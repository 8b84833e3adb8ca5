// The state of the Windows program: the two records every calculation runs
// on, the view flags and counters, and the windows and GDI objects that live
// as long as the main window. One instance, reset at each start-up; only the
// GUI thread touches it. Start-up hands it to the main window, whose
// procedure finds it in the window's user data and hands it to each command;
// the windows' own procedures reach it through the window they serve.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "history_dialog.h"
#include "layout_rules.h"
#include "recall_rules.h"
#include "task_record.h"

// What the fitting of the answer lines (answer_fit.h) keeps from one answer to
// the next.
struct AnswerFonts {
    // The smaller answer fonts, by character height in pixels; made when
    // first needed and kept, since the same widest answers come back again
    // and again.
    static constexpr int kMaxHeight = 128;
    HFONT smallerFonts[kMaxHeight + 1];
    // Texts are measured in a memory device context of the screen, made once:
    // cheaper than the line's own (under Wine a window's device context costs
    // a trip to the display server), with the same text widths.
    HDC measuring;
    // The font selected into `measuring` (none: the DC's own). Selecting a
    // font costs about a millisecond under Wine, so the last one stays
    // selected from one measurement to the next and is let go only before
    // fonts are deleted.
    HFONT measuringFont;
    // The widest character of the answer font at the DPI it was made for, for
    // the texts so short that they fit without being measured.
    HFONT widestCharFont;
    int widestCharDpi;
    int widestChar;
};

struct AppState {
    HINSTANCE instance;
    HWND mainWindow;
    HWND historyDialog;
    HWND toolbar;
    HWND tooltip;
    HWND pastTasks;
    HWND inputLine;
    HWND copyBuffer;
    // Controls the road of every task writes to, kept so that no lookup by
    // id is needed on it.
    HWND historyText;
    HWND previousTaskLine;
    HWND currentTaskLine;
    HWND previousAnswerLine;
    HWND currentAnswerLine;
    HWND x1Label;
    HWND x2Label;
    // The sunken panel behind the display.
    HWND panel;
    HACCEL accelerators;
    HBRUSH backgroundBrush;
    HIMAGELIST toolbarImages;
    HFONT fonts[kFontSlotCount];
    // Controls without a font of their own draw with the system font, which
    // is made for the system DPI; in a window at another DPI they get this
    // copy of it at the window's DPI instead. The tooltips likewise.
    HFONT systemFontForDpi;
    HFONT tooltipFontAtSystemDpi;
    HFONT tooltipFontForDpi;
    // The smaller fonts of the answer lines and what measures their texts.
    AnswerFonts answerFonts;
    // What the Task History dialog is handed when it is created.
    HistoryDialogData historyDialogData;
    // The window procedures the input line and the answer lines had before
    // the window took their messages first. The lines are subclassed by
    // replacing their procedure, not with the common controls' subclass
    // chain, which under Wine asks the server for a window property on
    // every message; their user data points back to this state.
    WNDPROC inputLineProc;
    WNDPROC answerLineProc;

    // The DPI the main window's face is laid out for.
    int dpi;
    // Horizontal gap at 96 DPI between the main window and a window placed
    // beside it (kBesideGap, or none on systems before major version 6).
    int iWindowGap;
    // View flags, 0 or 1.
    int bDisplayOnly;
    int bAlwaysOnTop;
    int bHistoryVisible;
    int bTaskNumbering;
    // Number of the next numbered history entry.
    int iTaskNumber;
    // Result of CalculateTask for the last task entered; 4 while the
    // quadratic panel is shown.
    int iLastStatus;
    // Whether the quadratic panel's moves are still in the records; see
    // EnterTask for why this is kept apart from iLastStatus.
    bool quadraticPanelOpen;
    // While a history file is replayed, the "=" road leaves the display lines
    // and the focus alone; the replay shows the last records and gives the
    // input line the focus when it ends.
    bool replayingFile;
    // The display lines do not show the records yet (set during a replay).
    bool displayBehind;
    // Inverse mode of the keypad: ' ' off, 'a' on.
    char cInversePrefix;
    // Where Up and Down have got to in the past-tasks list.
    TaskRecall recall;

    TaskRecord CurrentTask;
    TaskRecord PreviousTask;
};

// The one instance, for the edge of the process only: start-up and the
// message loop, and the harnesses that drive the window in tests and timings.
AppState& App();

// Puts every field to its start-up value and keeps `instance`.
void ResetAppState(HINSTANCE instance);

// Keeps `state` as the state of `window` (its user data): the main window,
// from WM_NCCREATE on, and the controls given a procedure of their own.
void AttachAppState(HWND window, AppState* state);

// The state kept by `window`; nullptr before it was attached.
AppState* AppStateOf(HWND window);

// Puts `procedure` in front of a control of the main window, with the state
// attached to it; `previous` gets the procedure the control had, for
// `procedure` to hand messages on to with CallWindowProcA.
void ReplaceControlProcedure(AppState& state, HWND control, WNDPROC procedure, WNDPROC& previous);
