#include "gui_support.h"

#include <commctrl.h>

#include <ostream>

#include "resource_ids.h"
#include "startup.h"

namespace {

struct Search {
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->className) != 0) return TRUE;
    if (search->title && WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

struct ChildSearch {
    const char* className;
    std::vector<std::string>* texts;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, search->className) == 0) search->texts->push_back(WindowText(window));
    return TRUE;
}

BOOL CALLBACK CollectTooltips(HWND window, LPARAM data) {
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

}  // namespace

HWND FindThreadWindow(DWORD thread, const char* className, const char* title) {
    Search search{className, title, nullptr};
    EnumThreadWindows(thread, MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<std::string> ChildTexts(HWND parent, const char* className) {
    std::vector<std::string> texts;
    ChildSearch search{className, &texts};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return texts;
}

Placement PlacementOf(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::ostream& operator<<(std::ostream& out, const Placement& placement) {
    return out << "(" << placement.x << ", " << placement.y << ") " << placement.width << " x " << placement.height;
}

std::string ReadFileBytes(const std::string& path, bool* exists) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (exists) *exists = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
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

std::string BuildFilePath(const char* fromTests) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path, length);
    text.resize(text.find_last_of("\\/") + 1);
    text += fromTests;
    for (char& c : text) {
        if (c == '/') c = '\\';
    }
    return text;
}

std::string TwoDigitExponent(std::string text) {
    const size_t e = text.find('e');
    if (e != std::string::npos && text.size() - e == 5 && text[e + 2] == '0') text.erase(e + 2, 1);
    return text;
}

std::string ProgramPath() { return BuildFilePath(ZBL_PROGRAM_FROM_TESTS); }

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        RouteMessage(message);
    }
}

void MainWindowTest::SetUp() {
    ASSERT_TRUE(StartZentrabel(GetModuleHandleA(nullptr), showCommand_));
    main_ = FindThreadWindow(GetCurrentThreadId(), "myWindowClass", "Zentrabel");
    ASSERT_NE(main_, nullptr);
    history_ = FindThreadWindow(GetCurrentThreadId(), "#32770", "Task History");
    ASSERT_NE(history_, nullptr);
    Pump();
}

void MainWindowTest::TearDown() {
    if (main_) DestroyWindow(main_);
    // Takes the quit message that the destruction posted, so that it does not
    // end the next test's window.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageA(&message);
    }
    UnregisterClassA("myWindowClass", GetModuleHandleA(nullptr));
}

HWND MainWindowTest::PastTasks() const { return Control(IDC_PAST_TASKS); }
HWND MainWindowTest::Input() const { return GetDlgItem(PastTasks(), IDC_INPUT_LINE); }
HWND MainWindowTest::HistoryEdit() const { return GetDlgItem(history_, IDC_HISTORY_TEXT); }

std::string MainWindowTest::Entries() const {
    std::string text = History();
    size_t end = text.find("\r\n\r\n");
    return end == std::string::npos ? text : text.substr(end + 4);
}

std::vector<std::string> MainWindowTest::PastTaskList() const {
    std::vector<std::string> tasks;
    LRESULT count = SendMessageA(PastTasks(), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(PastTasks(), CB_GETLBTEXTLEN, i, 0);
        std::string task(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(PastTasks(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(task.data()));
        task.resize(static_cast<size_t>(length));
        tasks.push_back(task);
    }
    return tasks;
}

std::string MainWindowTest::Tooltip(int id) const {
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

COLORREF MainWindowTest::TextColour(int id) const {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(10, 20, 30));
    SendMessageA(main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(id)));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

void MainWindowTest::Enter(const std::string& task) {
    Type(task);
    Click(Control(IDC_EQUALS));
}
