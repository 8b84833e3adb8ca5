// The settings reader on arbitrary bytes, as the window runs it at start-up:
// every command line the collector completes goes through CalculateTask on one
// record that starts with the window's defaults, and the view numbers it hands
// back set the view flags.
//
// Checked: every offered line begins with "#", fits the input line and is
// terminated; no more lines are offered than the input has line feeds; each
// calculation keeps the record's invariants; and the settings the file left,
// written out as a settings file and read back on a fresh record, come back
// exactly (what is saved is what the next start-up reads).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "settings_text.h"
#include "task_record.h"

namespace {

void SetViewFlag(int number, ViewFlags& view) {
    switch (number) {
    case kViewDisplayOnly:
        view.bDisplayOnly = 1;
        break;
    case kViewAlwaysOnTop:
        view.bAlwaysOnTop = 1;
        break;
    case kViewHistory:
        view.bHistoryVisible = 1;
        break;
    case kViewTaskNumbering:
        view.bTaskNumbering = 1;
        break;
    default:
        break;
    }
}

// Reads `size` bytes as a settings file into `record` and `view`; returns the
// number of command lines run.
size_t ReadInto(const char* bytes, size_t size, TaskRecord& record, ViewFlags& view) {
    SettingsLineCollector collector;
    size_t lines = 0;
    size_t lineFeeds = 0;
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\n') ++lineFeeds;
        if (!collector.Take(bytes[i])) continue;
        const char* line = collector.Line();
        const size_t length = strnlen(line, kInputLineCapacity + 2);
        if (line[0] != '#' || length > kInputLineCapacity || bytes[i] != '\n')
            fuzz::Violation("the collector offered a line that is not a command line", record, record, 0);
        ++lines;
        if (lines > lineFeeds) fuzz::Violation("more lines than line feeds", record, record, 0);
        std::memcpy(record.szTask, line, length + 1);
        SetViewFlag(fuzz::CalculateChecked(record), view);
    }
    return lines;
}

bool SameView(const ViewFlags& a, const ViewFlags& b) {
    return a.bDisplayOnly == b.bDisplayOnly && a.bAlwaysOnTop == b.bAlwaysOnTop &&
           a.bHistoryVisible == b.bHistoryVisible && a.bTaskNumbering == b.bTaskNumbering;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto record = std::make_unique<TaskRecord>();
    ResetTaskRecord(*record);
    ViewFlags view;
    ReadInto(reinterpret_cast<const char*>(data), size, *record, view);

    // Saved exactly as "Save Current Settings" saves them.
    char text[kSettingsTextCapacity + 1];
    const size_t length = WriteSettingsText(*record, view, text, kSettingsTextCapacity);
    if (length == 0 || length != std::strlen(text))
        fuzz::Violation("the settings do not fit the settings text", *record, *record, 0);

    auto again = std::make_unique<TaskRecord>();
    ResetTaskRecord(*again);
    ViewFlags againView;
    ReadInto(text, length, *again, againView);
    if (!record_invariants::SameSettings(*record, *again) || !SameView(view, againView))
        fuzz::Violation("saved settings read back otherwise", *record, *again, 0, "settings read",
                        "settings saved and read again");
    return 0;
}
