// What any call of CalculateTask may leave in a record, whatever the task and
// whatever the record held before. Shared by the exhaustive tests and the fuzz
// targets, so it depends on nothing but the engine's public headers and the
// standard library; it never aborts itself, it describes what is wrong.
#pragma once

#include <cctype>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine.h"
#include "status.h"
#include "task_record.h"

namespace record_invariants {

inline bool IsTerminated(const char* field, size_t capacity) { return std::memchr(field, 0, capacity + 1) != nullptr; }

// Every text field holds its NUL within its capacity.
inline bool IsWellFormed(const TaskRecord& r) {
    return IsTerminated(r.szTask, kTaskCapacity) && IsTerminated(r.szMaths, kMathsCapacity) &&
           IsTerminated(r.szResult, kResultCapacity) && IsTerminated(r.szAnswer, kAnswerCapacity) &&
           IsTerminated(r.szMemory, kMemoryCapacity);
}

inline bool SameSettings(const TaskRecord& a, const TaskRecord& b) {
    return a.iAngleUnit == b.iAngleUnit && a.iNumberMode == b.iNumberMode && a.iDecimals == b.iDecimals &&
           a.bDigitGrouping == b.bDigitGrouping && a.bFunctionSeparator == b.bFunctionSeparator &&
           a.bDecimalComma == b.bDecimalComma;
}

// Everything but szTask, which a command line always leaves cleaned.
inline bool SameExceptTask(const TaskRecord& a, const TaskRecord& b) {
    return std::strcmp(a.szMaths, b.szMaths) == 0 && std::strcmp(a.szResult, b.szResult) == 0 &&
           std::strcmp(a.szAnswer, b.szAnswer) == 0 && std::strcmp(a.szMemory, b.szMemory) == 0 && SameSettings(a, b);
}

// An optional "-", digits, optional "." and digits, optional exponent: the
// form of every raw result the evaluator writes.
inline bool IsNumber(const char* p) {
    auto digits = [&p] {
        const char* start = p;
        while (*p >= '0' && *p <= '9') ++p;
        return p > start;
    };
    if (*p == '-') ++p;
    if (!digits()) return false;
    if (*p == '.') {
        ++p;
        if (!digits()) return false;
    }
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        if (!digits()) return false;
    }
    return *p == 0;
}

inline bool IsStatusMessage(const char* text) {
    if (std::strcmp(text, kUnexpectedErrorText) == 0) return true;
    for (size_t i = 0; i < kStatusMessageCount; ++i)
        if (std::strcmp(text, kStatusMessages[i].text) == 0) return true;
    return false;
}

// The value of a shown number: grouping spaces dropped, a decimal comma read
// as a point. False when the text is no number in that form.
inline bool ShownValue(const char* text, double& value) {
    std::string plain;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ') continue;
        plain.push_back(*p == ',' ? '.' : *p);
    }
    if (!IsNumber(plain.c_str())) return false;
    value = std::strtod(plain.c_str(), nullptr);
    return true;
}

// Digit groups as the display lays them out: a first group of one to three
// digits and further groups of three before the decimal separator, groups
// of three and a last one of one to three after it, one space between groups
// and none anywhere else; an exponent follows ungrouped.
inline bool IsGroupedLayout(const char* p, char separator) {
    auto groups = [&p](bool integerPart) {
        size_t count = 0;
        for (size_t group = 0;; ++group) {
            size_t n = 0;
            while (*p >= '0' && *p <= '9') ++p, ++n;
            if (n == 0 || n > 3) return false;
            ++count;
            if (*p != ' ') return !integerPart || count == 1 || n == 3;
            // A group followed by a space is full, except an integer part's first.
            if (n != 3 && !(integerPart && group == 0)) return false;
            ++p;
        }
    };
    if (*p == '-') ++p;
    if (!groups(true)) return false;
    if (*p == separator) {
        ++p;
        if (!groups(false)) return false;
    }
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        if (!(*p >= '0' && *p <= '9')) return false;
        while (*p >= '0' && *p <= '9') ++p;
    }
    return *p == 0;
}

// The decimal places a display mode shows for a setting; only a bound is
// needed: a negative setting means 6 and more than 15 show nothing finer
// than the double holds.
inline int ShownDecimals(int decimals) { return decimals < 0 ? 6 : decimals > 15 ? 15 : decimals; }

