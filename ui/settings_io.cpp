#include "settings_io.h"

#include "app.h"
#include "engine.h"
#include "layout.h"
#include "resource_ids.h"
#include "settings_file.h"
#include "settings_text.h"
#include "text.h"
#include "view_commands.h"
#include "window_texts.h"

namespace {

void ActOnViewNumber(AppState& app, int number) {
    HWND mainWindow = app.mainWindow;
    switch (number) {
    case kViewDisplayOnly: {
        SIZE size = MainWindowSize(app.dpi, true);
        SetWindowPos(mainWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE);
        app.bDisplayOnly = 1;
        break;
    }
    case kViewAlwaysOnTop:
        MakeTopmost(mainWindow, 0);
        app.bAlwaysOnTop = 1;
        break;
    case kViewHistory:
        SendMessageA(mainWindow, WM_COMMAND, IDM_VIEW_HISTORY, 0);
        app.bHistoryVisible = 1;
        break;
    case kViewTaskNumbering:
        SendMessageA(mainWindow, WM_COMMAND, IDM_TASK_NUMBERING, 0);
        app.bTaskNumbering = 1;
        break;
    case kViewClearHistory:
        SendMessageA(mainWindow, WM_COMMAND, IDM_CLEAR_HISTORY, 0);
        break;
    default:
        break;
    }
}

// The context is the state of the main window.
void RunSettingsLine(const char* line, void* context) {
    AppState& app = *static_cast<AppState*>(context);
    TaskRecord& task = app.CurrentTask;
    // The reader hands over no line longer than the input line allows.
    if (!CopyText(task.szTask, line)) return;
    ActOnViewNumber(app, CalculateTask(task));
}

bool MoveReplacing(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

void ReadSettingsFile(AppState& app) { ReadSettingsCommands(kSettingsFileName, RunSettingsLine, &app); }

void WriteSettingsFile(const AppState& app) {
    const ViewFlags view{app.bDisplayOnly, app.bAlwaysOnTop, app.bHistoryVisible, app.bTaskNumbering};
    if (!SaveSettingsFile(kSettingsFileName, kSettingsTempFileName, app.CurrentTask, view, MoveReplacing)) {
        MessageBoxA(nullptr, kSettingsSaveFailedText, kMessageCaption, MB_ICONERROR);
    }
}
