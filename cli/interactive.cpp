#include <cstring>
#include <string>

#include "answer_lines.h"
#include "build_config.h"
#include "calculate.h"
#include "composition.h"
#include "composition_output.h"
#include "console_io.h"
#include "modes.h"
#include "outcome.h"
#include "status.h"
#include "task_record.h"
#include "typed_line.h"

#ifdef _WIN32
#define ZBL_FILENO _fileno
#else
#define ZBL_FILENO fileno
#endif

namespace {

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

}  // namespace

int RunInteractive(TaskRecord& record, bool terminal) {
    OutputBuffer out(ZBL_FILENO(stdout));
    LineReader reader(ZBL_FILENO(stdin), &OutputBuffer::FlushCallback, &out);
    std::string line;
    size_t length = 0;
    if (terminal) {
        out.Put("Zentrabel " ZBL_VERSION_NUMBER " - type a task, end with Ctrl+D\n> ");
    }
    TypedLine typed;
    while (reader.Next(line, kTypedLineKeep, length) && !out.Failed()) {
        ReadTypedLine(line.data(), line.size(), length, typed);
        int result = 0;
        if (CalculateTypedLine(record, typed, result)) {
            PutHistoryEntry(out, ReadOutcome(result, record), record);
            PutCaretLine(out, result, record);
        } else {
            PutLineRefusal(out, typed);
            out.Put('\n');
        }
        if (terminal) out.Put("> ");
    }
    if (terminal) out.Put('\n');
    return out.Flush() && !reader.Failed() ? 0 : 1;
}
