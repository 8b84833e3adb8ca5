// Answers the modal windows that a command opens on the GUI thread (common
// dialogs, message boxes) from a helper thread, so that a test can send the
// command and block while the GUI thread runs the dialogs' modal loops.
//
// Each dialog that appears is photographed (title, owner, the text and class
// of every control, the items of every combo box, a message box's text and
// icon) and then handed to the next step; once the steps are used up, every
// further dialog is cancelled, so a command never leaves a test hanging.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Control ids of the system's dialogs as they stand in their templates.
inline constexpr int kFileNameField = 1148;     // file dialogs: the file name
inline constexpr int kFileTypeList = 0x470;     // file dialogs: the type filter
inline constexpr int kMessageBoxText = 0xFFFF;  // message boxes: the text
inline constexpr int kMessageBoxIcon = 0x440;   // message boxes: the icon
inline constexpr int kPrintAllPages = 0x420;    // print dialog: "All"
inline constexpr int kPrintPageRange = 0x422;   // print dialog: "Pages"
inline constexpr int kPrintFromPage = 0x480;
inline constexpr int kPrintToPage = 0x481;
inline constexpr int kPrintCopies = 0x482;

struct DialogControl {
    std::string className;
    std::string text;
    bool checked = false;
    std::vector<std::string> items;  // a combo box's list
};

struct SeenDialog {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string title;
    std::map<int, DialogControl> controls;
    HICON icon = nullptr;  // a message box's icon

    bool IsMessageBox() const { return controls.count(kMessageBoxText) != 0; }
    bool Has(int id) const { return controls.count(id) != 0; }
    std::string Text(int id) const;
};

// One answer to one dialog; runs on the helper thread.
using DialogStep = std::function<void(HWND dialog, const SeenDialog& seen)>;

// Steps that answer the usual way.
DialogStep PressButton(int id);                     // e.g. IDOK, IDCANCEL, IDYES
DialogStep EnterFileName(const std::string& path);  // fill the file name and press OK
DialogStep PrintPages(int from, int to);            // choose a page range and press OK

class DialogDriver {
public:
    // Starts answering the dialogs of `guiThread`; windows in `ignored` (the
    // modeless history dialog) are left alone.
    DialogDriver(DWORD guiThread, std::vector<HWND> ignored, std::vector<DialogStep> steps);
    ~DialogDriver();

    // Stops the helper thread and returns every dialog seen, in order.
    std::vector<SeenDialog> Finish();

private:
    void Run();
    std::vector<HWND> NewDialogs();

    DWORD guiThread_;
    std::vector<HWND> ignored_;
    std::vector<DialogStep> steps_;
    std::set<HWND> handled_;
    std::vector<SeenDialog> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Photographs a dialog window (for the helper thread; also usable directly).
SeenDialog Photograph(HWND dialog);
