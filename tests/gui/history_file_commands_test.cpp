// Save As, Open, Copy History and Print on the real main window: commands
// sent as the menu, the toolbar and the Task History dialog send them, the
// system's own dialogs answered from a helper thread, and the results read
// back from files, the clipboard, the history text and printed PDFs.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app.h"
#include "dialog_driver.h"
#include "gui_support.h"
#include "history_file.h"
#include "history_file_commands.h"
#include "print_layout.h"
#include "resource_ids.h"
#include "startup.h"
#include "unix_shell.h"
#include "window_texts.h"

namespace {

constexpr char kMainClass[] = "myWindowClass";

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFolder(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string path = dir + "\\" + found.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

// Today's proposed name, made here with the C library's own date format.
std::string ProposedName() {
    std::time_t now = std::time(nullptr);
    char name[64];
    std::strftime(name, sizeof name, "zbl_%d%m%Y", std::localtime(&now));
    return name;
}

std::string Footer() {
    return std::string("\r\n=======================\r\nCalculated by Zentrabel\r\n") + kMakerAddress;
}

const std::vector<std::string> kFilterNames = {"Text Files (*.txt)", "All Files (*.*)"};

// A fresh main window for every test, in a fresh folder of its own.
class HistoryFiles : public testing::Test {
protected:
    void SetUp() override {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        // Another test may have left the class registered.
        UnregisterClassA(kMainClass, instance);
        ASSERT_TRUE(StartZentrabel(instance, SW_SHOWNORMAL));
        Pump();
        main_ = App().mainWindow;
        input_ = App().inputLine;
        history_ = GetDlgItem(App().historyDialog, IDC_HISTORY_TEXT);

        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int serial = 0;
        dir_ =
            std::string(temp) + "zbl_histio_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
        RemoveFolder(dir_);  // Wine gives out process ids again
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
    }

    void TearDown() override {
        // A link into a host folder is no file that Windows calls can delete.
        if (hostLinks_) UnixShell(dir_).Run("rm -f readonly.txt");
        if (IsWindow(main_)) DestroyWindow(main_);
        Pump();
        UnregisterClassA(kMainClass, GetModuleHandleA(nullptr));
        RemoveFolder(dir_);
    }

    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

    void Enter(const std::string& task) {
        SetWindowTextA(input_, task.c_str());
        SendMessageA(main_, WM_COMMAND, IDC_EQUALS, 0);
    }

    std::string WindowText(HWND window) const {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    std::string History() const { return WindowText(history_); }
    // The four display lines, top to bottom.
    std::vector<std::string> Display() const {
        std::vector<std::string> lines;
        for (int id : {IDC_PREVIOUS_TASK, IDC_PREVIOUS_ANSWER, IDC_CURRENT_TASK, IDC_CURRENT_ANSWER})
            lines.push_back(WindowText(GetDlgItem(main_, id)));
        return lines;
    }
    void SetHistory(const std::string& text) { SetWindowTextA(history_, text.c_str()); }

    // Sends `command` to `target` (the main window unless given) while the
    // steps answer the dialogs it opens; returns every dialog that appeared.
    std::vector<SeenDialog> Run(int command, std::vector<DialogStep> steps, HWND target = nullptr) {
        DialogDriver driver(GetCurrentThreadId(), {App().historyDialog}, std::move(steps));
        SendMessageA(target ? target : main_, WM_COMMAND, command, 0);
        Pump();
        return driver.Finish();
    }

    HWND main_ = nullptr;
    HWND input_ = nullptr;
    HWND history_ = nullptr;
    std::string dir_;
    bool hostLinks_ = false;
};

// The dialogs seen, for failure messages.
std::string Describe(const std::vector<SeenDialog>& seen) {
    std::string text;
    for (const SeenDialog& dialog : seen)
        text += "[" + dialog.title + (dialog.IsMessageBox() ? ": " + dialog.Text(kMessageBoxText) : "") + "] ";
    return text;
}

void ExpectFailedSaveBox(const SeenDialog& box, HWND owner) {
    ASSERT_TRUE(box.IsMessageBox());
    EXPECT_EQ(box.title, kMessageCaption);
    EXPECT_EQ(box.Text(kMessageBoxText), kHistorySaveFailedText);
    EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_ERROR));
    EXPECT_EQ(box.owner, owner);
}

// ---------------------------------------------------------------- Save As

TEST_F(HistoryFiles, SaveWritesTheHistoryThenTheFooter) {
    struct Row {
        const char* typed;
        const char* file;
        bool fromHistoryDialog;  // the Task History dialog's "Save" instead of 2003
    };
    const Row rows[] = {
        {"plain", "plain.txt", false},  // the default extension is added
        {"kept.txt", "kept.txt", true},
        {"notes.log", "notes.log", false},
    };
    Enter("1+1");
    Enter("2H2O");
    Enter("sin(");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string history = History();
        std::vector<SeenDialog> seen =
            row.fromHistoryDialog ? Run(IDC_HISTORY_SAVE, {EnterFileName(Path(row.typed))}, App().historyDialog)
                                  : Run(IDM_SAVE_AS, {EnterFileName(Path(row.typed))});
        ASSERT_EQ(seen.size(), 1u);
        const SeenDialog& dialog = seen[0];
        EXPECT_EQ(dialog.owner, main_);
        EXPECT_TRUE(dialog.Has(kFileNameField)) << "not the Explorer-style dialog";
        EXPECT_EQ(dialog.Text(kFileNameField), ProposedName());
        EXPECT_EQ(dialog.controls.at(kFileTypeList).items, kFilterNames);
        EXPECT_EQ(ReadFileBytes(Path(row.file)), history + Footer());
        EXPECT_EQ(History(), history);
    }
}

