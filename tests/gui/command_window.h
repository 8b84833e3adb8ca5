// The fixture of the command tests: the real main window, started through the
// program's own start-up code, driven by the command numbers, clicks, keys and
// texts a user or another program produces, and read back from its controls,
// menus, the clipboard and the window's state.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "resource_ids.h"

namespace command_tests {

std::string WindowText(HWND window);

// Runs the thread's waiting messages through the program's message routing.
void PumpMessages();

// The clipboard's plain text, or "(none)" when it holds none.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

// Closes the next modal window with this title that appears while it lives
// (a message box or a dialog), pressing its OK button, and keeps what it
// showed. Start it before the command that opens the window.
class ModalCloser {
public:
    explicit ModalCloser(const char* title);
    ~ModalCloser();
    // Waits for the watching thread; true when a window was closed.
    bool Closed();
    // The message box's text (its static control 0xFFFF).
    const std::string& Text() const { return text_; }

private:
    const char* title_;
    std::atomic<bool> stop_{false};
    bool closed_ = false;
    std::string text_;
    std::thread watcher_;
};

class CommandWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    HWND Input() const { return GetDlgItem(Control(IDC_PAST_TASKS), IDC_INPUT_LINE); }
    HWND HistoryDialog() const { return history_; }
    HWND Key(int cell) const { return Control(IDC_KEY_FIRST + cell); }

    std::string Text(int id) const { return WindowText(Control(id)); }
    std::string InputText() const { return WindowText(Input()); }
    std::string History() const;
    // The history after its banner.
    std::string Entries() const;
    std::vector<std::string> PastTaskList() const;
    std::string Tooltip(int id) const;
    COLORREF TextColour(int id) const;

    // Sets the input line's text and selects characters start to end.
    void SetInput(const std::string& text, int start, int end);
    void SetInput(const std::string& text) { SetInput(text, static_cast<int>(text.size()), static_cast<int>(text.size())); }
    std::pair<int, int> InputSelection() const;

    LRESULT Command(int id, int notification = 0);
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void ClickKey(int cell) { SendMessageA(Key(cell), BM_CLICK, 0, 0); }
    // Types a task and clicks "=".
    void Enter(const std::string& task);

    // A key pressed in the input line, through the message loop's routing (so
    // through the accelerator table), with Ctrl or Shift held when asked.
    void PressKey(WORD key, bool control = false, bool shift = false);
    // A left click on the toolbar button that sends `command`.
    void ClickToolbar(int command);
    // A left click on a static control that reports clicks.
    void ClickStatic(int id);

    // The menu item's state after the menu bar's menu that holds it was told
    // it is about to open.
    bool MenuChecked(int id);
    bool MenuGrayed(int id);

    // Whether the control itself is shown (the window as a whole may be hidden).
    bool Shown(int id) const { return (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool KeyPressed(int cell) const { return SendMessageA(Key(cell), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Topmost() const { return (GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    RECT WindowRect(HWND window) const;

private:
    UINT OpenMenuHolding(int id);

    HWND main_ = nullptr;
    HWND history_ = nullptr;
};

// Colours the window gives indicators.
inline constexpr COLORREF kIndicatorOn = RGB(1, 1, 1);
inline constexpr COLORREF kIndicatorOff = RGB(192, 192, 192);

}  // namespace command_tests
