// The settings file and the Number Format dialog on the real main window,
// started and stopped through the program's own start-up code in a fresh
// current directory per test. Modal windows (the Number Format dialog, the
// save-failure box) run their own message loops inside the command that opens
// them; a thread timer finds them there and drives or closes them.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app.h"
#include "gui_support.h"
#include "history_text.h"
#include "resource_ids.h"
#include "settings_text.h"
#include "startup.h"
#include "test_support.h"
#include "window_texts.h"

namespace fs = std::filesystem;

namespace {

constexpr char kMainClass[] = "myWindowClass";
constexpr char kDialogClass[] = "#32770";
constexpr char kFormatCaption[] = "Number Format";
// The text control of a system message box.
constexpr int kMessageBoxText = 0xFFFF;
constexpr int kMessageBoxIcon = 0x0440;
constexpr int kWidth = 288;
constexpr int kFullHeight = 439;
constexpr int kDisplayOnlyHeight = 205;

HWND Main() { return App().mainWindow; }

void Command(int id) { SendMessageA(Main(), WM_COMMAND, id, 0); }

void Enter(const char* task) {
    SetWindowTextA(App().inputLine, task);
    Command(IDC_EQUALS);
}

std::string ItemText(HWND parent, int id) { return WindowText(GetDlgItem(parent, id)); }

void PutFile(const char* path, const std::string& bytes) { ASSERT_TRUE(WriteFileBytes(path, bytes)) << path; }

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int CaptionHeight() { return GetSystemMetrics(SM_CYCAPTION); }

// What the main window is asked to do by SendMessage and SetWindowPos while
// it lives (the hook sees every message sent to a window of this thread).
class MainWindowRequests {
public:
    MainWindowRequests() {
        active_ = this;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~MainWindowRequests() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    // Commands without a control, as other parts of the program send them.
    const std::vector<int>& Commands() const { return commands_; }
    // Requests to become topmost without moving or resizing: one for each
    // time the window is made topmost.
    int TopmostRequests() const { return topmost_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        char name[32] = "";
        if (code == HC_ACTION && active_ && GetClassNameA(sent->hwnd, name, sizeof name) &&
            std::string(name) == kMainClass) {
            if (sent->message == WM_COMMAND && sent->lParam == 0) active_->commands_.push_back(LOWORD(sent->wParam));
            if (sent->message == WM_WINDOWPOSCHANGING) {
                const auto* place = reinterpret_cast<const WINDOWPOS*>(sent->lParam);
                const UINT still = SWP_NOMOVE | SWP_NOSIZE;
                if (place->hwndInsertAfter == HWND_TOPMOST && (place->flags & still) == still &&
                    !(place->flags & SWP_NOZORDER)) {
                    ++active_->topmost_;
                }
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static MainWindowRequests* active_;
    HHOOK hook_;
    std::vector<int> commands_;
    int topmost_ = 0;
};
MainWindowRequests* MainWindowRequests::active_ = nullptr;

// Watches for a visible dialog-class window of this thread with the given
// caption and hands each new one to `action`, which must end it (directly or
// by a posted message). One that is still open well after its action is
// reported and cancelled, so a test fails instead of hanging.
class ModalWatcher {
public:
    using Action = std::function<void(HWND)>;

    ModalWatcher(const char* caption, Action action) : caption_(caption), action_(std::move(action)) {
        active_ = this;
        timer_ = SetTimer(nullptr, 0, 10, Tick);
    }
    ~ModalWatcher() {
        KillTimer(nullptr, timer_);
        active_ = nullptr;
    }
    int Seen() const { return seen_; }

private:
    struct Search {
        const char* caption;
        HWND found;
    };

    static BOOL CALLBACK Match(HWND window, LPARAM lParam) {
        auto* search = reinterpret_cast<Search*>(lParam);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == kDialogClass && IsWindowVisible(window) && WindowText(window) == search->caption) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalWatcher* self = active_;
        if (!self || self->busy_) return;
        Search search{self->caption_, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), Match, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return;
        if (search.found != self->handled_) {
            self->handled_ = search.found;
            self->ticksSinceAction_ = 0;
            ++self->seen_;
            self->busy_ = true;
            self->action_(search.found);
            self->busy_ = false;
        } else if (++self->ticksSinceAction_ > 300) {
            ADD_FAILURE() << "\"" << self->caption_ << "\" stayed open after its action";
            EndDialog(search.found, IDCANCEL);
        }
    }

    static ModalWatcher* active_;
    const char* caption_;
    Action action_;
    UINT_PTR timer_;
    HWND handled_ = nullptr;
    int ticksSinceAction_ = 0;
    int seen_ = 0;
    bool busy_ = false;
};
ModalWatcher* ModalWatcher::active_ = nullptr;

// What a message box captioned "Zentrabel" showed; each is closed with OK.
struct ShownBox {
    std::string text;
    bool ownerless;
    bool errorIcon;
};

class BoxRecorder {
public:
    BoxRecorder()
        : watcher_(kMessageCaption, [this](HWND box) {
              const HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, kMessageBoxIcon, STM_GETICON, 0, 0));
              boxes_.push_back({ItemText(box, kMessageBoxText), GetWindow(box, GW_OWNER) == nullptr,
                                icon != nullptr && icon == LoadIconA(nullptr, IDI_ERROR)});
              PostMessageA(box, WM_COMMAND, IDOK, 0);
          }) {}
    const std::vector<ShownBox>& Boxes() const { return boxes_; }

private:
    std::vector<ShownBox> boxes_;
    ModalWatcher watcher_;
};

void ExpectOneSaveFailureBox(const BoxRecorder& recorder) {
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    const ShownBox& box = recorder.Boxes()[0];
    EXPECT_EQ(box.text, kSettingsSaveFailedText);
    EXPECT_TRUE(box.ownerless);
    EXPECT_TRUE(box.errorIcon);
}

// The settings file as it must lie on disk.
std::string SettingsFile(const std::string& viewLines, const std::string& angleLine, const std::string& numberLines) {
    return "==============================\r\n"
           "= CONFIGURATION FILE FOR ZBL =\r\n"
           "==============================\r\n"
           "\r\r\n= CHANGES THE APPERANCE OF THE CALCULATOR =\r\n" +
           viewLines + "\r\r\n= CHANGES THE UNIT OF ANGLE MEASUREMENT =\r\n" + angleLine +
           "\r\r\n= CHANGES THE DISPLAYED NUMBER FORMATS =\r\n" + numberLines +
           "\r\r\n= END OF CONFIGURATION FILE  =\r\n"
           "==============================\r\n";
}

const std::string kDefaultFile = SettingsFile("", "#rad   = Set angle unit to radians\r\n",
                                              "#auto  = Automatic mode for displaying numbers\r\n"
                                              "#dec 2 = Round number to 2 decimal places\r\n"
                                              "#dig 0 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
                                              "#fun 1 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
                                              "#dot   = Use dot (.) as decimal separator\r\n");

// Every view line and every setting away from its default.
const std::string kChangedFile = SettingsFile(
    "#501   = Show display only\r\n"
    "#502   = Always on top\r\n"
    "#503   = View history\r\n"
    "#504   = Task numbering\r\n",
    "#grad   = Set angle unit to grads\r\n",
    "#sci   = Scientific mode for displaying numbers\r\n"
    "#dec 7 = Round number to 7 decimal places\r\n"
    "#dig 1 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
    "#fun 0 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
    "#comma = Use comma (,) as decimal separator\r\n");

constexpr SixSettings kDefaults{kRadians, kModeAutomatic, 2, 0, 1, 0};

// A fresh, empty current directory for each test; the window is stopped and
// the directory removed afterwards.
class SettingsWindow : public testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("zbl_gui_") + info->test_suite_name() + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }

