// A session: every line of the input is one task, calculated in order on one
// record that starts with the window's defaults, so that the previous answer,
// the memory (stores and joins) and the settings carry from line to line.
// Each line takes as many bytes as szTask holds.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine.h"
#include "fuzz_support.h"
#include "task_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto record = std::make_unique<TaskRecord>();
    ResetTaskRecord(*record);

    fuzz::Lines lines(data, size);
    const char* line;
    size_t length;
    while (lines.Next(line, length)) {
        fuzz::FillField(record->szTask, line, length);
        fuzz::CalculateChecked(*record);
    }
    return 0;
}