// Checks the shown answer of a freshly rendered numeric result: the same
// value as the raw result (to the decimals the mode shows) and, with digit
// grouping, laid out in groups. Empty when it holds.
inline std::string CheckShownAnswer(const TaskRecord& r) {
    if (r.iNumberMode < kModeAutomatic || r.iNumberMode > kModeFixed || !IsNumber(r.szResult)) return "";
    const double result = std::strtod(r.szResult, nullptr);
    if (!std::isfinite(result)) return "";
    double shown;
    if (!ShownValue(r.szAnswer, shown)) return "the shown answer is no number";
    const double scale = std::fmax(std::fabs(result), std::fabs(shown));
    const double tolerance =
        r.iNumberMode == kModeAutomatic
            ? scale * 1e-14
            : 0.51 * std::pow(10.0, -ShownDecimals(r.iDecimals)) * std::fmax(1.0, scale) + scale * 1e-15;
    if (!(std::fabs(shown - result) <= tolerance)) return "the shown answer is another value than szResult";
    if (r.bDigitGrouping) {
        if (!IsGroupedLayout(r.szAnswer, r.bDecimalComma ? ',' : '.'))
            return "the shown answer is not laid out in digit groups";
    } else if (std::strchr(r.szAnswer, ' ')) {
        return "the shown answer has a space without digit grouping";
    }
    return "";
}

inline bool EndsWith(const char* text, const char* tail) {
    const size_t n = std::strlen(text), m = std::strlen(tail);
    return n >= m && std::memcmp(text + n - m, tail, m) == 0;
}

// A cleaned command line as the command reader sees it: only the first 62
// characters count, positions past the end read as NUL.
struct CommandView {
    static constexpr size_t kExamined = 62;
    char text[kExamined + 1] = {};

    explicit CommandView(const char* task) {
        for (size_t i = 0; i < kExamined && task[i]; ++i) text[i] = task[i];
    }
    char At(size_t i) const { return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i]))); }
    bool DigitAt(size_t i) const { return text[i] >= '0' && text[i] <= '9'; }

    // atoi from `from`, clamped to the 32-bit range.
    int Integer(size_t from) const {
        const char* p = text + from;
        bool negative = false;
        if (*p == '+' || *p == '-') negative = *p++ == '-';
        long long value = 0;
        for (; *p >= '0' && *p <= '9'; ++p)
            if (value <= INT_MAX) value = value * 10 + (*p - '0');
        if (negative) value = -value;
        if (value > INT_MAX) return INT_MAX;
        if (value < INT_MIN) return INT_MIN;
        return static_cast<int>(value);
    }
};

// The settings a command letter line leaves, given those before it. False
// when the line is no command the engine knows.
inline bool ExpectedSettings(const CommandView& c, const TaskRecord& before, TaskRecord& expected) {
    expected = before;
    const int argument = c.Integer(4);
    switch (c.At(1)) {
    case 'a':
        expected.iNumberMode = kModeAutomatic;
        return true;
    case 'c':
        expected.bDecimalComma = 1;
        return true;
    case 'd':
        if (c.At(2) == 'i' && c.At(3) == 'g') expected.bDigitGrouping = argument != 0;
        else if (c.At(2) == 'e' && c.At(3) == 'c') expected.iDecimals = argument;
        else if (c.At(2) == 'e' && c.At(3) == 'g') expected.iAngleUnit = kDegrees;
        else if (c.At(2) == 'o') expected.bDecimalComma = 0;
        return true;
    case 'f':
        if (c.At(2) == 'i') {
            expected.iNumberMode = kModeFixed;
            if (c.DigitAt(4)) expected.iDecimals = argument;
        } else if (c.At(2) == 'u') {
            expected.bFunctionSeparator = argument != 0;
        }
        return true;
    case 'g':
        expected.iAngleUnit = kGrads;
        return true;
    case 'm':
        return true;
    case 'r':
        expected.iAngleUnit = kRadians;
        return true;
    case 's':
        expected.iNumberMode = kModeScientific;
        if (c.DigitAt(4)) expected.iDecimals = argument;
        return true;
    default:
        return false;
    }
}

