#include "file_commands.h"

#include "app.h"
#include "history_dialog.h"
#include "keypad.h"
#include "resource_ids.h"

namespace {

void EmptyTexts(TaskRecord& record) {
    record.szTask[0] = 0;
    record.szMaths[0] = 0;
    record.szResult[0] = 0;
    record.szAnswer[0] = 0;
    record.szMemory[0] = 0;
}

}  // namespace

LRESULT DoNew(const Command& command) {
    AppState& app = command.app;
    SendMessageA(app.pastTasks, CB_RESETCONTENT, 0, 0);
    EmptyTexts(app.CurrentTask);
    // PreviousTask is overwritten by the calculation below, except that a
    // quadratic panel still open would first move its equation back from it
    // into CurrentTask and show it again after New.
    EmptyTexts(app.PreviousTask);
    SetWindowTextA(app.inputLine, "");
    SendMessageA(GetDlgItem(command.window, IDC_EQUALS), BM_CLICK, 0, 0);
    app.iTaskNumber = 1;
    ShowMemory(app);
    WriteBanner(app.historyText);
    return 0;
}