    void TearDown() override {
        Stop();
        fs::current_path(home_);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // The program's start-up up to its message loop, as zentrabel.exe runs
    // it, but hidden: under Wine without a window manager every shown window
    // takes two seconds to go away again.
    static void Start() {
        // Another test's window class must not make registration fail.
        UnregisterClassA(kMainClass, GetModuleHandleA(nullptr));
        ASSERT_TRUE(StartZentrabel(GetModuleHandleA(nullptr), SW_HIDE));
        Pump();
    }

    static void Stop() {
        if (Main() && IsWindow(Main())) DestroyWindow(Main());
        Pump();
        UnregisterClassA(kMainClass, GetModuleHandleA(nullptr));
    }

    static RECT StartRect() {
        const int height = kFullHeight + CaptionHeight();
        const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - kWidth / 2;
        const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
        return RECT{left, top, left + kWidth, top + height};
    }

    fs::path home_;
    fs::path dir_;
};

using SettingsFileSaving = SettingsWindow;

TEST_F(SettingsFileSaving, DefaultsGiveTheExactFile) {
    const struct {
        const char* name;
        const char* oldFile;  // nullptr: none
    } rows[] = {
        {"no file before", nullptr},
        {"over an older file", "#deg\r\n#fix 9\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove("zbl.cfg");
        Start();
        if (row.oldFile) PutFile("zbl.cfg", row.oldFile);
        BoxRecorder boxes;
        Command(IDM_SAVE_SETTINGS);
        EXPECT_EQ(ReadFileBytes("zbl.cfg"), kDefaultFile);
        EXPECT_FALSE(fs::exists(kSettingsTempFileName));
        EXPECT_TRUE(boxes.Boxes().empty());
        Stop();
    }
}

TEST_F(SettingsFileSaving, ChangedSettingsComeBackAfterARestart) {
    Start();
    for (const char* task : {"#deg", "#fix 4", "#dig 1", "#fun 0", "#comma"}) Enter(task);
    Command(IDM_VIEW_HISTORY);
    Command(IDM_TASK_NUMBERING);
    Command(IDM_SAVE_SETTINGS);
    const std::string saved = ReadFileBytes("zbl.cfg");
    EXPECT_EQ(saved, SettingsFile("#503   = View history\r\n#504   = Task numbering\r\n",
                                  "#deg   = Set angle unit to degrees\r\n",
                                  "#fix   = Fixed mode for displaying numbers\r\n"
                                  "#dec 4 = Round number to 4 decimal places\r\n"
                                  "#dig 1 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
                                  "#fun 0 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
                                  "#comma = Use comma (,) as decimal separator\r\n"));

    Stop();
    Start();
    ExpectSettings(App().CurrentTask, {kDegrees, kModeFixed, 4, 1, 0, 1});
    EXPECT_TRUE(IsWindowVisible(App().historyDialog));
    EXPECT_EQ(App().bHistoryVisible, 1);
    EXPECT_EQ(App().bTaskNumbering, 1);
    Enter("1234.5");
    EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1 234,500 0");
    EXPECT_NE(ItemText(App().historyDialog, IDC_HISTORY_TEXT).find("\r\n1. \t1234,5 = 1 234,500 0\r\n"),
              std::string::npos);

    Command(IDM_SAVE_SETTINGS);
    EXPECT_EQ(ReadFileBytes("zbl.cfg"), saved);
}

TEST_F(SettingsFileSaving, EveryLineReadIsWrittenAgain) {
    PutFile("zbl.cfg", kChangedFile);
    Start();
    Command(IDM_SAVE_SETTINGS);
    EXPECT_EQ(ReadFileBytes("zbl.cfg"), kChangedFile);
}

// A save that fails leaves the old file and says so; nothing in memory changes.
TEST_F(SettingsFileSaving, FailureKeepsTheOldFileAndShowsTheBox) {
    const struct {
        const char* name;
        const char* blockingFolder;  // a folder where a file must go
        bool oldFile;
    } rows[] = {
        {"new file cannot be made", kSettingsTempFileName, true},
        {"old file cannot be replaced", kSettingsFileName, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(kSettingsFileName);
        fs::remove_all(kSettingsTempFileName);
        if (row.oldFile) PutFile(kSettingsFileName, "#deg\r\n");
        fs::create_directory(row.blockingFolder);
        Start();
        Enter("#grad");
        BoxRecorder boxes;
        Command(IDM_SAVE_SETTINGS);
        ExpectOneSaveFailureBox(boxes);
        if (row.oldFile) {
            EXPECT_EQ(ReadFileBytes(kSettingsFileName), "#deg\r\n");
        } else {
            EXPECT_FALSE(fs::exists(kSettingsTempFileName));
        }
        EXPECT_TRUE(fs::is_directory(row.blockingFolder));
        EXPECT_EQ(App().CurrentTask.iAngleUnit, kGrads);
        Stop();
    }
}

// Under Wine /sys is Z:\sys, a folder where no one may create a file.
TEST_F(SettingsFileSaving, ReadOnlyFolder) {
    const char* folder = "Z:\\sys";
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        GTEST_SKIP() << "no folder " << folder;
    }
    HANDLE probe = CreateFileA("Z:\\sys\\zbl_probe", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        DeleteFileA("Z:\\sys\\zbl_probe");
        GTEST_SKIP() << "files can be made in " << folder;
    }
    ASSERT_TRUE(SetCurrentDirectoryA(folder));
    {
        BoxRecorder startBoxes;
        Start();
        EXPECT_TRUE(startBoxes.Boxes().empty());
    }
    ExpectSettings(App().CurrentTask, kDefaults);
    Enter("#sci");
    BoxRecorder boxes;
    Command(IDM_SAVE_SETTINGS);
    ExpectOneSaveFailureBox(boxes);
    EXPECT_EQ(App().CurrentTask.iNumberMode, kModeScientific);
}

using SettingsFileReading = SettingsWindow;

TEST_F(SettingsFileReading, StartUpRunsTheLines) {
    struct Views {
        int displayOnly, topmost, history, numbering;
    };
    struct Row {
        const char* name;
        const char* file;  // nullptr: no file
        SixSettings settings;
        Views views;
        std::vector<int> commands;  // sent to the main window while starting
    };
    const std::string longLine = "#fix" + std::string(600, ' ') + "\r\n#grad\r\n";
    const Row rows[] = {
        {"no file", nullptr, kDefaults, {0, 0, 0, 0}, {}},
        {"defaults file", kDefaultFile.c_str(), kDefaults, {0, 0, 0, 0}, {}},
        {"#501", "#501\r\n", kDefaults, {1, 0, 0, 0}, {}},
        {"#502", "#502\r\n", kDefaults, {0, 1, 0, 0}, {}},
        // The titles after the view lines run nothing; each view acts once.
        {"#503 and #504",
         "#503\r\n= T =\r\n#504\r\n\r\r\n= END =\r\n",
         kDefaults,
         {0, 0, 1, 1},
         {IDM_VIEW_HISTORY, IDM_TASK_NUMBERING}},
        {"#505", "#505\r\n", kDefaults, {0, 0, 0, 0}, {IDM_CLEAR_HISTORY}},
        {"#xyz", "#xyz\r\n#deg\r\n", {kDegrees, 0, 2, 0, 1, 0}, {0, 0, 0, 0}, {}},
        {"last line without line feed", "#deg\r\n#fix", {kDegrees, 0, 2, 0, 1, 0}, {0, 0, 0, 0}, {}},
        {"line feeds alone", "#sci\n#dec 5\n", {0, kModeScientific, 5, 0, 1, 0}, {0, 0, 0, 0}, {}},
        {"comments and blanks", "  #deg\r\n=#fix\r\n#dig 1 = #fun 0\r\n", {0, 0, 2, 1, 1, 0}, {0, 0, 0, 0}, {}},
        // Longer than the input line: skipped whole, not cut.
        {"too long a line", longLine.c_str(), {kGrads, 0, 2, 0, 1, 0}, {0, 0, 0, 0}, {}},
        // Stored without a range check, as when typed.
        {"#dec 20", "#dec 20\r\n", {0, 0, 20, 0, 1, 0}, {0, 0, 0, 0}, {}},
        {"every line",
         kChangedFile.c_str(),
         {kGrads, kModeScientific, 7, 1, 0, 1},
         {1, 1, 1, 1},
         {IDM_VIEW_HISTORY, IDM_TASK_NUMBERING}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove("zbl.cfg");
        if (row.file) PutFile("zbl.cfg", row.file);
        BoxRecorder boxes;
        {
            MainWindowRequests requests;
            Start();
            EXPECT_EQ(requests.Commands(), row.commands);
            EXPECT_EQ(requests.TopmostRequests(), row.views.topmost);
        }
        EXPECT_TRUE(boxes.Boxes().empty());
        AppState& app = App();
        ExpectSettings(app.CurrentTask, row.settings);
        EXPECT_EQ(app.bDisplayOnly, row.views.displayOnly);
        EXPECT_EQ(app.bAlwaysOnTop, row.views.topmost);
        EXPECT_EQ((GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, row.views.topmost != 0);
        EXPECT_EQ(app.bHistoryVisible, row.views.history);
        EXPECT_EQ(app.bTaskNumbering, row.views.numbering);

        const RECT start = StartRect();
        const RECT shown = WindowRect(Main());
        EXPECT_EQ(shown.left, start.left);
        EXPECT_EQ(shown.top, start.top);
        EXPECT_EQ(shown.right - shown.left, kWidth);
        EXPECT_EQ(shown.bottom - shown.top,
                  (row.views.displayOnly ? kDisplayOnlyHeight : kFullHeight) + CaptionHeight());
        EXPECT_EQ(IsWindowVisible(App().historyDialog) != 0, row.views.history == 1);
        if (row.views.history) {
            const RECT history = WindowRect(App().historyDialog);
            EXPECT_EQ(history.left, shown.right + App().iWindowGap);
            EXPECT_EQ(history.top, shown.top);
        }

        // Nothing the lines did is shown or recorded: no message, no entry.
        EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "");
        const std::string history = ItemText(App().historyDialog, IDC_HISTORY_TEXT);
        EXPECT_EQ(history.rfind(kBannerHead, 0), 0u);
        EXPECT_EQ(history.find("#"), std::string::npos);
        Stop();
    }
}

// Needs the main window's "Clear History" (2114): it empties the task of
// CurrentTask and copies the record into PreviousTask.
TEST_F(SettingsFileReading, ClearHistoryLineActsAtStartUp) {
    PutFile("zbl.cfg", "#deg\r\n#505\r\n");
    Start();
    EXPECT_STREQ(App().CurrentTask.szTask, "");
    EXPECT_EQ(App().PreviousTask.iAngleUnit, kDegrees);
}

void OpenByCommand() { Command(IDM_NUMBER_FORMAT); }

// Opens the Number Format dialog with `open` and hands it to `action`, which
// must end it; the dialog must have opened exactly once.
void WithFormatDialog(const ModalWatcher::Action& action, const std::function<void()>& open = OpenByCommand) {
    ModalWatcher watcher(kFormatCaption, action);
    open();
    EXPECT_EQ(watcher.Seen(), 1);
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

void ExpectDecimalsEnabled(HWND dialog, bool enabled) {
    EXPECT_EQ(Enabled(dialog, IDC_FORMAT_DECIMALS), enabled);
    EXPECT_EQ(Enabled(dialog, IDC_FORMAT_SPINNER), enabled);
    EXPECT_EQ(Enabled(dialog, IDC_FORMAT_DECIMALS_LABEL), enabled);
}

void PressEscape(HWND dialog) {
    HWND focus = GetFocus();
    PostMessageA(focus && IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

void Spin(HWND dialog, int request) {
    SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(request, 0),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FORMAT_SPINNER)));
}

using NumberFormatDialog = SettingsWindow;

TEST_F(NumberFormatDialog, OpensFromCommandKeyAndToolbar) {
    const struct {
        const char* name;
        std::function<void()> open;
    } rows[] = {
        {"command 2305", OpenByCommand},
        {"F10",
         [] {
             PostMessageA(App().inputLine, WM_KEYDOWN, VK_F10, 0);
             Pump();
         }},
        {"toolbar button",
         [] {
             RECT button{};
             SendMessageA(App().toolbar, TB_GETRECT, IDM_NUMBER_FORMAT, reinterpret_cast<LPARAM>(&button));
             const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
             PostMessageA(App().toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
             PostMessageA(App().toolbar, WM_LBUTTONUP, 0, at);
             Pump();
         }},
    };
    Start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WithFormatDialog([](HWND dialog) { Click(dialog, IDCANCEL); }, row.open);
    }
}

TEST_F(NumberFormatDialog, ShowsTheSettingsItOpensWith) {
    const struct {
        std::vector<const char*> commands;
        int mode, angle;  // the buttons checked
        const char* decimals;
        bool grouping;
    } rows[] = {
        {{}, IDC_FORMAT_AUTO, IDC_FORMAT_RAD, "2", false},
        {{"#fix 7", "#grad", "#dig 1"}, IDC_FORMAT_FIX, IDC_FORMAT_GRAD, "7", true},
        // Typed beyond the spinner's range; shown as it stands.
        {{"#sci", "#deg", "#dig 0", "#dec -3"}, IDC_FORMAT_SCI, IDC_FORMAT_DEG, "-3", false},
    };
    Start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.decimals);
        for (const char* command : row.commands) Enter(command);
        const TaskRecord before = App().CurrentTask;
        WithFormatDialog([&](HWND dialog) {
            for (int id = IDC_FORMAT_AUTO; id <= IDC_FORMAT_FIX; ++id) EXPECT_EQ(Checked(dialog, id), id == row.mode);
            for (int id = IDC_FORMAT_RAD; id <= IDC_FORMAT_GRAD; ++id) EXPECT_EQ(Checked(dialog, id), id == row.angle);
            EXPECT_EQ(ItemText(dialog, IDC_FORMAT_DECIMALS), row.decimals);
            EXPECT_EQ(Checked(dialog, IDC_FORMAT_GROUPING), row.grouping);
            ExpectDecimalsEnabled(dialog, row.mode != IDC_FORMAT_AUTO);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
            Click(dialog, IDCANCEL);
        });
        ExpectSettings(App().CurrentTask, SettingsOf(before));
    }
}

TEST_F(NumberFormatDialog, PlacedBesideTheMainWindow) {
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    const struct {
        const char* name;
        int mainLeft;
        bool onTheLeft;
    } rows[] = {
        {"exactly 288 pixels on the right", screen - kWidth - kWidth, false},
        {"287 pixels on the right", screen - kWidth - kWidth + 1, true},
    };
    Start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetWindowPos(Main(), nullptr, row.mainLeft, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT main = WindowRect(Main());
        const int gap = App().iWindowGap;
        WithFormatDialog([&](HWND dialog) {
            const RECT placed = WindowRect(dialog);
            EXPECT_EQ(placed.left, row.onTheLeft ? main.left - gap - kWidth : main.right + gap);
            EXPECT_EQ(placed.top, main.top);
            EXPECT_EQ(placed.right - placed.left, kWidth);
            EXPECT_EQ(placed.bottom - placed.top, kFullHeight + CaptionHeight());
            Click(dialog, IDCANCEL);
        });
    }
    // The platform reports major version 6 or later.
    EXPECT_EQ(App().iWindowGap, 10);
}

TEST_F(NumberFormatDialog, ModeButtonsEnableTheDecimalPlaces) {
    const struct {
        int button;
        int mode;
        bool enabled;
    } rows[] = {
        {IDC_FORMAT_SCI, kModeScientific, true},
        {IDC_FORMAT_AUTO, kModeAutomatic, false},
        {IDC_FORMAT_FIX, kModeFixed, true},
    };
    Start();
    WithFormatDialog([&](HWND dialog) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.button);
            Click(dialog, row.button);
            for (int id = IDC_FORMAT_AUTO; id <= IDC_FORMAT_FIX; ++id) EXPECT_EQ(Checked(dialog, id), id == row.button);
            ExpectDecimalsEnabled(dialog, row.enabled);
            EXPECT_EQ(App().CurrentTask.iNumberMode, row.mode);
            EXPECT_EQ(App().PreviousTask.iNumberMode, row.mode);
        }
        Click(dialog, IDOK);
    });
}

