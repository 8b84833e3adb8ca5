#include "menu_state.h"

#include <initializer_list>

#include "app.h"
#include "format_rules.h"
#include "input_line.h"
#include "resource_ids.h"

namespace {

void Enable(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Check(HMENU menu, int id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// The accelerators go through here as well: the platform sends this message
// before it translates an accelerator and drops the command of a greyed item.
void UpdateEditMenu(const AppState& app, HMENU menu) {
    Selection selection = InputSelection(app.inputLine);
    Enable(menu, IDM_UNDO, SendMessageA(app.inputLine, EM_CANUNDO, 0, 0) != 0);
    Enable(menu, IDM_PASTE, IsClipboardFormatAvailable(CF_TEXT) != 0);
    Enable(menu, IDM_CUT, selection.start != selection.end);
    Enable(menu, IDM_COPY, CopyEnabled(selection, app.CurrentTask.szAnswer[0] != 0));
}

void UpdateFormatMenu(const AppState& app, HMENU menu) {
    const TaskRecord& current = app.CurrentTask;
    for (int id = IDM_MODE_AUTO; id <= IDM_DECIMALS_LAST + 1; ++id) Check(menu, id, FormatItemChecked(current, id));
    for (int id : {IDM_DECIMAL_DOT, IDM_DECIMAL_COMMA, IDM_FUNCTION_SEPARATOR}) {
        Check(menu, id, FormatItemChecked(current, id));
    }
}

struct ViewMark {
    int id;
    int AppState::*flag;
};

constexpr ViewMark kViewMarks[] = {
    {IDM_DISPLAY_ONLY, &AppState::bDisplayOnly},
    {IDM_ALWAYS_ON_TOP, &AppState::bAlwaysOnTop},
    {IDM_VIEW_HISTORY, &AppState::bHistoryVisible},
    {IDM_TASK_NUMBERING, &AppState::bTaskNumbering},
};

void UpdateViewMenu(const AppState& app, HMENU menu) {
    for (const ViewMark& mark : kViewMarks) Check(menu, mark.id, app.*mark.flag != 0);
}

}  // namespace

LRESULT OnInitMenuPopup(const AppState& app, HMENU popup, bool systemMenu) {
    if (systemMenu) return 0;
    // A menu is known by its first item, so that the menus' order on the bar
    // is written down only in the resources.
    switch (static_cast<int>(GetMenuItemID(popup, 0))) {
    case IDM_UNDO:
        UpdateEditMenu(app, popup);
        break;
    case IDM_ANGLE_RAD:
        UpdateFormatMenu(app, popup);
        break;
    case IDM_DISPLAY_ONLY:
        UpdateViewMenu(app, popup);
        break;
    default:
        break;
    }
    return 0;
}
