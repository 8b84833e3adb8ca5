#include "input_line.h"

Selection InputSelection(HWND input) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start > end) return {end, start};
    return {start, end};
}

std::string InputText(HWND input) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(input)) + 1, '\0');
    int length = GetWindowTextA(input, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

void InsertIntoInput(HWND input, const char* text) {
    if (!text[0]) return;
    SendMessageA(input, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void SetInputText(HWND input, const char* text) {
    SetWindowTextA(input, text);
    LRESULT end = GetWindowTextLengthA(input);
    SendMessageA(input, EM_SETSEL, end, end);
}

void ApplyWrapEdit(HWND input, const WrapEdit& edit) {
    if (edit.kind == WrapEdit::kReplaceSelection) {
        InsertIntoInput(input, edit.text.c_str());
    } else if (edit.kind == WrapEdit::kReplaceAll) {
        SetInputText(input, edit.text.c_str());
    }
}

void CopyThroughBuffer(HWND buffer, const char* text) {
    SetWindowTextA(buffer, text);
    SendMessageA(buffer, EM_SETSEL, 0, -1);
    SendMessageA(buffer, WM_COPY, 0, 0);
}
