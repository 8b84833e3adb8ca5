// A line as the console calculator takes it from a person or a script:
// UTF-8 converted to the engine's 8-bit text (Windows-1252) the way the
// window takes pasted text, or byte for byte when it is not UTF-8.
#pragma once

#include <cstddef>

#include "task_record.h"

// The UTF-8 byte-order mark, dropped where a line begins with it.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The most bytes of a line worth keeping: a task's characters take up to
// four bytes each in UTF-8, and a byte-order mark may come first.
inline constexpr size_t kTypedLineKeep = 4 * (kInputLineCapacity + 1) + (sizeof kByteOrderMark - 1);

struct TypedLine {
    enum class Kind {
        kTask,     // `text` is the task
        kTooLong,  // longer than the input line holds: refused as the window refuses it
        kNoForm,   // a character the calculator cannot take: `message` names it
    };
    Kind kind = Kind::kTask;
    char text[kInputLineCapacity + 1];  // the task, NUL-terminated (a NUL in the line ends it)
    size_t length = 0;                  // the task's length before any NUL
    bool fromUtf8 = false;              // converted: text position i is character i of the line
    char message[96];
};

// Reads the `length` bytes kept of a line of `fullLength` bytes (its line
// end already gone; a longer line than kept is too long in any case). A
// byte-order mark at its start is dropped.
void ReadTypedLine(const char* bytes, size_t length, size_t fullLength, TypedLine& line);

// The answer line of a line that is not a task: the window's refusal of a
// long line, or the message naming the character.
class OutputBuffer;
void PutLineRefusal(OutputBuffer& out, const TypedLine& line);

// Calculates a line read by ReadTypedLine on `record`; false (record
// untouched) when the line is not a task. `result` is CalculateTask's.
bool CalculateTypedLine(TaskRecord& record, const TypedLine& line, int& result);

// The column (from 0) at which character `position` of the task appears when
// the line as typed is shown from column 0.
size_t TypedColumn(const char* bytes, size_t length, const TypedLine& line, size_t position);
