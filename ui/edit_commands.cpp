#include "edit_commands.h"

#include <initializer_list>

#include "app.h"
#include "history_dialog.h"
#include "input_line.h"
#include "layout.h"
#include "resource_ids.h"

LRESULT DoUndo(const Command&) {
    SendMessageA(App().inputLine, EM_UNDO, 0, 0);
    return 0;
}

LRESULT DoCut(const Command&) {
    SendMessageA(App().inputLine, WM_CUT, 0, 0);
    return 0;
}

LRESULT DoCopy(const Command&) {
    if (CopyTakesAnswer(InputSelection())) {
        CopyThroughBuffer(App().CurrentTask.szAnswer);
    } else {
        // An empty selection elsewhere copies nothing.
        SendMessageA(App().inputLine, WM_COPY, 0, 0);
    }
    return 0;
}

LRESULT DoPaste(const Command&) {
    SendMessageA(App().inputLine, WM_PASTE, 0, 0);
    return 0;
}

LRESULT DoDelete(const Command&) {
    Selection range{};
    if (!DeletedRange(InputSelection(), range)) return 0;
    HWND input = App().inputLine;
    SendMessageA(input, EM_SETSEL, range.start, range.end);
    SendMessageA(input, WM_CLEAR, 0, 0);
    return 0;
}

LRESULT DoCopyMaths(const Command&) {
    CopyThroughBuffer(App().CurrentTask.szMaths);
    return 0;
}

LRESULT DoCopyResult(const Command&) {
    CopyThroughBuffer(App().CurrentTask.szAnswer);
    return 0;
}

LRESULT DoCopyTask(const Command&) {
    CopyThroughBuffer(App().CurrentTask.szTask);
    return 0;
}

LRESULT DoSelectAll(const Command&) {
    SendMessageA(App().inputLine, EM_SETSEL, 0, -1);
    return 0;
}

LRESULT DoEnclose(const Command&) {
    WrapEdit edit = EncloseEdit(InputText(), InputSelection());
    ApplyWrapEdit(edit);
    if (edit.kind == WrapEdit::kReplaceSelection) SetFocus(App().inputLine);
    return 0;
}

LRESULT DoClearInput(const Command&) {
    SetWindowTextA(App().inputLine, "");
    return 0;
}

LRESULT DoClearDisplay(const Command& command) {
    for (int line : {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER}) {
        SetDlgItemTextA(command.window, line, "");
    }
    SetLineTooltip(App().previousTaskLine, " ");
    SetLineTooltip(App().currentTaskLine, " ");
    SetFocus(App().inputLine);
    return 0;
}

LRESULT DoClearHistory(const Command& command) {
    DoClearDisplay(command);
    AppState& app = App();
    // ans and mem keep their values: the answer and the memory stay.
    app.CurrentTask.szTask[0] = 0;
    app.CurrentTask.szMaths[0] = 0;
    app.CurrentTask.szResult[0] = 0;
    app.PreviousTask = app.CurrentTask;
    SendMessageA(app.pastTasks, CB_RESETCONTENT, 0, 0);
    WriteBanner(app.historyText);
    return 0;
}
