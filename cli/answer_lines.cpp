#include "answer_lines.h"

#include <iterator>

namespace {

void PutDump(OutputBuffer& out, const TaskRecord& record, const char* separator) {
    const char* const texts[] = {record.szTask, record.szMaths, record.szResult, record.szAnswer, record.szMemory};
    static_assert(std::size(texts) == std::size(kDumpLabels));
    for (size_t i = 0; i < std::size(texts); ++i) {
        if (i > 0) out.PutText(separator);
        out.PutText(kDumpLabels[i]);
        out.PutText(texts[i]);
    }
}

// Both forms of a line: `separator` stands between the parts of the roots
// and of the dump; the history form also shows the task.
void PutOutcome(OutputBuffer& out, Outcome outcome, const TaskRecord& record, const char* separator, bool withTask) {
    switch (outcome) {
    case Outcome::kNothing:
        break;
    case Outcome::kRoots: {
        char first[kAnswerCapacity + 1];
        FormatFirstRoot(record, first, kAnswerCapacity);
        if (withTask) {
            out.PutText(record.szTask);
            out.PutText(separator);
        }
        out.PutText("x1 = ");
        out.PutText(first);
        out.PutText(separator);
        out.PutText("x2 = ");
        out.PutText(record.szAnswer);
        break;
    }
    case Outcome::kDump:
        PutDump(out, record, separator);
        break;
    case Outcome::kAnswer:
    case Outcome::kCommand:
    case Outcome::kFailure:
        if (withTask) {
            out.PutText(record.szTask);
            out.PutText(" = ");
        }
        out.PutText(record.szAnswer);
        break;
    }
}

}  // namespace

void PutAnswerLine(OutputBuffer& out, Outcome outcome, const TaskRecord& record) {
    PutOutcome(out, outcome, record, "; ", false);
}

void PutHistoryEntry(OutputBuffer& out, Outcome outcome, const TaskRecord& record) {
    PutOutcome(out, outcome, record, "\n", true);
    out.Put('\n');
}

void PutRefusal(OutputBuffer& out) { out.PutText(kLineTooLongText); }