TEST_F(HistoryFiles, SavingAnEmptyHistoryGivesAnEmptyFile) {
    SetHistory("");
    std::vector<SeenDialog> seen = Run(IDM_SAVE_AS, {EnterFileName(Path("empty.txt"))});
    EXPECT_EQ(seen.size(), 1u) << "no message for an empty history";
    bool exists = false;
    EXPECT_EQ(ReadFileBytes(Path("empty.txt"), &exists), "");
    EXPECT_TRUE(exists);
}

TEST_F(HistoryFiles, SaveAsksBeforeReplacingAFile) {
    struct Row {
        int answer;
        bool replaced;
    };
    for (const Row& row : {Row{IDYES, true}, Row{IDNO, false}}) {
        SCOPED_TRACE(row.answer);
        ASSERT_TRUE(WriteFileBytes(Path("old.txt"), "old"));
        // After "No" the save dialog stays open; the driver cancels it.
        std::vector<SeenDialog> seen = Run(IDM_SAVE_AS, {EnterFileName(Path("old.txt")), PressButton(row.answer)});
        ASSERT_GE(seen.size(), 2u);
        EXPECT_TRUE(seen[1].IsMessageBox()) << "the question before replacing";
        for (size_t i = 2; i < seen.size(); ++i) EXPECT_FALSE(seen[i].IsMessageBox()) << seen[i].title;
        EXPECT_EQ(ReadFileBytes(Path("old.txt")), row.replaced ? History() + Footer() : "old");
    }
}

TEST_F(HistoryFiles, CancelledSaveIsSilent) {
    const std::string proposed = ProposedName() + ".txt";
    const bool existedBefore = FileExists(proposed);
    std::vector<SeenDialog> seen = Run(IDM_SAVE_AS, {PressButton(IDCANCEL)});
    EXPECT_EQ(seen.size(), 1u);
    if (!existedBefore) {
        EXPECT_FALSE(FileExists(proposed));
    }
}

