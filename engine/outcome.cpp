#include "engine.h"

#include "engine.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// The number of the "#" line that asks for the dump of the record.
constexpr int kDumpLine = 20;

}  // namespace

Outcome ReadOutcome(int result, const TaskRecord& record) {
    if (result == -1 || result >= kFirstStatus) return Outcome::kFailure;
    if (record.szTask[0] == 0) return Outcome::kNothing;
    if (record.szTask[0] == '#') return result == kDumpLine ? Outcome::kDump : Outcome::kCommand;
    return result == kKindQuadratic ? Outcome::kRoots : Outcome::kAnswer;
}

void FormatFirstRoot(const TaskRecord& record, char* out, size_t capacity) {
    // As the window does: the root is read back with a decimal point, then
    // shown under the same settings as the second root.
    TaskRecord scratch = record;
    CopyText(scratch.szResult, record.szMaths);
    for (char* p = scratch.szResult; *p; ++p)
        if (*p == ',') *p = '.';
    UpdateAnswer(scratch);
    CopyText(out, capacity, scratch.szAnswer);
}
