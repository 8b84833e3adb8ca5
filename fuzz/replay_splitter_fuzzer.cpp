// The history replay on arbitrary file bytes: the splitter cuts them into
// lines, and every line the input line would take is calculated in order on
// one record, as Open replays a file through the "=" key.
//
// Checked: each line is terminated within its buffer and is exactly the bytes
// of the file from where it starts (up to the capacity); a line that was not
// cut ends at a CR or at the end of the file; a cut line was longer than the
// capacity; there is one line more than there are CRs; and the calculations
// keep the record's invariants.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "history_file.h"
#include "task_record.h"

using fuzz::Broken;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kCapacity = ReplaySplitter::kReplayLineCapacity;
    const char* bytes = reinterpret_cast<const char*>(data);
    // A copy sized exactly, so that reading past the end of the file is caught.
    std::unique_ptr<char[]> file(new char[size ? size : 1]);
    if (size) std::memcpy(file.get(), bytes, size);

    size_t crs = 0;
    for (size_t i = 0; i < size; ++i) crs += bytes[i] == '\r';

    auto record = std::make_unique<TaskRecord>();
    ResetTaskRecord(*record);

    ReplaySplitter lines(file.get(), size);
    size_t pos = 0;
    size_t count = 0;
    while (lines.Next()) {
        ++count;
        if (count > crs + 1) Broken("more lines than CRs and one");
        const size_t length = lines.Length();
        if (length > kCapacity) Broken("a line longer than its buffer");
        if (lines.Line()[length] != 0) Broken("a line not terminated at its length");
        if (pos > size || length > size - pos || std::memcmp(lines.Line(), bytes + pos, length) != 0)
            Broken("a line that is not the file's bytes");
        const void* cr = std::memchr(bytes + pos, '\r', size - pos);
        const size_t whole = cr ? static_cast<size_t>(static_cast<const char*>(cr) - (bytes + pos)) : size - pos;
        if (lines.WasCut() != (whole > kCapacity)) Broken("a line cut when it fit, or kept whole when it did not");
        if (!lines.WasCut() && whole != length) Broken("a line that does not end at a CR or the end");
        pos += whole + 1;

        // The input line takes what fits the task, like the window's input line.
        const size_t shown = strnlen(lines.Line(), length);
        if (shown <= kTaskCapacity) {
            std::memcpy(record->szTask, lines.Line(), shown + 1);
            fuzz::CalculateChecked(*record);
        }
    }
    if (count != crs + 1) Broken("not one line more than there are CRs");
    return 0;
}