// Every change shows at once; each way of cancelling puts all four back.
TEST_F(NumberFormatDialog, ChangesShowAtOnceAndCancelRestoresThem) {
    const struct {
        const char* name;
        void (*cancel)(HWND);
    } rows[] = {
        {"Cancel button", [](HWND dialog) { Click(dialog, IDCANCEL); }},
        {"Escape in the decimal places",
         [](HWND dialog) {
             SetFocus(GetDlgItem(dialog, IDC_FORMAT_DECIMALS));
             PressEscape(dialog);
         }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Start();
        Enter("1234.5678");
        ASSERT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1234.5678");
        WithFormatDialog([&](HWND dialog) {
            Click(dialog, IDC_FORMAT_FIX);
            EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1234.57");
            SetDlgItemTextA(dialog, IDC_FORMAT_DECIMALS, "3");
            EXPECT_EQ(App().CurrentTask.iDecimals, 3);
            EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1234.568");
            Click(dialog, IDC_FORMAT_GROUPING);
            EXPECT_EQ(App().CurrentTask.bDigitGrouping, 1);
            EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1 234.568");
            Click(dialog, IDC_FORMAT_DEG);
            EXPECT_TRUE(Checked(dialog, IDC_FORMAT_DEG));
            EXPECT_FALSE(Checked(dialog, IDC_FORMAT_RAD));
            EXPECT_EQ(App().CurrentTask.iAngleUnit, kDegrees);
            row.cancel(dialog);
        });
        ExpectSettings(App().CurrentTask, kDefaults);
        EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), "1234.5678");
        EXPECT_EQ(App().PreviousTask.iDecimals, 2);
        EXPECT_EQ(App().PreviousTask.bDigitGrouping, 0);
        Stop();
    }
}

