#include "input_line.h"

#include <windows.h>

#include "app.h"

Selection InputSelection() {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(App().inputLine, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start > end) return {end, start};
    return {start, end};
}

std::string InputText() {
    HWND input = App().inputLine;
    std::string text(static_cast<size_t>(GetWindowTextLengthA(input)) + 1, '\0');
    int length = GetWindowTextA(input, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

void InsertIntoInput(const char* text) {
    if (!text[0]) return;
    SendMessageA(App().inputLine, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void SetInputText(const char* text) {
    HWND input = App().inputLine;
    SetWindowTextA(input, text);
    LRESULT end = GetWindowTextLengthA(input);
    SendMessageA(input, EM_SETSEL, end, end);
}

void ApplyWrapEdit(const WrapEdit& edit) {
    if (edit.kind == WrapEdit::kReplaceSelection) {
        InsertIntoInput(edit.text.c_str());
    } else if (edit.kind == WrapEdit::kReplaceAll) {
        SetInputText(edit.text.c_str());
    }
}

void CopyThroughBuffer(const char* text) {
    HWND buffer = App().copyBuffer;
    SetWindowTextA(buffer, text);
    SendMessageA(buffer, EM_SETSEL, 0, -1);
    SendMessageA(buffer, WM_COPY, 0, 0);
}