// A save that does not reach the disk must be reported: the user would
// otherwise believe the history was kept.
TEST_F(HistoryFiles, FailedSaveIsReported) {
    struct Row {
        const char* name;
        std::string path;
        bool heldOpen;  // the file is open elsewhere without sharing
    };
    // sysfs takes no new files, not even from root, and the file dialog does
    // not enter it: a name linked to a file there is a read-only place for
    // every user the tests may run as.
    UnixShell shell(dir_);
    const bool haveReadOnlyPlace =
        shell.Run("ln -s /sys/zbl_history.txt readonly.txt && ! touch readonly.txt 2>/dev/null") == 0;
    hostLinks_ = haveReadOnlyPlace;
    std::vector<Row> rows = {{"file in use", Path("held.txt"), true}};
    if (haveReadOnlyPlace) rows.push_back({"read-only place", Path("readonly.txt"), false});
    Enter("3*3");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (row.heldOpen) {
            held = CreateFileA(row.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        const std::string history = History();
        std::vector<DialogStep> steps = {EnterFileName(row.path)};
        if (row.heldOpen) steps.push_back(PressButton(IDYES));  // replace the existing file
        std::vector<SeenDialog> seen = Run(IDM_SAVE_AS, steps);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SCOPED_TRACE(Describe(seen));
        ASSERT_EQ(seen.size(), row.heldOpen ? 3u : 2u);
        ExpectFailedSaveBox(seen.back(), main_);
        EXPECT_EQ(History(), history);
    }
    EXPECT_TRUE(haveReadOnlyPlace || !shell.Available()) << shell.Output();
}

TEST_F(HistoryFiles, WriteFailuresAreFailures) {
    Enter("1+2");
    // Every write to this device fails: the disk is full.
    EXPECT_EQ(WriteHistoryFile("Z:\\dev\\full", history_), HistoryFileResult::kFailed);
    EXPECT_EQ(WriteHistoryFile(Path("no\\such\\folder.txt").c_str(), history_), HistoryFileResult::kFailed);
    EXPECT_EQ(WriteHistoryFile(Path("fine.txt").c_str(), history_), HistoryFileResult::kWritten);
}

// ------------------------------------------------------------------- Open

TEST_F(HistoryFiles, OpenReplaysEveryLineAsIfTyped) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;  // what the user would have typed, line by line
    };
    const std::string ones(1000, '1');
    const Row rows[] = {
        {"CR LF", "1+1\r\n2*3\r\n", {"1+1", "\n2*3", "\n"}},
        {"no final line end", "1+1\r\n2*3", {"1+1", "\n2*3"}},
        // Lines end at CR only: a file of LF line ends is one task.
        {"LF only", "1+1\n2*3\n", {"1+1\n2*3\n"}},
        {"CR only", "8/2\r2^3", {"8/2", "2^3"}},
        {"blank lines", "4/2\r\n\r\n\r\n5-1", {"4/2", "\n", "\n", "\n5-1"}},
        {"empty file", "", {""}},
        // The line buffer holds 650 characters: a longer line is cut there.
        {"1000-character line", "7*7\r\n" + ones, {"7*7", ones.substr(0, 649).insert(0, 1, '\n')}},
        {"1000-character line between", ones + "\r\n6*6", {ones.substr(0, 650), "\n6*6"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(WriteFileBytes(Path("replay.txt"), row.bytes));
        // Both roads start after the same task, so that the display can match.
        Enter("0");
        const size_t before = History().size();
        std::vector<SeenDialog> seen = Run(IDM_OPEN, {EnterFileName(Path("replay.txt"))});
        ASSERT_EQ(seen.size(), 1u);
        const std::string replayed = History().substr(before);
        const std::string inputAfterReplay = WindowText(input_);
        const std::vector<std::string> displayAfterReplay = Display();
        EXPECT_EQ(GetFocus(), input_);

        Enter("0");
        const size_t typedFrom = History().size();
        for (const std::string& line : row.lines) Enter(line);
        EXPECT_EQ(replayed, History().substr(typedFrom));
        EXPECT_EQ(inputAfterReplay, WindowText(input_));
        EXPECT_EQ(displayAfterReplay, Display());
    }
}

// A line that begins with "=" is thrown away without being shown, so the
// display keeps the calculation before it; after a replay it must show what
// typing the same lines shows, whatever the files' line ends.
TEST_F(HistoryFiles, ReplayShowsWhatTypingShowsAroundThrownAwayLines) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;  // the lines as the replay cuts them
    };
    const Row rows[] = {
        {"CR only, last line thrown away", "1+1\r=5", {"1+1", "=5"}},
        {"CR only, thrown away between tasks", "1+1\r=5\r2*3", {"1+1", "=5", "2*3"}},
        {"CR only, several thrown away", "=1\r=2\r4-1\r=3\r=4", {"=1", "=2", "4-1", "=3", "=4"}},
        {"CR only, after an equation", "x^2-5x+6\r=1", {"x^2-5x+6", "=1"}},
        {"CR only, a saved footer", "2+2\r=======================\r", {"2+2", "=======================", ""}},
        // Lines end at CR only: an LF file is one line, thrown away as a whole.
        {"LF only, first line thrown away", "=5\n1+1\n=7\n", {"=5\n1+1\n=7\n"}},
        {"LF only, a task first", "1+1\n=5", {"1+1\n=5"}},
        {"CR LF, first line thrown away", "=5\r\n2*3\r\n", {"=5", "\n2*3", "\n"}},
        {"CR LF, last line thrown away", "1+1\r\n=5", {"1+1", "\n=5"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(WriteFileBytes(Path("replay.txt"), row.bytes));
        // Both roads start from the same two calculations on the display.
        Enter("6*7");
        Enter("7*6");
        const size_t before = History().size();
        ASSERT_EQ(Run(IDM_OPEN, {EnterFileName(Path("replay.txt"))}).size(), 1u);
        const std::string replayed = History().substr(before);
        const std::vector<std::string> displayAfterReplay = Display();
        const std::string inputAfterReplay = WindowText(input_);

        Enter("6*7");
        Enter("7*6");
        const size_t typedFrom = History().size();
        for (const std::string& line : row.lines) Enter(line);
        EXPECT_EQ(displayAfterReplay, Display());
        EXPECT_EQ(replayed, History().substr(typedFrom));
        EXPECT_EQ(inputAfterReplay, WindowText(input_));
        // And the next task is shown the same way after both.
        Enter("1+2");
        const std::vector<std::string> typedNext = Display();
        Enter("6*7");
        Enter("7*6");
        Run(IDM_OPEN, {EnterFileName(Path("replay.txt"))});
        Enter("1+2");
        EXPECT_EQ(Display(), typedNext);
    }
}

TEST_F(HistoryFiles, OpenDialogAndItsResults) {
    ASSERT_TRUE(WriteFileBytes(Path("tasks.txt"), "1+1\r\n2H2O\r\n#sci\r\n10000"));
    const std::string before = History();
    std::vector<SeenDialog> seen = Run(IDM_OPEN, {EnterFileName(Path("tasks.txt"))});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].owner, main_);
    EXPECT_TRUE(seen[0].Has(kFileNameField)) << "not the Explorer-style dialog";
    EXPECT_EQ(seen[0].Text(kFileNameField), "");
    EXPECT_EQ(seen[0].controls.at(kFileTypeList).items, kFilterNames);
    const std::string added = History().substr(before.size());
    EXPECT_NE(added.find("\r\n1+1 = 2\r\n"), std::string::npos) << added;
    EXPECT_NE(added.find("\r\n2H2O = 36.03056\r\n"), std::string::npos) << added;
    // The last line has no line end and is calculated all the same, in the
    // mode that the line before it set (exponent digits vary by C runtime).
    EXPECT_TRUE(added.find("\r\n10000 = 1.00e+04\r\n") != std::string::npos ||
                added.find("\r\n10000 = 1.00e+004\r\n") != std::string::npos)
        << added;
    EXPECT_EQ(WindowText(input_), "");
    // The window paints again after the replay and shows its last task.
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_EQ(WindowText(GetDlgItem(main_, IDC_CURRENT_TASK)), "10000");
    EXPECT_EQ(WindowText(GetDlgItem(main_, IDC_PREVIOUS_TASK)), "#sci");

    const std::string now = History();
    seen = Run(IDM_OPEN, {PressButton(IDCANCEL)});
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(History(), now);
}

