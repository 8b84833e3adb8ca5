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

HWND Key(int cell) { return GetDlgItem(App().mainWindow, IDC_KEY_FIRST + cell); }

bool InverseModeOn() { return App().cInversePrefix == kInverseOn; }

// The key refresh: repaints the key's cell, background included, and gives
// the focus back to the input line.
void RefreshKey(int cell) {
    const Place area = KeyRefreshArea(cell);
    const int dpi = App().dpi;
    RECT rect{ScalePixels(area.x, dpi), ScalePixels(area.y, dpi), ScalePixels(area.x + area.width, dpi),
              ScalePixels(area.y + area.height, dpi)};
    InvalidateRect(App().mainWindow, &rect, TRUE);
    SetFocus(App().inputLine);
}

void SetKeyCaption(int cell, const char* caption) {
    SetWindowTextA(Key(cell), caption);
    RefreshKey(cell);
}

void ToggleInverse() {
    AppState& app = App();
    bool wasOn = SendMessageA(Key(0), BM_GETCHECK, 0, 0) == BST_CHECKED;
    app.cInversePrefix = wasOn ? kInverseOff : kInverseOn;
    SendMessageA(Key(0), BM_SETCHECK, wasOn ? BST_UNCHECKED : BST_CHECKED, 0);
    int captionIndex = wasOn ? 0 : 1;
    SetKeyCaption(kClearCell, kClearCaptions[captionIndex]);
    SetKeyCaption(kMemoryAddCell, kMemoryAddCaptions[captionIndex]);
    for (int cell : kInverseCells) {
        char caption[kKeyCaptionCapacity + 1];
        BuildInverseCaption(app.cInversePrefix, cell, caption);
        SetKeyCaption(cell, caption);
    }
    SetFocus(app.inputLine);
}

void InsertName(int cell) {
    const char* name = kKeypadKeys[cell].name;
    if (InverseModeOn() && IsInverseCell(cell)) {
        // The inverse function's name goes in as one step, and inverse mode
        // ends with it.
        ToggleInverse();
        char inverse[kKeyCaptionCapacity + 1] = {kInverseOn, 0};
        AppendText(inverse, name);
        InsertIntoInput(inverse);
    } else {
        InsertIntoInput(name);
    }
}

void Reciprocal() {
    ApplyWrapEdit(ReciprocalEdit(InputText(), InputSelection(), App().CurrentTask.szResult));
}

void ClearOrMemoryClear() {
    AppState& app = App();
    if (!InverseModeOn()) {
        // A single space, unlike "Clear Input Line", which empties the line.
        SetWindowTextA(app.inputLine, " ");
        return;
    }
    app.CurrentTask.szMemory[0] = 0;
    ShowMemory();
    ToggleInverse();
}

void MemoryStore() {
    AppState& app = App();
    CopyText(app.CurrentTask.szMemory, app.CurrentTask.szAnswer);
    ShowMemory();
}

void MemoryRecall() { InsertIntoInput(App().CurrentTask.szMemory); }

void MemoryAddOrSubtract() {
    AppState& app = App();
    if (!IsAnswerNumber(app.CurrentTask.szAnswer)) {
        MessageBoxA(nullptr, "Previous answer isn't number", "ZBL Error", MB_OK);
        return;
    }
    bool subtract = InverseModeOn();
    if (subtract) ToggleInverse();
    AddAnswerToMemory(app.CurrentTask, subtract);
    ShowMemory();
}

}  // namespace

void ShowMemory() {
    InvalidateRect(GetDlgItem(App().mainWindow, IDC_MEMORY_INDICATOR), nullptr, TRUE);
    SetLineTooltip(GetDlgItem(App().mainWindow, IDC_MEMORY_INDICATOR), App().CurrentTask.szMemory);
}

LRESULT DoKey(const Command& command) {
    int cell = command.id - IDC_KEY_FIRST;
    switch (KeyActionOf(cell)) {
    case KeyAction::kNone:
        return 0;
    case KeyAction::kToggleInverse:
        ToggleInverse();
        return 0;
    case KeyAction::kInsertName:
        InsertName(cell);
        break;
    case KeyAction::kEnclose:
        SendMessageA(command.window, WM_COMMAND, IDM_ENCLOSE, 0);
        break;
    case KeyAction::kReciprocal:
        Reciprocal();
        break;
    case KeyAction::kClearOrMemoryClear:
        ClearOrMemoryClear();
        break;
    case KeyAction::kMemoryStore:
        MemoryStore();
        break;
    case KeyAction::kMemoryRecall:
        MemoryRecall();
        break;
    case KeyAction::kMemoryAddOrSubtract:
        MemoryAddOrSubtract();
        break;
    }
    RefreshKey(cell);
    return 0;
}

LRESULT DoDisplayLineClick(const Command& command) {
    if (command.notification != STN_CLICKED) return 0;
    char text[kDisplayLineCapacity + 1];
    GetDlgItemTextA(command.window, command.id, text, sizeof text);
    InsertIntoInput(text);
    SetFocus(App().inputLine);
    return 0;
}

LRESULT DoMemoryIndicator(const Command& command) {
    int key = App().CurrentTask.szMemory[0] ? IDC_KEY_MEMORY_RECALL : IDC_KEY_MEMORY_STORE;
    SendMessageA(GetDlgItem(command.window, key), BM_CLICK, 0, 0);
    return 0;
}
