#include "modes.h"

#include <cstring>
#include <string>

#include "answer_lines.h"
#include "composition_output.h"
#include "console_io.h"
#include "engine.h"
#include "task_record.h"
#include "trace.h"
#include "typed_line.h"

#ifdef _WIN32
#define ZBL_FILENO _fileno
#else
#define ZBL_FILENO fileno
#endif

int RunArguments(TaskRecord& record, const std::vector<const char*>& tasks) {
    OutputBuffer out(ZBL_FILENO(stdout));
    bool anyFailed = false;
    TypedLine typed;
    for (const char* task : tasks) {
        const size_t length = std::strlen(task);
        ReadTypedLine(task, length < kTypedLineKeep ? length : kTypedLineKeep, length, typed);
        int result = 0;
        if (CalculateTypedLine(record, typed, result)) {
            const Outcome outcome = ReadOutcome(result, record);
            PutAnswerLine(out, outcome, record);
            anyFailed = anyFailed || outcome == Outcome::kFailure;
        } else {
            PutLineRefusal(out, typed);
            anyFailed = true;
        }
        out.Put('\n');
    }
    const int status = FinishOutput(out.Flush(), false);
    return status != 0 || anyFailed ? 1 : 0;
}

// Input is taken as it arrives and output collected in blocks, written
// whenever the input runs dry, so a line-by-line partner gets each answer
// before it sends the next line. No more than one line is held at a time,
// and a batch line costs no allocation once the line buffer has grown.
int RunStream(TaskRecord& record, bool trace) {
    OutputBuffer out(ZBL_FILENO(stdout));
    LineReader reader(ZBL_FILENO(stdin), &OutputBuffer::FlushCallback, &out);
    std::string line;
    std::string json;
    size_t length = 0;
    // The trace echoes the whole input line; a batch needs only as much as
    // can be a task.
    const size_t keep = trace ? static_cast<size_t>(-1) : kTypedLineKeep;
    TypedLine typed;
    while (reader.Next(line, keep, length) && !out.Failed()) {
        if (trace) {
            // The trace takes the bytes as the engine sees them, unconverted.
            bool refused = false;
            const int result = CalculateLine(record, line.data(), length, refused);
            json.clear();
            AppendTraceJson(json, line.data(), line.size(), record, refused ? nullptr : &result);
            out.Put(json);
        } else {
            ReadTypedLine(line.data(), line.size(), length, typed);
            int result = 0;
            if (CalculateTypedLine(record, typed, result)) {
                PutAnswerLine(out, ReadOutcome(result, record), record);
            } else {
                PutLineRefusal(out, typed);
            }
        }
        out.Put('\n');
    }
    return FinishOutput(out.Flush(), reader.Failed());
}

int RunComposition(const std::vector<const char*>& formulas, bool json) {
    OutputBuffer out(ZBL_FILENO(stdout));
    std::string text;
    bool allBrokenDown = true;
    for (const char* formula : formulas) {
        text.clear();
        const bool ok = json ? AppendCompositionJson(text, formula) : AppendCompositionTable(text, formula);
        allBrokenDown = allBrokenDown && ok;
        out.Put(text);
    }
    const int status = FinishOutput(out.Flush(), false);
    return status != 0 || !allBrokenDown ? 1 : 0;
}