TEST_F(HistoryFiles, ReplayOfAFileThatCannotBeReadChangesNothing) {
    const std::string before = History();
    EXPECT_EQ(ReplayHistoryFile(Path("missing.txt").c_str(), main_, input_, history_), 1);
    EXPECT_EQ(History(), before);
}

TEST_F(HistoryFiles, SavedHistoryReplaysThroughBothDialogs) {
    Enter("5*5");
    Enter("NaCl");
    Run(IDM_SAVE_AS, {EnterFileName(Path("round.txt"))});
    const std::string saved = ReadFileBytes(Path("round.txt"));
    ASSERT_FALSE(saved.empty());
    const size_t before = History().size();
    Run(IDM_OPEN, {EnterFileName(Path("round.txt"))});
    const std::string added = History().substr(before);
    // Banner, entries and footer come back as tasks, one line each: an entry
    // is calculated into itself again (the cleaning drops what follows "="),
    // the banner's date and the footer's words are no tasks.
    for (const char* entry :
         {"\r\n5*5 = 25\r\n", "\r\nNaCl = 58.44276928\r\n", "Calculated by Zentrabel = Unknown element symbol\r\n"})
        EXPECT_NE(added.find(entry), std::string::npos) << entry << " in\n" << added;
}

// -------------------------------------------------------------- Clipboard

