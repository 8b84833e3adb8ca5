#include "keypad.h"

#include "app.h"
#include "display_rules.h"
#include "input_line.h"
#include "keypad_rules.h"
#include "layout.h"
#include "memory_rules.h"
#include "resource_ids.h"
#include "screen_scale.h"
#include "text.h"

namespace {

HWND Key(const AppState& app, int cell) { return GetDlgItem(app.mainWindow, IDC_KEY_FIRST + cell); }

bool InverseModeOn(const AppState& app) { return app.cInversePrefix == kInverseOn; }

// The key refresh: repaints the key's cell, background included, and gives
// the focus back to the input line.
void RefreshKey(const AppState& app, int cell) {
    const Place area = KeyRefreshArea(cell);
    const int dpi = app.dpi;
    RECT rect{ScalePixels(area.x, dpi), ScalePixels(area.y, dpi), ScalePixels(area.x + area.width, dpi),
              ScalePixels(area.y + area.height, dpi)};
    InvalidateRect(app.mainWindow, &rect, TRUE);
    SetFocus(app.inputLine);
}

void SetKeyCaption(const AppState& app, int cell, const char* caption) {
    SetWindowTextA(Key(app, cell), caption);
    RefreshKey(app, cell);
}

void ToggleInverse(AppState& app) {
    bool wasOn = SendMessageA(Key(app, 0), BM_GETCHECK, 0, 0) == BST_CHECKED;
    app.cInversePrefix = wasOn ? kInverseOff : kInverseOn;
    SendMessageA(Key(app, 0), BM_SETCHECK, wasOn ? BST_UNCHECKED : BST_CHECKED, 0);
    int captionIndex = wasOn ? 0 : 1;
    SetKeyCaption(app, kClearCell, kClearCaptions[captionIndex]);
    SetKeyCaption(app, kMemoryAddCell, kMemoryAddCaptions[captionIndex]);
    for (int cell : kInverseCells) {
        char caption[kKeyCaptionCapacity + 1];
        BuildInverseCaption(app.cInversePrefix, cell, caption);
        SetKeyCaption(app, cell, caption);
    }
    SetFocus(app.inputLine);
}

void InsertName(AppState& app, int cell) {
    const char* name = kKeypadKeys[cell].name;
    if (InverseModeOn(app) && IsInverseCell(cell)) {
        // The inverse function's name goes in as one step, and inverse mode
        // ends with it.
        ToggleInverse(app);
        char inverse[kKeyCaptionCapacity + 1] = {kInverseOn, 0};
        AppendText(inverse, name);
        InsertIntoInput(app.inputLine, inverse);
    } else {
        InsertIntoInput(app.inputLine, name);
    }
}

void Reciprocal(const AppState& app) {
    HWND input = app.inputLine;
    ApplyWrapEdit(input, ReciprocalEdit(InputText(input), InputSelection(input), app.CurrentTask.szResult));
}

void ClearOrMemoryClear(AppState& app) {
    if (!InverseModeOn(app)) {
        // A single space, unlike "Clear Input Line", which empties the line.
        SetWindowTextA(app.inputLine, " ");
        return;
    }
    app.CurrentTask.szMemory[0] = 0;
    ShowMemory(app);
    ToggleInverse(app);
}

void MemoryStore(AppState& app) {
    CopyText(app.CurrentTask.szMemory, app.CurrentTask.szAnswer);
    ShowMemory(app);
}

void MemoryRecall(const AppState& app) { InsertIntoInput(app.inputLine, app.CurrentTask.szMemory); }

void MemoryAddOrSubtract(AppState& app) {
    if (!IsAnswerNumber(app.CurrentTask.szAnswer)) {
        MessageBoxA(nullptr, "Previous answer isn't number", "ZBL Error", MB_OK);
        return;
    }
    bool subtract = InverseModeOn(app);
    if (subtract) ToggleInverse(app);
    AddAnswerToMemory(app.CurrentTask, subtract);
    ShowMemory(app);
}

}  // namespace

void ShowMemory(const AppState& app) {
    HWND indicator = GetDlgItem(app.mainWindow, IDC_MEMORY_INDICATOR);
    InvalidateRect(indicator, nullptr, TRUE);
    SetLineTooltip(app, indicator, app.CurrentTask.szMemory);
}

LRESULT DoKey(const Command& command) {
    AppState& app = command.app;
    int cell = command.id - IDC_KEY_FIRST;
    switch (KeyActionOf(cell)) {
    case KeyAction::kNone:
        return 0;
    case KeyAction::kToggleInverse:
        ToggleInverse(app);
        return 0;
    case KeyAction::kInsertName:
        InsertName(app, cell);
        break;
    case KeyAction::kEnclose:
        SendMessageA(command.window, WM_COMMAND, IDM_ENCLOSE, 0);
        break;
    case KeyAction::kReciprocal:
        Reciprocal(app);
        break;
    case KeyAction::kClearOrMemoryClear:
        ClearOrMemoryClear(app);
        break;
    case KeyAction::kMemoryStore:
        MemoryStore(app);
        break;
    case KeyAction::kMemoryRecall:
        MemoryRecall(app);
        break;
    case KeyAction::kMemoryAddOrSubtract:
        MemoryAddOrSubtract(app);
        break;
    }
    RefreshKey(app, cell);
    return 0;
}

LRESULT DoDisplayLineClick(const Command& command) {
    if (command.notification != STN_CLICKED) return 0;
    char text[kDisplayLineCapacity + 1];
    GetDlgItemTextA(command.window, command.id, text, sizeof text);
    InsertIntoInput(command.app.inputLine, text);
    SetFocus(command.app.inputLine);
    return 0;
}

LRESULT DoMemoryIndicator(const Command& command) {
    int key = command.app.CurrentTask.szMemory[0] ? IDC_KEY_MEMORY_RECALL : IDC_KEY_MEMORY_STORE;
    SendMessageA(GetDlgItem(command.window, key), BM_CLICK, 0, 0);
    return 0;
}
