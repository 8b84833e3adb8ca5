#include "answer_lines.h"

namespace {

void PutDump(OutputBuffer& out, const TaskRecord& record, const char* separator) {
    out.PutText("szTask     = ");
    out.PutText(record.szTask);
    out.PutText(separator);
    out.PutText("szMaths = ");
    out.PutText(record.szMaths);
    out.PutText(separator);
    out.PutText("szResult   = ");
    out.PutText(record.szResult);
    out.PutText(separator);
    out.PutText("szAnswer  = ");
    out.PutText(record.szAnswer);
    out.PutText(separator);
    out.PutText("szMemory  = ");
    out.PutText(record.szMemory);
}

}  // namespace

void PutAnswerLine(OutputBuffer& out, Outcome outcome, const TaskRecord& record) {
    switch (outcome) {
        case Outcome::kNothing:
            break;
        case Outcome::kRoots: {
            char first[kAnswerCapacity + 1];
            FormatFirstRoot(record, first, kAnswerCapacity);
            out.PutText("x1 = ");
            out.PutText(first);
            out.PutText("; x2 = ");
            out.PutText(record.szAnswer);
            break;
        }
        case Outcome::kDump:
            PutDump(out, record, "; ");
            break;
        case Outcome::kAnswer:
        case Outcome::kCommand:
        case Outcome::kFailure:
            out.PutText(record.szAnswer);
            break;
    }
}

void PutHistoryEntry(OutputBuffer& out, Outcome outcome, const TaskRecord& record) {
    switch (outcome) {
        case Outcome::kNothing:
            break;
        case Outcome::kRoots: {
            char first[kAnswerCapacity + 1];
            FormatFirstRoot(record, first, kAnswerCapacity);
            out.PutText(record.szTask);
            out.PutText("\nx1 = ");
            out.PutText(first);
            out.PutText("\nx2 = ");
            out.PutText(record.szAnswer);
            break;
        }
        case Outcome::kDump:
            PutDump(out, record, "\n");
            break;
        case Outcome::kAnswer:
        case Outcome::kCommand:
        case Outcome::kFailure:
            out.PutText(record.szTask);
            out.PutText(" = ");
            out.PutText(record.szAnswer);
            break;
    }
    out.Put('\n');
}

void PutRefusal(OutputBuffer& out) { out.PutText(kLineTooLongText); }
