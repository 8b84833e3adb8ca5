#include "setting_commands.h"

#include <windows.h>

#include "app.h"
#include "calculate.h"
#include "layout.h"
#include "resource_ids.h"

void RefreshAnswers() {
    AppState& app = App();
    UpdateAnswer(app.PreviousTask);
    SetDlgItemTextA(app.mainWindow, IDC_PREVIOUS_ANSWER, app.PreviousTask.szAnswer);
    UpdateAnswer(app.CurrentTask);
    SetDlgItemTextA(app.mainWindow, IDC_CURRENT_ANSWER, app.CurrentTask.szAnswer);
}

void SetNumberMode(int mode) {
    AppState& app = App();
    app.CurrentTask.iNumberMode = mode;
    app.PreviousTask.iNumberMode = mode;
    RepaintIndicators(IDC_MODE_AUTO, IDC_MODE_FIX);
    RefreshAnswers();
}

void SetAngleUnit(int unit) {
    App().CurrentTask.iAngleUnit = unit;
    RepaintIndicators(IDC_ANGLE_RAD, IDC_ANGLE_GRAD);
}