TEST_F(HistoryFiles, CopyHistoryPutsTheWholeHistoryOnTheClipboard) {
    struct Row {
        const char* name;
        HWND target;
        int command;
    };
    Enter("12/4");
    Enter("CuSO4*5H2O");
    const Row rows[] = {
        {"menu command", main_, IDM_COPY_HISTORY},
        {"history dialog's Copy", App().historyDialog, IDC_HISTORY_COPY},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetClipboardText("before");
        EXPECT_TRUE(Run(row.command, {}, row.target).empty());
        EXPECT_EQ(ClipboardText(), History());
    }
}

TEST_F(HistoryFiles, CopyOfAnEmptyHistoryLeavesTheClipboardAlone) {
    SetHistory("");
    SetClipboardText("kept");
    SendMessageA(main_, WM_COMMAND, IDM_COPY_HISTORY, 0);
    EXPECT_EQ(ClipboardText(), "kept");
}

// -------------------------------------------------------------- Shortcuts

TEST_F(HistoryFiles, ShortcutsOpenTheirDialogs) {
    struct Row {
        char key;
        const char* title;
        int control;  // a control that only this dialog has
    };
    const Row rows[] = {
        {'S', "Save As", kFileNameField},
        {'O', "Open", kFileNameField},
        // The banner alone is shorter than 64 characters.
        {'P', kPrintCaption, kMessageBoxText},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        DialogDriver driver(GetCurrentThreadId(), {App().historyDialog}, {PressButton(IDCANCEL)});
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG key{input_, WM_KEYDOWN, static_cast<WPARAM>(row.key), 1, 0, {0, 0}};
        RouteMessage(key);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        Pump();
        std::vector<SeenDialog> seen = driver.Finish();
        ASSERT_EQ(seen.size(), 1u) << Describe(seen);
        EXPECT_EQ(seen[0].title, row.title);
        EXPECT_TRUE(seen[0].Has(row.control));
    }
}

// ------------------------------------------------------------------ Print

// Whether a default printer exists; when the run requires one
// (ZBL_REQUIRE_PRINTER=1, as scripts/test.sh sets it), its absence fails.
bool HavePrinter() {
    char name[256];
    DWORD size = sizeof name;
    if (GetDefaultPrinterA(name, &size)) return true;
    char required[4] = {};
    GetEnvironmentVariableA("ZBL_REQUIRE_PRINTER", required, sizeof required);
    if (required[0] == '1') ADD_FAILURE() << "no default printer";
    return false;
}

