#include "edit_commands.h"

#include <initializer_list>

#include "app.h"
#include "history_dialog.h"
#include "input_line.h"
#include "layout.h"
#include "resource_ids.h"

LRESULT DoUndo(const Command& command) {
    SendMessageA(command.app.inputLine, EM_UNDO, 0, 0);
    return 0;
}

LRESULT DoCut(const Command& command) {
    SendMessageA(command.app.inputLine, WM_CUT, 0, 0);
    return 0;
}

LRESULT DoCopy(const Command& command) {
    const AppState& app = command.app;
    if (CopyTakesAnswer(InputSelection(app.inputLine))) {
        CopyThroughBuffer(app.copyBuffer, app.CurrentTask.szAnswer);
    } else {
        // An empty selection elsewhere copies nothing.
        SendMessageA(app.inputLine, WM_COPY, 0, 0);
    }
    return 0;
}

LRESULT DoPaste(const Command& command) {
    SendMessageA(command.app.inputLine, WM_PASTE, 0, 0);
    return 0;
}

LRESULT DoDelete(const Command& command) {
    HWND input = command.app.inputLine;
    Selection range{};
    if (!DeletedRange(InputSelection(input), range)) return 0;
    SendMessageA(input, EM_SETSEL, range.start, range.end);
    SendMessageA(input, WM_CLEAR, 0, 0);
    return 0;
}

LRESULT DoCopyMaths(const Command& command) {
    CopyThroughBuffer(command.app.copyBuffer, command.app.CurrentTask.szMaths);
    return 0;
}

LRESULT DoCopyResult(const Command& command) {
    CopyThroughBuffer(command.app.copyBuffer, command.app.CurrentTask.szAnswer);
    return 0;
}

LRESULT DoCopyTask(const Command& command) {
    CopyThroughBuffer(command.app.copyBuffer, command.app.CurrentTask.szTask);
    return 0;
}

LRESULT DoSelectAll(const Command& command) {
    SendMessageA(command.app.inputLine, EM_SETSEL, 0, -1);
    return 0;
}

LRESULT DoEnclose(const Command& command) {
    HWND input = command.app.inputLine;
    WrapEdit edit = EncloseEdit(InputText(input), InputSelection(input));
    ApplyWrapEdit(input, edit);
    if (edit.kind == WrapEdit::kReplaceSelection) SetFocus(input);
    return 0;
}

LRESULT DoClearInput(const Command& command) {
    SetWindowTextA(command.app.inputLine, "");
    return 0;
}

LRESULT DoClearDisplay(const Command& command) {
    const AppState& app = command.app;
    for (int line : {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER}) {
        SetDlgItemTextA(command.window, line, "");
    }
    SetLineTooltip(app, app.previousTaskLine, " ");
    SetLineTooltip(app, app.currentTaskLine, " ");
    SetFocus(app.inputLine);
    return 0;
}

LRESULT DoClearHistory(const Command& command) {
    DoClearDisplay(command);
    AppState& app = command.app;
    // ans and mem keep their values: the answer and the memory stay.
    app.CurrentTask.szTask[0] = 0;
    app.CurrentTask.szMaths[0] = 0;
    app.CurrentTask.szResult[0] = 0;
    app.PreviousTask = app.CurrentTask;
    SendMessageA(app.pastTasks, CB_RESETCONTENT, 0, 0);
    WriteBanner(app.historyText);
    return 0;
}
