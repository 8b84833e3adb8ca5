#include "command_window.h"

#include <commctrl.h>

#include <chrono>

#include "startup.h"

namespace command_tests {

namespace {

struct Search {
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->className) != 0 || WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindThreadWindow(const char* className, const char* title) {
    Search search{className, title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectTooltips(HWND window, LPARAM data) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        RouteMessage(message);
    }
}

std::string ClipboardText() {
    std::string text = "(none)";
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* locked = static_cast<char*>(GlobalLock(data));
    lstrcpynA(locked, text.c_str(), static_cast<int>(text.size() + 1));
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

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

void CommandWindow::SetUp() {
    // Hidden: under Wine without a window manager, destroying a window that
    // was ever shown waits two seconds for the X server. Tests that need the
    // window on screen show it themselves.
    ASSERT_TRUE(StartZentrabel(GetModuleHandleA(nullptr), SW_HIDE));
    main_ = FindThreadWindow("myWindowClass", "Zentrabel");
    ASSERT_NE(main_, nullptr);
    history_ = FindThreadWindow("#32770", "Task History");
    ASSERT_NE(history_, nullptr);
    PumpMessages();
}

void CommandWindow::TearDown() {
    if (main_) DestroyWindow(main_);
    // Takes the quit message that the destruction posted, so that it does not
    // end the next test's window.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageA(&message);
    }
    UnregisterClassA("myWindowClass", GetModuleHandleA(nullptr));
}

std::string CommandWindow::History() const { return WindowText(GetDlgItem(history_, IDC_HISTORY_TEXT)); }

std::string CommandWindow::Entries() const {
    std::string text = History();
    size_t end = text.find("\r\n\r\n");
    return end == std::string::npos ? text : text.substr(end + 4);
}

std::vector<std::string> CommandWindow::PastTaskList() const {
    std::vector<std::string> tasks;
    HWND list = Control(IDC_PAST_TASKS);
    LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, i, 0);
        std::string task(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(task.data()));
        task.resize(static_cast<size_t>(length));
        tasks.push_back(task);
    }
    return tasks;
}

std::string CommandWindow::Tooltip(int id) const {
    std::vector<HWND> tooltips;
    EnumThreadWindows(GetCurrentThreadId(), CollectTooltips, reinterpret_cast<LPARAM>(&tooltips));
    for (HWND tooltip : tooltips) {
        char text[1024] = "";
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = main_;
        tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
        if (!SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) continue;
        tool.lpszText = text;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    return "(no tooltip)";
}

COLORREF CommandWindow::TextColour(int id) const {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(10, 20, 30));
    SendMessageA(main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(id)));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
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

LRESULT CommandWindow::Command(int id, int notification) {
    return SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

void CommandWindow::Enter(const std::string& task) {
    SetWindowTextA(Input(), task.c_str());
    Click(IDC_EQUALS);
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

void CommandWindow::ClickToolbar(int command) {
    HWND toolbar = FindWindowExA(main_, nullptr, TOOLBARCLASSNAMEA, nullptr);
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
    HMENU bar = GetMenu(main_);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
        SendMessageA(main_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
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