std::string NumberedLines(int count) {
    std::string text;
    char line[32];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "line %04d\r\n", i);
        text += line;
    }
    return text;
}

TEST_F(HistoryFiles, PrintNeedsSixtyFourCharacters) {
    struct Row {
        size_t length;
        bool printDialog;
    };
    for (const Row& row : {Row{0, false}, Row{63, false}, Row{64, true}}) {
        SCOPED_TRACE(row.length);
        if (row.printDialog && !HavePrinter()) continue;
        SetHistory(std::string(row.length, 'a'));
        std::vector<SeenDialog> seen = Run(IDM_PRINT, {PressButton(IDCANCEL)});
        ASSERT_EQ(seen.size(), 1u) << Describe(seen);
        if (row.printDialog) {
            EXPECT_TRUE(seen[0].Has(kPrintFromPage)) << Describe(seen);
            continue;
        }
        ASSERT_TRUE(seen[0].IsMessageBox());
        EXPECT_EQ(seen[0].title, kPrintCaption);
        EXPECT_EQ(seen[0].Text(kMessageBoxText), kNoPrintDataText);
        EXPECT_EQ(seen[0].icon, LoadIconA(nullptr, IDI_WARNING));
        EXPECT_EQ(seen[0].owner, nullptr);
    }
}

TEST_F(HistoryFiles, PrintDialogStartsFromPageOneOfOneCopy) {
    if (!HavePrinter()) GTEST_SKIP() << "no printer";
    struct Row {
        const char* name;
        HWND target;
        int command;
    };
    SetHistory(NumberedLines(10));
    const Row rows[] = {
        {"menu command", main_, IDM_PRINT},
        {"history dialog's Print", App().historyDialog, IDC_HISTORY_PRINT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<SeenDialog> seen = Run(row.command, {PressButton(IDCANCEL)}, row.target);
        ASSERT_EQ(seen.size(), 1u) << Describe(seen);
        const SeenDialog& dialog = seen[0];
        EXPECT_EQ(dialog.owner, main_);
        EXPECT_EQ(dialog.Text(kPrintFromPage), "1");
        EXPECT_EQ(dialog.Text(kPrintToPage), "1");
        EXPECT_EQ(dialog.Text(kPrintCopies), "1");
        ASSERT_TRUE(dialog.Has(kPrintAllPages) && dialog.Has(kPrintPageRange));
        EXPECT_TRUE(dialog.controls.at(kPrintAllPages).checked);
        EXPECT_FALSE(dialog.controls.at(kPrintPageRange).checked);
    }
}

// The default printer's page, measured here as the print code should: the
// default device font, the page less an inch on every side.
struct PageCapacity {
    int linesPerPage;
    size_t lineWidth;  // characters a printed line holds: W - 1, at most 127
};

PageCapacity MeasureDefaultPrinter() {
    char name[256];
    DWORD size = sizeof name;
    PageCapacity page{0, 0};
    if (!GetDefaultPrinterA(name, &size)) return page;
    HDC dc = CreateDCA(nullptr, name, nullptr, nullptr);
    if (!dc) return page;
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEVICE_DEFAULT_FONT));
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    if (font.tmHeight > 0 && font.tmAveCharWidth > 0) {
        page.linesPerPage = (GetDeviceCaps(dc, PHYSICALHEIGHT) - 2 * GetDeviceCaps(dc, LOGPIXELSY)) / font.tmHeight;
        const int width = (GetDeviceCaps(dc, PHYSICALWIDTH) - 2 * GetDeviceCaps(dc, LOGPIXELSX)) / font.tmAveCharWidth;
        page.lineWidth = static_cast<size_t>(std::min(width - 1, 127));
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return page;
}

// The cups-pdf queue that scripts/test.sh gives the test prefix as its
// default printer: printed documents land as PDF files in the output folder
// of the user.
constexpr char kPdfOutput[] = "out=${ZBL_PDF_DIR:-$(getent passwd \"$(id -u)\" | cut -d: -f6)/PDF}\n";

