// Helpers for the tests of the real main window: each test starts the window
// through the program's own start-up code and drives it only through what a
// user or another program can do (command messages, text in the input line,
// clicks, messages the system itself sends) and reads back what is shown.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Finds a top-level window of `thread` by class and, when given, title.
HWND FindThreadWindow(DWORD thread, const char* className, const char* title);

// The text of a window, read with WM_GETTEXT.
std::string WindowText(HWND window);
// The class name of a window.
std::string ClassNameOf(HWND window);

// Texts of the child windows of `parent` with this class.
std::vector<std::string> ChildTexts(HWND parent, const char* className);

// Position and size of a child window in its parent's client area.
struct Placement {
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
};
Placement PlacementOf(HWND child);
std::ostream& operator<<(std::ostream& out, const Placement& placement);

// The whole content of a file, or "" (and *exists false) when it cannot be
// opened.
std::string ReadFileBytes(const std::string& path, bool* exists = nullptr);
// Creates or truncates a file with these bytes; true when all were written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// The clipboard's plain text, or "(none)" when it holds none.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

// A number text that ends in a three-digit exponent with a leading zero
// ("2e+003", as some C runtimes write it) with a two-digit one ("2e+03").
std::string TwoDigitExponent(std::string text);

// The full path of a file of the build, named relative to the tests' folder.
std::string BuildFilePath(const char* fromTests);

// The full path of zentrabel.exe, found beside the tests whatever the current
// directory (the file dialogs change it).
std::string ProgramPath();

// Runs the posted and sent messages of this thread through the program's own
// message routing until the queue is empty.
void Pump();

class MainWindowTest : public ::testing::Test {
protected:
    // How the window is first shown: tests that do not look at the screen
    // keep it hidden (under Wine without a window manager, destroying a
    // window that was ever shown waits for the X server).
    explicit MainWindowTest(int showCommand = SW_SHOWNORMAL) : showCommand_(showCommand) {}
    void SetUp() override;
    void TearDown() override;

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    HWND PastTasks() const;
    HWND Input() const;
    HWND HistoryDialog() const { return history_; }
    HWND HistoryEdit() const;

    std::string Text(int id) const { return WindowText(Control(id)); }
    std::string InputText() const { return WindowText(Input()); }
    std::string History() const { return WindowText(HistoryEdit()); }
    // The history after its banner.
    std::string Entries() const;
    std::vector<std::string> PastTaskList() const;
    // The tooltip text of a control of the main window.
    std::string Tooltip(int id) const;
    // The text colour the main window gives a static control.
    COLORREF TextColour(int id) const;
    bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

    void Type(const std::string& text) { SetWindowTextA(Input(), text.c_str()); }
    LRESULT Command(int id, int notification = 0) {
        return SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, notification), 0);
    }
    void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
    // Types a task and clicks the "=" key.
    void Enter(const std::string& task);

private:
    int showCommand_;
    HWND main_ = nullptr;
    HWND history_ = nullptr;
};