// Checks the record CalculateTask left (`after`, with its result) against the
// record it was handed (`before`, well formed). Returns an empty text when
// every invariant holds, otherwise the first one broken.
inline std::string CheckCalculation(const TaskRecord& before, const TaskRecord& after, int result) {
    if (!IsWellFormed(after)) return "a text field is not terminated within its capacity";

    const bool hasHash = std::strchr(after.szTask, '#') != nullptr;
    const CommandView command(after.szTask);
    const bool solved = result == kKindQuadratic && EndsWith(after.szTask, " = 0");

    // "#" and a number: the number back, nothing but the cleaning changed.
    if (result != -1 && hasHash && command.DigitAt(1) && !solved) {
        if (result != command.Integer(1)) return "a number line returned another number than its own";
        if (!SameExceptTask(before, after)) return "a number line changed the record";
        return "";
    }

    const bool letterCommand = result == kKindCommand && hasHash;
    const bool memoryCommand = hasHash && command.At(1) == 'm';
    const bool memoryJoin = memoryCommand && (command.At(4) == '+' || command.At(4) == '-');

    if (result >= kFirstStatus) {
        if (!memoryJoin) return "a status code came back from something other than a memory join";
        if (!SameExceptTask(before, after)) return "a failed memory join changed the record";
        return "";
    }
    if (result != -1 && !(result >= kKindPlain && result <= kKindQuadratic) && !letterCommand)
        return "the result is none of the documented values";

    // Settings change only by a command line, and then only as it says.
    TaskRecord expected = before;
    if (letterCommand) {
        if (!ExpectedSettings(command, before, expected)) return "an unknown command letter was executed";
        if (std::strcmp(after.szResult, before.szResult) != 0) return "a command line changed szResult";
    }
    if (!SameSettings(after, expected)) {
        return letterCommand ? "a command line set other settings than it names"
                             : "settings changed on a line that is no command";
    }

    // The memory changes only by #mem lines.
    if (std::strcmp(after.szMemory, before.szMemory) != 0 && !(letterCommand && memoryCommand))
        return "szMemory changed on a line that is no memory command";
    if (letterCommand && memoryCommand) {
        if (memoryJoin && !IsNumber(after.szMemory)) return "a memory join left no number in szMemory";
        if (!memoryJoin && std::strcmp(after.szMemory, before.szResult) != 0)
            return "a memory store did not copy szResult";
        // An empty memory counts as zero.
        double memory = 0, added = 0, sum = 0;
        if (memoryJoin && (before.szMemory[0] == 0 || ShownValue(before.szMemory, memory)) &&
            ShownValue(before.szResult, added) && ShownValue(after.szMemory, sum)) {
            const double expected = command.At(4) == '-' ? memory - added : memory + added;
            const double scale = std::fmax(std::fabs(memory), std::fabs(added));
            if (!(std::fabs(sum - expected) <= scale * 1e-13 + 1e-300) && !(sum == expected))
                return "a memory join stored another value than the sum";
        }
    }

    if (result == -1) {
        if (std::strcmp(after.szResult, after.szAnswer) != 0) return "after a failure szResult and szAnswer differ";
        if (!IsStatusMessage(after.szResult)) return "after a failure szResult is no status message";
        // The user sees the unknown symbol as typed.
        if (std::strcmp(after.szResult, "Unknown element symbol") == 0 && std::strcmp(after.szTask, before.szTask) != 0)
            return "an unknown symbol did not bring back the task as typed";
        return "";
    }

    if (result == kKindPlain && after.szTask[0] == 0) {
        if (after.szMaths[0] || after.szResult[0] || after.szAnswer[0])
            return "an empty task left text in szMaths, szResult or szAnswer";
        return "";
    }
    // The kind names what the cleaned task holds.
    auto holds = [](const char* text, bool (*pick)(char)) {
        for (; *text; ++text)
            if (pick(*text)) return true;
        return false;
    };
    auto isLetterButE = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E'; };
    // A mark stays when the names would not fit the field.
    auto isFunctionLetter = [](char c) { return c != 0 && std::strchr("almpst:", c) != nullptr; };
    auto isX = [](char c) { return c == 'x' || c == 'X'; };
    if (result == kKindPlain && holds(after.szTask, isLetterButE)) return "a plain task holds letters";
    if (result == kKindFormula && holds(after.szMaths, isLetterButE))
        return "a formula left letters in the evaluated expression";
    if ((result == kKindFunctions || result == kKindFunctionsAndFormula) && !holds(after.szTask, isFunctionLetter))
        return "a task of functions holds no function letter";
    if (result == kKindQuadratic && !holds(after.szTask, isX)) return "an equation holds no x";

    if (result == kKindQuadratic) {
        if (!solved) return "a solved equation does not end in \" = 0\"";
        if (!IsNumber(after.szResult) && std::strcmp(after.szResult, "<Complex number>") != 0)
            return "a solved equation left no root in szResult";
    } else if (!letterCommand && !IsNumber(after.szResult)) {
        return "a calculated task left no number in szResult";
    }

    // The shown answer is the rendering of the result under the settings:
    // rendering it again changes nothing.
    TaskRecord again = after;
    UpdateAnswer(again);
    if (std::strcmp(again.szAnswer, after.szAnswer) != 0 || std::strcmp(again.szTask, after.szTask) != 0 ||
        std::strcmp(again.szMaths, after.szMaths) != 0)
        return "szAnswer is not the rendering of szResult under the settings";
    return CheckShownAnswer(after);
}

// A printable form of a task for failure reports: bytes outside 0x20-0x7E as \xNN.
inline std::string Printable(const char* text, size_t length) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            out += "\\x";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

inline std::string Printable(const char* text) { return Printable(text, std::strlen(text)); }

}  // namespace record_invariants
