#include "dialog_driver.h"

#include "gui_support.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// A dialog is answered once it has had time to finish its initialisation.
constexpr auto kSettle = std::chrono::milliseconds(150);
// A dialog still shown this long after its answer is cancelled (again):
// sooner once the steps are used up, since no later answer will close it
// (a save dialog left open after "No" to the question of replacing a file).
constexpr auto kStuck = std::chrono::seconds(5);
constexpr auto kStuckWithoutSteps = std::chrono::seconds(1);

BOOL CALLBACK PhotographControl(HWND control, LPARAM context) {
    auto* seen = reinterpret_cast<SeenDialog*>(context);
    DialogControl c;
    c.className = ClassNameOf(control);
    c.text = WindowText(control);
    if (c.className == "Button") c.checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (c.className == "ComboBox") {
        const LRESULT count = SendMessageA(control, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count && i < 64; ++i) {
            char item[512] = {};
            if (SendMessageA(control, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof item) &&
                SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item)) != CB_ERR)
                c.items.push_back(item);
        }
    }
    // Nested controls share ids (the file name's combo box and its edit
    // field): the innermost, enumerated last, wins.
    seen->controls[GetDlgCtrlID(control)] = c;
    return TRUE;
}

BOOL CALLBACK FindEdit(HWND control, LPARAM context) {
    auto* found = reinterpret_cast<HWND*>(context);
    if (GetDlgCtrlID(control) == kFileNameField && ClassNameOf(control) == "Edit") {
        *found = control;
        return FALSE;
    }
    return TRUE;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

struct ThreadDialogs {
    const std::vector<HWND>* ignored;
    const std::set<HWND>* handled;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
    auto* dialogs = reinterpret_cast<ThreadDialogs*>(context);
    if (!IsWindowVisible(window) || ClassNameOf(window) != "#32770") return TRUE;
    if (std::find(dialogs->ignored->begin(), dialogs->ignored->end(), window) != dialogs->ignored->end()) return TRUE;
    if (dialogs->handled->count(window)) return TRUE;
    dialogs->found.push_back(window);
    return TRUE;
}

}  // namespace

std::string SeenDialog::Text(int id) const {
    auto it = controls.find(id);
    return it == controls.end() ? std::string() : it->second.text;
}

SeenDialog Photograph(HWND dialog) {
    SeenDialog seen;
    seen.window = dialog;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.title = WindowText(dialog);
    EnumChildWindows(dialog, PhotographControl, reinterpret_cast<LPARAM>(&seen));
    if (HWND icon = GetDlgItem(dialog, kMessageBoxIcon))
        seen.icon = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    return seen;
}

DialogStep PressButton(int id) {
    return [id](HWND dialog, const SeenDialog&) { Press(dialog, id); };
}

DialogStep EnterFileName(const std::string& path) {
    return [path](HWND dialog, const SeenDialog&) {
        HWND field = nullptr;
        EnumChildWindows(dialog, FindEdit, reinterpret_cast<LPARAM>(&field));
        if (!field) field = GetDlgItem(dialog, kFileNameField);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        Press(dialog, IDOK);
    };
}

DialogStep PrintPages(int from, int to) {
    return [from, to](HWND dialog, const SeenDialog&) {
        SendDlgItemMessageA(dialog, kPrintAllPages, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(dialog, kPrintPageRange, BM_SETCHECK, BST_CHECKED, 0);
        SetDlgItemInt(dialog, kPrintFromPage, from, FALSE);
        SetDlgItemInt(dialog, kPrintToPage, to, FALSE);
        Press(dialog, IDOK);
    };
}

DialogDriver::DialogDriver(DWORD guiThread, std::vector<HWND> ignored, std::vector<DialogStep> steps)
    : guiThread_(guiThread), ignored_(std::move(ignored)), steps_(std::move(steps)) {
    thread_ = std::thread([this] { Run(); });
}

DialogDriver::~DialogDriver() { Finish(); }

std::vector<SeenDialog> DialogDriver::Finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
}

std::vector<HWND> DialogDriver::NewDialogs() {
    ThreadDialogs dialogs{&ignored_, &handled_, {}};
    EnumThreadWindows(guiThread_, CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs.found;
}

void DialogDriver::Run() {
    size_t next = 0;
    std::map<HWND, Clock::time_point> answered;
    while (!stop_) {
        for (HWND dialog : NewDialogs()) {
            std::this_thread::sleep_for(kSettle);
            if (!IsWindow(dialog)) continue;
            handled_.insert(dialog);
            seen_.push_back(Photograph(dialog));
            if (next < steps_.size()) {
                steps_[next++](dialog, seen_.back());
            } else {
                Press(dialog, IDCANCEL);
            }
            answered[dialog] = Clock::now();
        }
        // A dialog that ignored its answer (an unexpected error in it) must
        // not keep the command, and the test, waiting for ever.
        const auto stuck = next < steps_.size() ? kStuck : kStuckWithoutSteps;
        for (auto& [dialog, when] : answered) {
            if (IsWindow(dialog) && IsWindowVisible(dialog) && Clock::now() - when > stuck) {
                Press(dialog, IDCANCEL);
                when = Clock::now();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