// Whether the default printer is a cups-pdf queue; Wine names each printer
// after its CUPS queue.
bool HavePdfPrinter(UnixShell& shell) {
    char name[256] = "";
    DWORD size = sizeof name;
    GetDefaultPrinterA(name, &size);
    const int status =
        shell.Run(std::string("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null || exit 1\n"
                              "lpstat -v '") +
                  name + "' | grep -q 'cups-pdf:'");
    if (status == 0) return true;
    char required[4] = {};
    GetEnvironmentVariableA("ZBL_REQUIRE_PRINTER", required, sizeof required);
    if (required[0] == '1') ADD_FAILURE() << "no cups-pdf default printer: " << shell.Output();
    return false;
}

// One printed document read back: its title, its page count and the
// non-empty text lines of each page.
struct PrintedPdf {
    std::string title;
    std::string pageCount;
    std::vector<std::vector<std::string>> pages;
    // Where the first word of the first page begins, in points from the
    // page's top left corner (-1 when there is no word).
    double firstLeft = -1;
    double firstTop = -1;
};

// The value of the attribute `name` in the first element `tag` of `html`.
double AttributeOf(const std::string& html, const std::string& tag, const std::string& name) {
    const size_t element = html.find("<" + tag + " ");
    if (element == std::string::npos) return -1;
    const size_t at = html.find(name + "=\"", element);
    if (at == std::string::npos) return -1;
    return std::strtod(html.c_str() + at + name.size() + 2, nullptr);
}

std::string InfoField(const std::string& info, const std::string& field) {
    const size_t at = info.find(field + ":");
    if (at == std::string::npos) return "";
    size_t from = info.find_first_not_of(' ', at + field.size() + 1);
    return info.substr(from, info.find('\n', from) - from);
}

// pdftotext ends every page with a form feed.
std::vector<std::vector<std::string>> SplitPages(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\f') {
            pages.emplace_back();
            ++at;
            continue;
        }
        const size_t end = std::min(text.find_first_of("\n\f", at), text.size());
        if (end > at) pages.back().push_back(text.substr(at, end - at));
        at = end < text.size() && text[end] == '\n' ? end + 1 : end;
    }
    if (pages.back().empty()) pages.pop_back();
    return pages;
}

// Waits for the PDF that was not in the output folder when before.list was
// made, reads it back with pdfinfo and pdftotext and removes it.
bool ReadNewPdf(UnixShell& shell, const std::string& dir, PrintedPdf& pdf) {
    const int status = shell.Run(std::string(kPdfOutput) +
                                     "i=0; new=\n"
                                     "while [ $i -lt 600 ]; do\n"
                                     "  for f in \"$out\"/*.pdf; do\n"
                                     "    [ -e \"$f\" ] || continue\n"
                                     "    grep -qxF \"$(basename \"$f\")\" before.list || new=$f\n"
                                     "  done\n"
                                     "  [ -n \"$new\" ] && pdfinfo \"$new\" >/dev/null 2>&1 && break\n"
                                     "  new=; i=$((i + 1)); sleep 0.1\n"
                                     "done\n"
                                     "[ -n \"$new\" ] || { echo \"no new PDF in $out\"; exit 3; }\n"
                                     "pdfinfo \"$new\" >info.txt && pdftotext \"$new\" text.txt &&\n"
                                     "pdftotext -bbox -f 1 -l 1 \"$new\" bbox.html && rm -f \"$new\"",
                                 90);
    if (status != 0) {
        ADD_FAILURE() << "no PDF read back (" << status << "): " << shell.Output();
        return false;
    }
    const std::string info = ReadFileBytes(dir + "\\info.txt");
    pdf.title = InfoField(info, "Title");
    pdf.pageCount = InfoField(info, "Pages");
    pdf.pages = SplitPages(ReadFileBytes(dir + "\\text.txt"));
    const std::string bbox = ReadFileBytes(dir + "\\bbox.html");
    pdf.firstLeft = AttributeOf(bbox, "word", "xMin");
    pdf.firstTop = AttributeOf(bbox, "word", "yMin");
    return true;
}