TEST_F(NumberFormatDialog, OkKeepsTheValuesAndThePreviousAnswerFollows) {
    Start();
    Enter("1/8");
    Enter("1234.5678");
    ASSERT_EQ(ItemText(Main(), IDC_PREVIOUS_ANSWER), "0.125");
    WithFormatDialog([](HWND dialog) {
        Click(dialog, IDC_FORMAT_SCI);
        SetDlgItemTextA(dialog, IDC_FORMAT_DECIMALS, "4");
        Click(dialog, IDC_FORMAT_GROUPING);
        Click(dialog, IDC_FORMAT_GRAD);
        Click(dialog, IDOK);
    });
    const AppState& app = App();
    ExpectSettings(app.CurrentTask, {kGrads, kModeScientific, 4, 1, 1, 0});
    EXPECT_EQ(app.PreviousTask.iNumberMode, kModeScientific);
    EXPECT_EQ(app.PreviousTask.iDecimals, 4);
    EXPECT_EQ(app.PreviousTask.bDigitGrouping, 1);
    // Only the three display settings are copied, not the angle unit.
    EXPECT_EQ(app.PreviousTask.iAngleUnit, kRadians);
    EXPECT_EQ(TwoDigitExponent(ItemText(Main(), IDC_PREVIOUS_ANSWER)), "1.250 0e-01");
    EXPECT_EQ(TwoDigitExponent(ItemText(Main(), IDC_CURRENT_ANSWER)), "1.234 6e+03");
}

