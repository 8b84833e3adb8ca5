#include "history_file_commands.h"

#include <commdlg.h>

#include <cstdint>
#include <ctime>
#include <new>
#include <string>

#include "app.h"
#include "history_file.h"
#include "resource_ids.h"
#include "task_entry.h"
#include "window_texts.h"

namespace {

// WriteFile takes a 32-bit count; larger writes go in pieces of this size.
constexpr size_t kWriteChunk = 1u << 20;

bool WriteToFile(void* context, const char* bytes, size_t size) {
    HANDLE file = static_cast<HANDLE>(context);
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(size < kWriteChunk ? size : kWriteChunk);
        DWORD written = 0;
        if (!WriteFile(file, bytes, piece, &written, nullptr) || written != piece) return false;
        bytes += piece;
        size -= piece;
    }
    return true;
}

void ProposeFileName(char (&fileName)[kHistoryFileNameCapacity + 1]) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&now)) local = *converted;
    WriteProposedHistoryName(local, fileName, kHistoryFileNameCapacity);
}

OPENFILENAMEA FileDialogRequest(HWND owner, char (&fileName)[kHistoryFileNameCapacity + 1], DWORD flags) {
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = kHistoryFileFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = fileName;
    request.nMaxFile = sizeof fileName;
    request.lpstrDefExt = kHistoryDefaultExtension;
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
    return request;
}

// Reads the whole file; nullptr when it cannot be sized, held or read.
std::unique_ptr<char[]> ReadWholeFile(HANDLE file, size_t& size) {
    LARGE_INTEGER fileSize{};
    size = 0;
    if (!GetFileSizeEx(file, &fileSize) || fileSize.QuadPart < 0) return nullptr;
    const unsigned long long wanted = static_cast<unsigned long long>(fileSize.QuadPart);
    if (wanted > static_cast<unsigned long long>(PTRDIFF_MAX) - 1) return nullptr;
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[static_cast<size_t>(wanted) + 1]);
    if (!bytes) return nullptr;
    size_t have = 0;
    while (have < wanted) {
        const size_t rest = static_cast<size_t>(wanted) - have;
        const DWORD piece = static_cast<DWORD>(rest < kWriteChunk ? rest : kWriteChunk);
        DWORD got = 0;
        if (!ReadFile(file, bytes.get() + have, piece, &got, nullptr)) return nullptr;
        if (got == 0) break;  // the file shrank while it was read: take what is there
        have += got;
    }
    size = have;
    return bytes;
}

