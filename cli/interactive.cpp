#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "answer_lines.h"
#include "build_config.h"
#include "composition_output.h"
#include "console_io.h"
#include "engine.h"
#include "history_file.h"
#include "interrupt.h"
#include "line_editor.h"
#include "modes.h"
#include "status.h"
#include "task_record.h"
#include "typed_line.h"

#ifdef _WIN32
#include <io.h>
#define ZBL_FILENO _fileno
#define ZBL_ISATTY _isatty
#else
#include <signal.h>
#include <unistd.h>
#define ZBL_FILENO fileno
#define ZBL_ISATTY isatty
#endif

namespace {

constexpr char kBanner[] = "Zentrabel " ZBL_VERSION_NUMBER " - type a task, end with Ctrl+D\n";
constexpr char kPrompt[] = "> ";
constexpr int kInterruptedStatus = 130;  // 128 + SIGINT, as shells report it

const char* UnknownSymbolText() {
    static char text[kStatusMessageCapacity + 1];
    if (!text[0]) GetStatusMessage(kStatusUnknownSymbol, text, kStatusMessageCapacity);
    return text;
}

// Where the calculator stumbled over a symbol, a caret points at it under
// the task as typed, which starts the line.
void PutCaretLine(OutputBuffer& out, int result, const TaskRecord& record) {
    size_t at = 0;
    char symbol[3];
    if (result == -1 && std::strcmp(record.szResult, UnknownSymbolText()) == 0 &&
        LocateUnknownSymbol(record.szTask, at, symbol)) {
        out.Put(CaretLine(at));
        out.Put('\n');
    }
}

// `line` holds what was kept of a line of `length` bytes.
void Answer(OutputBuffer& out, TaskRecord& record, const std::string& line, size_t length) {
    TypedLine typed;
    ReadTypedLine(line.data(), line.size(), length, typed);
    int result = 0;
    if (CalculateTypedLine(record, typed, result)) {
        PutHistoryEntry(out, ReadOutcome(result, record), record);
        PutCaretLine(out, result, record);
    } else {
        PutLineRefusal(out, typed);
        out.Put('\n');
    }
}

// A reader of the answers that goes away (| head -1) makes a write fail,
// which ends the session with a message, instead of a SIGPIPE that ends
// the calculator without one.
class BrokenPipeAsError {
public:
#ifdef _WIN32
    BrokenPipeAsError() = default;
#else
    BrokenPipeAsError() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &previous_);
    }
    ~BrokenPipeAsError() { sigaction(SIGPIPE, &previous_, nullptr); }

private:
    struct sigaction previous_ {};
#endif
};

// The exit status once the session is over; says why where it failed.

struct PlainSession {
    OutputBuffer& out;
    InterruptCatcher& interrupt;
};

// Before each wait for input the answers so far go out; when they cannot,
// there is no one left to answer, and reading stops as for Ctrl+C.
void FlushBeforeWait(void* context) {
    auto& session = *static_cast<PlainSession*>(context);
    if (!session.out.Flush()) session.interrupt.Raise();
}

// Lines as they come, from a pipe, a file, or a terminal where there is no
// line editing. Ctrl+C ends the session once what was answered is written.
int RunPlain(TaskRecord& record, OutputBuffer& out, bool terminal) {
    InterruptCatcher interrupt;
    PlainSession session{out, interrupt};
    LineReader reader(ZBL_FILENO(stdin), &FlushBeforeWait, &session);
    reader.StopOn(interrupt.Flag());
    std::string line;
    size_t length = 0;
    if (terminal) {
        out.Put(kBanner);
        out.Put(kPrompt);
    }
    while (!interrupt.Raised() && reader.Next(line, kTypedLineKeep, length) && !out.Failed()) {
        Answer(out, record, line, length);
        if (terminal) out.Put(kPrompt);
    }
    if (terminal) out.Put('\n');
    const bool written = out.Flush();
    if (written && interrupt.Raised()) {
        Warn("interrupted");
        return kInterruptedStatus;
    }
    return FinishOutput(written, reader.Failed());
}

// A person at a terminal, with line editing and the history of earlier
// sessions. Ctrl+C drops the line being typed; the session goes on.
int RunEdited(TaskRecord& record, OutputBuffer& out) {
    // Signals close the terminal's input off, so that none is missed by a read
    // about to start.
    ClosableInput input(ZBL_FILENO(stdin));
    InterruptCatcher interrupt;
    EndCatcher end;  // a closed terminal window still keeps the session's lines
    LineEditor editor(interrupt);
    HistoryFile history(HistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
    std::vector<std::string> earlier;
    std::string problem;
    if (!history.Open(earlier, problem)) Warn(problem);
    for (const std::string& line : earlier) editor.Remember(line);

    out.Put(kBanner);
    std::string line;
    for (;;) {
        if (!out.Flush() || end.Signal()) break;
        const LineEditor::Got got = editor.Next(kPrompt, line);
        if (got == LineEditor::Got::kEnd) break;
        if (got == LineEditor::Got::kCancelled) {
            out.Put("^C\n");  // the terminal is in raw mode and echoed nothing
            continue;
        }
        // A line too long for a task is refused, and not kept for recall.
        if (IsHistoryLine(line) && editor.Remember(line)) history.Add(line);
        Answer(out, record, line, line.size());
    }
    out.Put('\n');
    const bool written = out.Flush();
    if (!history.Save(problem)) Warn(problem);
    end.Resend();
    return FinishOutput(written, false);
}

}  // namespace

int RunInteractive(TaskRecord& record, bool terminal) {
    [[maybe_unused]] BrokenPipeAsError brokenPipe;  // does nothing on Windows
    OutputBuffer out(ZBL_FILENO(stdout));
    // Editing needs the terminal for its echo and redrawing too: with the
    // answers going to a pipe or file, lines are read plainly.
    if (terminal && LineEditor::Available() && ZBL_ISATTY(ZBL_FILENO(stdout))) return RunEdited(record, out);
    return RunPlain(record, out, terminal);
}