TEST_F(HistoryFiles, PrintedPdfHoldsTheHistoryPageByPage) {
    UnixShell shell(dir_);
    if (!shell.Available() || !HavePrinter() || !HavePdfPrinter(shell)) GTEST_SKIP() << "no cups-pdf printer";
    const PageCapacity page = MeasureDefaultPrinter();
    ASSERT_GT(page.linesPerPage, 2);
    ASSERT_GT(page.lineWidth, 20u);
    const int h = page.linesPerPage;
    const std::string digits = [] {
        std::string text;
        for (int i = 0; i < 40; ++i) text += "0123456789";
        return text;
    }();

    struct Row {
        const char* name;
        std::string history;
        int from, to;  // 0: all pages
        int pages;
        int firstLine, lastLine;  // numbered lines printed (0: none to check)
    };
    const Row rows[] = {
        {"all pages", NumberedLines(2 * h + 5), 0, 0, 3, 1, 2 * h + 5},
        // Pages before the range are laid out but not drawn.
        {"pages 2 to 3", NumberedLines(4 * h), 2, 3, 2, h + 1, 3 * h},
        {"short history", NumberedLines(7), 0, 0, 1, 1, 7},
        {"a long line wraps", "line 0001\r\n" + digits + "\r\nline 0002\r\n", 0, 0, 1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetHistory(row.history);
        ASSERT_EQ(shell.Run(std::string(kPdfOutput) + "mkdir -p \"$out\" && ls -1 \"$out\" >before.list"), 0)
            << shell.Output();
        std::vector<SeenDialog> seen = Run(IDM_PRINT, {row.from ? PrintPages(row.from, row.to) : PressButton(IDOK)});
        ASSERT_EQ(seen.size(), 1u) << Describe(seen);
        PrintedPdf pdf;
        ASSERT_TRUE(ReadNewPdf(shell, dir_, pdf));
        EXPECT_EQ(pdf.title, kPrintDocumentName);
        EXPECT_EQ(pdf.pageCount, std::to_string(row.pages));
        const auto& pages = pdf.pages;
        ASSERT_EQ(static_cast<int>(pages.size()), row.pages);
        // One-inch margins: the text begins 72 points from the left and top
        // edges (the glyphs' own side bearing and leading add a little).
        EXPECT_GE(pdf.firstLeft, 71.0);
        EXPECT_LE(pdf.firstLeft, 76.0);
        EXPECT_GE(pdf.firstTop, 71.0);
        EXPECT_LE(pdf.firstTop, 82.0);

        if (row.firstLine) {
            // Numbered lines, H to a page, from the first one of the range on.
            int expected = row.firstLine;
            for (size_t p = 0; p < pages.size(); ++p) {
                SCOPED_TRACE(p + 1);
                EXPECT_EQ(static_cast<int>(pages[p].size()), std::min(h, row.lastLine - expected + 1));
                for (const std::string& line : pages[p]) {
                    char wanted[32];
                    std::snprintf(wanted, sizeof wanted, "line %04d", expected++);
                    ASSERT_EQ(line, wanted);
                }
            }
            EXPECT_EQ(expected, row.lastLine + 1);
        } else {
            // The long line continues on the next printed lines, W - 1
            // characters each (at most the 127 of the line buffer), none lost.
            ASSERT_GE(pages[0].size(), 3u);
            EXPECT_EQ(pages[0].front(), "line 0001");
            EXPECT_EQ(pages[0].back(), "line 0002");
            std::string joined;
            for (size_t i = 1; i + 1 < pages[0].size(); ++i) {
                const std::string& piece = pages[0][i];
                if (i + 2 < pages[0].size()) {
                    EXPECT_EQ(piece.size(), page.lineWidth) << i;
                }
                joined += piece;
            }
            EXPECT_EQ(joined, digits);
        }
    }
}

}  // namespace