// While a file is replayed, the entries that the "=" road inserts into the
// history edit control are gathered and inserted in one piece at the end, and
// the main window does not paint. Each insertion into a long multi-line edit
// control costs time that grows with its text, so one insertion per line made
// a replay quadratic in its length. The entries go in at the caret, where each
// one would have gone; nothing reads the history while the replay runs.
//
// The batch keeps the main window's state (`app`, which the owner was made
// with) informed that a replay runs. While it gathers, the history control
// holds the batch in its user data, where its procedure finds it.
class ReplayBatch {
public:
    ReplayBatch(AppState* app, HWND owner, HWND inputLine, HWND history)
        : app_(app), owner_(owner), inputLine_(inputLine), history_(history) {
        if (app_) app_->replayingFile = true;
        SetFocus(nullptr);
        // A window that is not shown must not be shown by the end of the batch.
        painting_ = IsWindowVisible(owner_) != 0;
        if (painting_) SendMessageA(owner_, WM_SETREDRAW, FALSE, 0);
        // One thread runs the window, so one batch is gathered at a time.
        if (history_ && !GatheringBatch(history_)) {
            SetWindowLongPtrA(history_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            previous_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(history_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GatherEntries)));
            if (!previous_) SetWindowLongPtrA(history_, GWLP_USERDATA, 0);
        }
    }

    ~ReplayBatch() {
        if (previous_) {
            SetWindowLongPtrA(history_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            SetWindowLongPtrA(history_, GWLP_USERDATA, 0);
            Flush();
        }
        if (app_) {
            app_->replayingFile = false;
            CatchUpDisplay(*app_);
        }
        SetFocus(inputLine_);
        if (painting_) {
            SendMessageA(owner_, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(owner_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
    }

    ReplayBatch(const ReplayBatch&) = delete;
    ReplayBatch& operator=(const ReplayBatch&) = delete;

private:
    static ReplayBatch* GatheringBatch(HWND history) {
        return reinterpret_cast<ReplayBatch*>(GetWindowLongPtrA(history, GWLP_USERDATA));
    }

    static LRESULT CALLBACK GatherEntries(HWND history, UINT message, WPARAM wParam, LPARAM lParam) {
        ReplayBatch* batch = GatheringBatch(history);
        if (!batch) return DefWindowProcA(history, message, wParam, lParam);
        if (message == EM_REPLACESEL && lParam && batch->Gather(reinterpret_cast<const char*>(lParam))) return 0;
        return CallWindowProcA(batch->previous_, history, message, wParam, lParam);
    }

    // Keeps `text` for the final insertion; false (and the entries so far
    // inserted) when there is no memory for it, so that it is inserted now.
    bool Gather(const char* text) {
        try {
            pending_ += text;
            return true;
        } catch (const std::bad_alloc&) {
            Flush();
            return false;
        }
    }

    void Flush() {
        if (pending_.empty()) return;
        CallWindowProcA(previous_, history_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pending_.c_str()));
        pending_.clear();
    }

    AppState* app_;
    HWND owner_;
    HWND inputLine_;
    HWND history_;
    bool painting_ = false;
    WNDPROC previous_ = nullptr;
    std::string pending_;
};

}  // namespace

std::unique_ptr<char[]> ReadHistoryText(HWND history, size_t& length) {
    const int wanted = GetWindowTextLengthA(history);
    const size_t capacity = wanted > 0 ? static_cast<size_t>(wanted) : 0;
    std::unique_ptr<char[]> text(new (std::nothrow) char[capacity + 1]);
    length = 0;
    if (!text) return nullptr;
    text[0] = 0;
    if (capacity > 0) {
        const int got = GetWindowTextA(history, text.get(), static_cast<int>(capacity + 1));
        length = got > 0 ? static_cast<size_t>(got) : 0;
    }
    return text;
}

HistoryFileResult WriteHistoryFile(const char* path, HWND history) {
    size_t length = 0;
    std::unique_ptr<char[]> text = ReadHistoryText(history, length);
    if (!text) return HistoryFileResult::kFailed;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HistoryFileResult::kFailed;
    const HistorySave written = WriteHistoryContent(text.get(), length, WriteToFile, file);
    // A close that fails may have lost what the writes left in buffers.
    const bool closed = CloseHandle(file) != 0;
    if (written == HistorySave::kFailed || !closed) return HistoryFileResult::kFailed;
    return written == HistorySave::kEmpty ? HistoryFileResult::kEmpty : HistoryFileResult::kWritten;
}

int SaveHistory(HWND owner, HWND history) {
    char fileName[kHistoryFileNameCapacity + 1];
    ProposeFileName(fileName);
    OPENFILENAMEA request = FileDialogRequest(owner, fileName, OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT);
    if (!GetSaveFileNameA(&request)) return 1;
    switch (WriteHistoryFile(fileName, history)) {
    case HistoryFileResult::kWritten:
        return 0;
    case HistoryFileResult::kEmpty:
        return 1;
    case HistoryFileResult::kFailed:
        break;
    }
    MessageBoxA(owner, kHistorySaveFailedText, kMessageCaption, MB_OK | MB_ICONERROR);
    return 1;
}

int ReplayHistoryFile(const char* path, HWND owner, HWND inputLine, HWND history) {
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    size_t size = 0;
    std::unique_ptr<char[]> bytes = ReadWholeFile(file, size);
    if (bytes) {
        ReplayBatch batch(AppStateOf(owner), owner, inputLine, history);
        // The click of the "=" button, as the button itself sends it.
        const WPARAM click = MAKEWPARAM(IDC_EQUALS, BN_CLICKED);
        const LPARAM button = reinterpret_cast<LPARAM>(GetDlgItem(owner, IDC_EQUALS));
        ReplaySplitter lines(bytes.get(), size);
        while (lines.Next()) {
            SetWindowTextA(inputLine, lines.Line());
            SendMessageA(owner, WM_COMMAND, click, button);
        }
    }
    CloseHandle(file);
    return bytes ? 0 : 1;
}

int OpenHistory(HWND owner, HWND inputLine, HWND history) {
    char fileName[kHistoryFileNameCapacity + 1] = {};
    OPENFILENAMEA request = FileDialogRequest(owner, fileName, OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameA(&request)) return 1;
    return ReplayHistoryFile(fileName, owner, inputLine, history);
}

void CopyHistory(HWND owner, HWND history) {
    const int length = GetWindowTextLengthA(history);
    if (length <= 0) return;
    // The block is filled before the clipboard is opened, so a failure on
    // the way leaves the clipboard as it was.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(length) + 1);
    if (!block) return;
    char* text = static_cast<char*>(GlobalLock(block));
    if (!text) {
        GlobalFree(block);
        return;
    }
    const int got = GetWindowTextA(history, text, length + 1);
    text[got > 0 ? got : 0] = 0;
    GlobalUnlock(block);
    if (got <= 0 || !OpenClipboard(owner)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
}
