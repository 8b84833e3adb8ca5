#include "command_window.h"

#include <commctrl.h>

#include <chrono>

#include "startup.h"

namespace command_tests {

ModalCloser::ModalCloser(const char* title) : title_(title) {
    watcher_ = std::thread([this] {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            HWND box = FindWindowA("#32770", title_);
            if (box && IsWindowVisible(box)) {
                char text[512] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                text_ = text;
                closed_ = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
}

ModalCloser::~ModalCloser() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
}

bool ModalCloser::Closed() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    return closed_;
}

void CommandWindow::SetInput(const std::string& text, int start, int end) {
    SetWindowTextA(Input(), text.c_str());
    SendMessageA(Input(), EM_SETSEL, start, end);
}

std::pair<int, int> CommandWindow::InputSelection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void CommandWindow::PressKey(WORD key, bool control, bool shift) {
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(Input(), WM_KEYDOWN, key, 1);
    PumpMessages();
    SetKeyboardState(saved);
}

void CommandWindow::PressAltKey(WORD key) {
    // Bit 29: the key came with Alt.
    PostMessageA(Input(), WM_SYSKEYDOWN, key, 1 | (LPARAM{1} << 29));
    PumpMessages();
}

void CommandWindow::ClickToolbar(int command) {
    HWND toolbar = FindWindowExA(Main(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_NE(toolbar, nullptr);
    LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, command, 0);
    ASSERT_GE(index, 0);
    RECT button{};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)));
    LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(toolbar, WM_MOUSEMOVE, 0, point);
    SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(toolbar, WM_LBUTTONUP, 0, point);
    PumpMessages();
}

void CommandWindow::ClickStatic(int id) {
    SendMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
}

UINT CommandWindow::OpenMenuHolding(int id) {
    HMENU bar = GetMenu(Main());
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
        SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
        return GetMenuState(popup, id, MF_BYCOMMAND);
    }
    ADD_FAILURE() << "no menu holds " << id;
    return 0;
}

bool CommandWindow::MenuChecked(int id) { return (OpenMenuHolding(id) & MF_CHECKED) != 0; }

bool CommandWindow::MenuGrayed(int id) { return (OpenMenuHolding(id) & MF_GRAYED) != 0; }

RECT CommandWindow::WindowRect(HWND window) const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace command_tests
