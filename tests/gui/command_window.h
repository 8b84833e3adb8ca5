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

#include "gui_support.h"
#include "resource_ids.h"

namespace command_tests {

using ::WindowText;

// Runs the thread's waiting messages through the program's message routing.
inline void PumpMessages() { Pump(); }

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

class CommandWindow : public MainWindowTest {
protected:
    CommandWindow() : MainWindowTest(SW_HIDE) {}

    HWND Key(int cell) const { return Control(IDC_KEY_FIRST + cell); }

    // Sets the input line's text and selects characters start to end.
    void SetInput(const std::string& text, int start, int end);
    void SetInput(const std::string& text) {
        SetInput(text, static_cast<int>(text.size()), static_cast<int>(text.size()));
    }
    std::pair<int, int> InputSelection() const;

    using MainWindowTest::Click;
    void Click(int id) { Click(Control(id)); }
    void ClickKey(int cell) { SendMessageA(Key(cell), BM_CLICK, 0, 0); }
    // A key pressed in the input line, through the message loop's routing (so
    // through the accelerator table), with Ctrl or Shift held when asked.
    void PressKey(WORD key, bool control = false, bool shift = false);
    // A key pressed with Alt held in the input line, as the system sends it.
    void PressAltKey(WORD key);
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
    bool Topmost() const { return (GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    RECT WindowRect(HWND window) const;

private:
    UINT OpenMenuHolding(int id);
};

// Colours the window gives indicators.
inline constexpr COLORREF kIndicatorOn = RGB(1, 1, 1);
inline constexpr COLORREF kIndicatorOff = RGB(192, 192, 192);

}  // namespace command_tests
