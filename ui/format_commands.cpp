#include "format_commands.h"

#include <initializer_list>

#include "app.h"
#include "format_rules.h"
#include "layout.h"
#include "resource_ids.h"

namespace {

void ShowPair(const AppState& app, HWND window, const TaskRecord& record, int taskLine, int answerLine,
              unsigned refresh) {
    if (refresh & kShowTaskLines) {
        SetDlgItemTextA(window, taskLine, record.szTask);
        SetLineTooltip(app, GetDlgItem(app.mainWindow, taskLine), record.szMaths);
    }
    if (refresh & kShowAnswers) SetDlgItemTextA(window, answerLine, record.szAnswer);
}

}  // namespace

LRESULT DoSettingCommand(const Command& command) {
    AppState& app = command.app;
    unsigned refresh = ApplySettingCommand(command.id, app.CurrentTask, app.PreviousTask);
    if (refresh & kRepaintModeIndicators) RepaintIndicators(app.mainWindow, IDC_MODE_AUTO, IDC_MODE_FIX);
    if (refresh & kRepaintAngleIndicators) RepaintIndicators(app.mainWindow, IDC_ANGLE_RAD, IDC_ANGLE_GRAD);
    if (refresh & kMarkDecimalSeparator) {
        HMENU menu = GetMenu(command.window);
        for (int id : {IDM_DECIMAL_DOT, IDM_DECIMAL_COMMA}) {
            CheckMenuItem(menu, id,
                          MF_BYCOMMAND | (FormatItemChecked(app.CurrentTask, id) ? MF_CHECKED : MF_UNCHECKED));
        }
    }
    ShowPair(app, command.window, app.PreviousTask, IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, refresh);
    ShowPair(app, command.window, app.CurrentTask, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER, refresh);
    return 0;
}

LRESULT DoResetSettings(const Command& command) {
    AppState& app = command.app;
    app.iTaskNumber = 1;
    app.bDisplayOnly = 0;
    app.bAlwaysOnTop = 0;
    app.bHistoryVisible = 0;
    app.bTaskNumbering = 0;
    ResetRecordSettings(app.CurrentTask, app.PreviousTask);
    SetDlgItemTextA(command.window, IDC_CURRENT_ANSWER, app.CurrentTask.szAnswer);
    SetDlgItemTextA(command.window, IDC_PREVIOUS_ANSWER, app.PreviousTask.szAnswer);
    RepaintIndicatorRow(app.mainWindow);
    return 0;
}
