#include "task_entry.h"

#include <windows.h>

#include "app.h"
#include "engine.h"
#include "display_rules.h"
#include "history_text.h"
#include "layout.h"
#include "text.h"

namespace {

void ShowQuadraticLabels(const AppState& app, int show) {
    ShowWindow(app.x1Label, show);
    ShowWindow(app.x2Label, show);
}

void ClearInputLine(const AppState& app) {
    HWND input = app.inputLine;
    SetWindowTextA(input, "");
    if (!app.replayingFile) SetFocus(input);
}

void PutRecordsOnDisplay(AppState& app) {
    app.displayBehind = false;
    SetWindowTextA(app.currentTaskLine, app.CurrentTask.szTask);
    SetWindowTextA(app.currentAnswerLine, app.CurrentTask.szAnswer);
    SetLineTooltip(app, app.currentTaskLine, app.CurrentTask.szMaths);
    SetWindowTextA(app.previousTaskLine, app.PreviousTask.szTask);
    SetWindowTextA(app.previousAnswerLine, app.PreviousTask.szAnswer);
    SetLineTooltip(app, app.previousTaskLine, app.PreviousTask.szMaths);
}

}  // namespace

void ShowRecords(AppState& app) {
    if (app.replayingFile) {
        app.displayBehind = true;
        return;
    }
    PutRecordsOnDisplay(app);
}

void CatchUpDisplay(AppState& app) {
    if (app.displayBehind) PutRecordsOnDisplay(app);
}

void EnterTask(AppState& app) {
    if (GetWindowTextLengthA(app.inputLine) > static_cast<int>(kInputLineCapacity)) {
        // The refusal is written over the records as they stand.
        CatchUpDisplay(app);
        SetWindowTextA(app.currentAnswerLine, kLineTooLongText);
        return;
    }

    char task[kTaskCapacity + 1];
    GetWindowTextA(app.inputLine, task, sizeof task);
    const bool thrownAway = task[0] == '=';
    // A thrown-away line changes the records below without showing them, so
    // a display that a replay has left behind is brought up to date first:
    // it keeps what the calculations before the line showed, as after typing.
    if (thrownAway) CatchUpDisplay(app);

    // The panel's moves are undone once: a line thrown away for its leading
    // "=" keeps iLastStatus at 4, and undoing them again on the next task
    // would put x2 where x1 belongs.
    if (app.iLastStatus == kKindQuadratic && app.quadraticPanelOpen) {
        ShowQuadraticLabels(app, SW_HIDE);
        RestoreQuadraticOutput(app.CurrentTask, app.PreviousTask);
        app.quadraticPanelOpen = false;
    }
    app.PreviousTask = app.CurrentTask;
    // A line thrown away for its leading "=" never reaches the record, so it
    // is not shown later as the task of an answer it did not give.
    if (thrownAway) {
        ClearInputLine(app);
        return;
    }
    CopyText(app.CurrentTask.szTask, task);

    int result = CalculateTask(app.CurrentTask);
    const Outcome outcome = ReadOutcome(result, app.CurrentTask);
    // Only a solved equation opens the panel; a "#4" line is recorded as typed.
    if (result == kKindQuadratic && outcome != Outcome::kRoots) result = kKindCommand;
    app.iLastStatus = result;
    if (result == kKindCommand) RepaintIndicatorRow(app.mainWindow);
    if (result == kKindQuadratic) {
        ShowQuadraticLabels(app, SW_SHOW);
        OpenQuadraticPanel(app.CurrentTask, app.PreviousTask);
        app.quadraticPanelOpen = true;
    }
    ShowRecords(app);

    HistoryEntry entry;
    BuildHistoryEntry(outcome, app.CurrentTask, app.PreviousTask, app.bTaskNumbering != 0, app.iTaskNumber, entry);
    if (entry.listText) SendMessageA(app.pastTasks, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(entry.listText));
    SendMessageA(app.historyText, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(entry.text));
    ClearInputLine(app);
}

void TakePastTask(const AppState& app, int notification) {
    if (notification == CBN_DROPDOWN) {
        // The list opens with no entry chosen, so that a close without a pick
        // finds nothing to copy: a click on the arrow of the open list is
        // reported as an accepted selection when it reaches the list box
        // itself (as it does under Wine once the list has lost the mouse
        // capture), and the entry of the last pick would replace the typing.
        SendMessageA(app.pastTasks, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
    if (notification == CBN_SELENDOK) {
        LRESULT index = SendMessageA(app.pastTasks, CB_GETCURSEL, 0, 0);
        LRESULT length = index == CB_ERR ? CB_ERR : SendMessageA(app.pastTasks, CB_GETLBTEXTLEN, index, 0);
        // CB_GETLBTEXT takes no buffer size: the length is checked first.
        char task[kTaskCapacity + 1];
        if (length != CB_ERR && length <= static_cast<LRESULT>(kTaskCapacity) &&
            SendMessageA(app.pastTasks, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(task)) != CB_ERR) {
            EnableWindow(app.pastTasks, FALSE);
            SetWindowTextA(app.inputLine, task);
            EnableWindow(app.pastTasks, TRUE);
            SendMessageA(app.inputLine, EM_SETSEL, length, length);
        }
    }
    SetFocus(app.inputLine);
}