TEST_F(NumberFormatDialog, SpinnerStaysWithin0To15) {
    const struct {
        const char* text;
        int request;
        const char* after;
        int decimals;
    } rows[] = {
        {"14", SB_LINEUP, "15", 15},
        {"15", SB_LINEUP, "15", 15},
        {"1", SB_LINEDOWN, "0", 0},
        {"0", SB_LINEDOWN, "0", 0},
        {"7", SB_LINEUP, "8", 8},
        {"20", SB_LINEUP, "20", 20},
        {"20", SB_LINEDOWN, "19", 19},
        {"-2", SB_LINEDOWN, "-2", -2},
        {"-2", SB_LINEUP, "-1", -1},
        // Any other request writes the value back as a plain integer.
        {"7x", SB_ENDSCROLL, "7", 7},
    };
    Start();
    Enter("#fix");
    WithFormatDialog([&](HWND dialog) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.text) + " request " + std::to_string(row.request));
            SetDlgItemTextA(dialog, IDC_FORMAT_DECIMALS, row.text);
            Spin(dialog, row.request);
            EXPECT_EQ(ItemText(dialog, IDC_FORMAT_DECIMALS), row.after);
            EXPECT_EQ(App().CurrentTask.iDecimals, row.decimals);
        }
        Click(dialog, IDOK);
    });
}

TEST_F(NumberFormatDialog, TypedDecimalPlacesAreTakenAsTheyStand) {
    const struct {
        const char* text;
        int decimals;
        const char* answer;
    } rows[] = {
        {"12", 12, "1234.567800000000"},
        {"0", 0, "1235"},
        {"5 places", 5, "1234.56780"},
        {"abc", 0, "1235"},
        {"", 0, "1235"},
    };
    Start();
    Enter("#fix");
    Enter("1234.5678");
    WithFormatDialog([&](HWND dialog) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.text);
            SetDlgItemTextA(dialog, IDC_FORMAT_DECIMALS, row.text);
            EXPECT_EQ(App().CurrentTask.iDecimals, row.decimals);
            EXPECT_EQ(ItemText(Main(), IDC_CURRENT_ANSWER), row.answer);
        }
        Click(dialog, IDOK);
    });
}

}  // namespace
