#include "history_text.h"

#include <charconv>
#include <iterator>
#include <limits>

#include "text.h"

void BuildBanner(const std::tm& when, char (&banner)[kBannerCapacity + 1]) {
    char date[kDateTextCapacity + 1];
    // strftime gives 0 (and unspecified contents) when the text does not fit.
    if (std::strftime(date, sizeof date, "%B %d, %Y  %X", &when) == 0) date[0] = 0;
    TextWriter out(banner, kBannerCapacity);
    out.Put(kBannerHead);
    out.Put(date);
    out.Put(kBannerTail);
}

namespace {

void PutPrefix(TextWriter& out, bool numbering, int& taskNumber) {
    out.Put("\r\n");
    if (!numbering) return;
    char digits[16];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, taskNumber);
    if (ec == std::errc()) out.Put(digits, static_cast<size_t>(end - digits));
    out.Put(". \t");
    // The count stops at the largest int instead of overflowing.
    if (taskNumber < std::numeric_limits<int>::max()) ++taskNumber;
}

void PutDump(TextWriter& out, const TaskRecord& record) {
    const char* const fields[] = {record.szTask, record.szMaths, record.szResult, record.szAnswer, record.szMemory};
    static_assert(std::size(fields) == std::size(kDumpLabels));
    for (size_t i = 0; i < std::size(fields); ++i) {
        out.Put("\r\n");
        out.Put(kDumpLabels[i]);
        out.Put(fields[i]);
    }
    out.Put("\r\n");
}

}  // namespace

void BuildHistoryEntry(Outcome outcome, const TaskRecord& current, const TaskRecord& previous, bool numbering,
                       int& taskNumber, HistoryEntry& entry) {
    TextWriter out(entry.text, kHistoryEntryCapacity);
    entry.listText = nullptr;
    // The panel has moved the equation up and emptied the task line.
    if (outcome == Outcome::kRoots && current.szTask[0] == 0) {
        PutPrefix(out, numbering, taskNumber);
        out.Put(previous.szTask);
        out.Put("\r\nx1 = \t");
        out.Put(previous.szAnswer);
        out.Put("\r\nx2 = \t");
        out.Put(current.szAnswer);
        out.Put("\r\n");
        entry.listText = previous.szTask;
    } else if (current.szTask[0] != 0) {
        PutPrefix(out, numbering, taskNumber);
        out.Put(current.szTask);
        out.Put(" = ");
        out.Put(current.szAnswer);
        out.Put("\r\n");
        entry.listText = current.szTask;
    } else {
        out.Put("\r\n");
    }
    if (outcome == Outcome::kDump) {
        TextWriter dump(entry.text, kHistoryEntryCapacity);
        PutDump(dump, current);
    }
}
