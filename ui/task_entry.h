// The road of one task through the main window: command 1075 (the "=" key and
// Enter) calculates the input line, shows the last two calculations, appends
// the history entry and records the task in the past-tasks list; command 1300
// takes an earlier task back into the input line.
#pragma once

struct AppState;

// Calculates the input line of `app` on its records. A line longer than 509
// characters is refused whole with "Expression is too long !" in the
// current-answer line; a line that starts with "=" is thrown away without
// calculation.
void EnterTask(AppState& app);

// Handles a notification of the past-tasks list: on CBN_SELENDOK the selected
// task is copied into the input line (caret at its end) without calculating;
// the list opens (CBN_DROPDOWN) with no entry selected, so only a real pick
// replaces what is being typed; any notification gives the focus back to the
// input line.
void TakePastTask(const AppState& app, int notification);

// Shows both records in the display lines and the task lines' tooltips; while
// a file is replayed, only notes that the display is behind them.
void ShowRecords(AppState& app);

// Shows the records now if a replay left the display lines behind them.
void CatchUpDisplay(AppState& app);
