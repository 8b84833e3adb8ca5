// The keys that the input line answers beyond an edit control's own. The line
// sits inside the past-tasks list box, which never sees its keys, so the line
// does the list's keyboard work: Up and Down recall past tasks (newest first),
// F4 and Alt+Down open the list, and while the list is open the keys that move
// in it, pick (Enter) or close it (Escape, F4, Alt+Up/Down) go to the list.
#pragma once

#include <windows.h>

struct AppState;

// Hooks the keys above into the input line; once, after it is created. The
// keys work on the past-tasks list and the recall of `app`, which must
// outlive the line.
void WatchInputKeys(AppState& app, HWND inputLine);

// Whether the past-tasks list is dropped down. The accelerators wait while it
// is, so that Enter and Escape act on the list and not on the calculator.
bool PastTasksOpen(HWND pastTasks);
