#include "commands.h"

#include "cleaning.h"
#include "engine.h"
#include "evaluator.h"
#include "number_text.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// Only this much of a command line is ever looked at.
constexpr size_t kCommandLength = 62;
constexpr size_t kArgumentPosition = 4;

// A command line cut to its examined part; every position up to
// kCommandLength reads as NUL past the end of the text.
struct CommandLine {
    char text[kCommandLength + 1] = {};

    char At(size_t position) const { return ToLower(text[position]); }
    int Argument() const { return ReadInteger(text + kArgumentPosition); }
    bool ArgumentStartsWithDigit() const { return IsDigit(text[kArgumentPosition]); }
};

// An action returns 0 when it was carried out, or a status code.
using CommandAction = int (*)(TaskRecord&, const CommandLine&);

int SetAutomatic(TaskRecord& r, const CommandLine&) {
    r.iNumberMode = kModeAutomatic;
    return 0;
}
int SetDecimalComma(TaskRecord& r, const CommandLine&) {
    r.bDecimalComma = 1;
    return 0;
}
int SetDecimalPoint(TaskRecord& r, const CommandLine&) {
    r.bDecimalComma = 0;
    return 0;
}
// Flags are stored as 0 or 1 so that every later reader (unmarking, the menu
// check marks, the settings file) sees one of the two values it knows.
int SetDigitGrouping(TaskRecord& r, const CommandLine& c) {
    r.bDigitGrouping = c.Argument() != 0;
    return 0;
}
int SetFunctionSeparator(TaskRecord& r, const CommandLine& c) {
    r.bFunctionSeparator = c.Argument() != 0;
    return 0;
}
int SetDecimals(TaskRecord& r, const CommandLine& c) {
    r.iDecimals = c.Argument();
    return 0;
}
int SetFixed(TaskRecord& r, const CommandLine& c) {
    r.iNumberMode = kModeFixed;
    if (c.ArgumentStartsWithDigit()) r.iDecimals = c.Argument();
    return 0;
}
int SetScientific(TaskRecord& r, const CommandLine& c) {
    r.iNumberMode = kModeScientific;
    if (c.ArgumentStartsWithDigit()) r.iDecimals = c.Argument();
    return 0;
}
int SetDegrees(TaskRecord& r, const CommandLine&) {
    r.iAngleUnit = kDegrees;
    return 0;
}
int SetGrads(TaskRecord& r, const CommandLine&) {
    r.iAngleUnit = kGrads;
    return 0;
}
int SetRadians(TaskRecord& r, const CommandLine&) {
    r.iAngleUnit = kRadians;
    return 0;
}
int DoNothing(TaskRecord&, const CommandLine&) { return 0; }

int WorkMemory(TaskRecord& r, const CommandLine& c) {
    char sign = c.At(kArgumentPosition);
    if (sign == '+' || sign == '-') {
        return CombineMemory(r.szMemory, r.szResult, sign == '-', r.iAngleUnit, EvaluateFlat);
    }
    // A plain store takes the result unchecked; a message stored here is
    // refused later, where `mem` is used.
    CopyText(r.szMemory, kMemoryCapacity, r.szResult);
    return 0;
}

struct CommandRow {
    char letter;  // position 1, lower case
    char second;  // position 2, lower case; 0 matches anything
    char third;   // position 3, lower case; 0 matches anything
    CommandAction action;
};

// The first row that matches wins, so the rows of one letter run from the
// most specific to a catch-all: any line of a known letter is a command.
constexpr CommandRow kCommands[] = {
    {'a', 0, 0, SetAutomatic},    {'c', 0, 0, SetDecimalComma}, {'d', 'i', 'g', SetDigitGrouping},
    {'d', 'e', 'c', SetDecimals}, {'d', 'e', 'g', SetDegrees},  {'d', 'o', 0, SetDecimalPoint},
    {'d', 0, 0, DoNothing},       {'f', 'i', 0, SetFixed},      {'f', 'u', 0, SetFunctionSeparator},
    {'f', 0, 0, DoNothing},       {'g', 0, 0, SetGrads},        {'m', 0, 0, WorkMemory},
    {'r', 0, 0, SetRadians},      {'s', 0, 0, SetScientific},
};

constexpr bool EveryLetterEndsInCatchAll() {
    for (const CommandRow& row : kCommands) {
        const CommandRow* last = nullptr;
        for (const CommandRow& other : kCommands) {
            if (other.letter == row.letter) last = &other;
        }
        if (last->second != 0 || last->third != 0) return false;
        if (row.letter < 'a' || row.letter > 'z' || row.action == nullptr) return false;
    }
    return true;
}
static_assert(EveryLetterEndsInCatchAll(), "each command letter needs a catch-all row last");

bool Matches(const CommandRow& row, const CommandLine& line) {
    return row.letter == line.At(1) && (row.second == 0 || row.second == line.At(2)) &&
           (row.third == 0 || row.third == line.At(3));
}

int RefuseCommand(TaskRecord& r) {
    GetStatusMessage(kStatusUnknownCommand, r.szResult, kResultCapacity);
    CopyText(r.szAnswer, kAnswerCapacity, r.szResult);
    return -1;
}

}  // namespace

int CombineMemory(char* memory, const char* result, bool subtract, int angleUnit, FlatEvaluator evaluate) {
    // Cleaning can only shrink a shown number or add one "0" before a bare
    // point, so these always hold a cleaned field; the joined text holds both
    // and the operators between them.
    char number[kSanitizeLimit + 1];
    if (!ReadBackNumber(result, number, kSanitizeLimit)) return kStatusAnswerNotNumber;
    bool negative = number[0] == '-';
    const char* magnitude = negative ? number + 1 : number;

    char joined[2 * kSanitizeLimit + 3];
    TextWriter out(joined, sizeof joined - 1);
    if (memory[0] == 0) {
        // An empty memory is zero: the sum is the result itself.
        if (subtract && !negative) out.Put('-');
        out.Put(subtract ? magnitude : number);
    } else {
        char stored[kSanitizeLimit + 1];
        if (!ReadBackNumber(memory, stored, kSanitizeLimit)) return kStatusAnswerNotNumber;
        out.Put(stored);
        // Subtracting a negative result adds its magnitude: 5 - -3 is 5+3.
        if (subtract && negative) {
            out.Put('+');
            out.Put(magnitude);
        } else {
            out.Put(subtract ? "+-" : "+");
            out.Put(number);
        }
        if (out.Overflowed()) return kStatusTooLong;
        int status = evaluate(joined, sizeof joined - 1, angleUnit);
        if (status != 0) return status;
    }
    if (out.Overflowed() || !CopyText(memory, kMemoryCapacity, joined)) return kStatusTooLong;
    return 0;
}

int ExecuteCommand(TaskRecord& record) {
    CommandLine line;
    size_t length = TextLength(record.szTask, kCommandLength);
    for (size_t i = 0; i < length; ++i) line.text[i] = record.szTask[i];

    // "#" and a number: the number is the caller's to act on; nothing changes.
    if (IsDigit(line.text[1])) return ReadInteger(line.text + 1);

    for (const CommandRow& row : kCommands) {
        if (!Matches(row, line)) continue;
        int status = row.action(record, line);
        if (status != 0) return status;
        UpdateAnswer(record);
        return kKindCommand;
    }
    return RefuseCommand(record);
}
