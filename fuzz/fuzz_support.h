// Helpers shared by the fuzz targets: cutting the input into lines, filling
// fixed-capacity fields from raw bytes, reading settings from bytes, and
// stopping loudly when an invariant breaks.
//
// Inputs are text so that seeds can be written by hand: lines split at LF,
// every other byte (CR and NUL included) belongs to its line.
#pragma once

#include <sanitizer/allocator_interface.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine.h"
#include "record_invariants.h"
#include "task_record.h"

namespace fuzz {

// Walks the input line by line; the last line needs no LF.
class Lines {
public:
    Lines(const uint8_t* data, size_t size) : p_(reinterpret_cast<const char*>(data)), end_(p_ + size) {}

    // The next line, without its LF; false once the input is used up.
    bool Next(const char*& line, size_t& length) {
        if (done_) return false;
        const void* lf = std::memchr(p_, '\n', static_cast<size_t>(end_ - p_));
        line = p_;
        if (lf == nullptr) {
            length = static_cast<size_t>(end_ - p_);
            p_ = end_;
            done_ = true;
        } else {
            length = static_cast<size_t>(static_cast<const char*>(lf) - p_);
            p_ += length + 1;
        }
        return true;
    }

    // The next line, or an empty one when there is none.
    void NextOrEmpty(const char*& line, size_t& length) {
        if (!Next(line, length)) {
            line = "";
            length = 0;
        }
    }

private:
    const char* p_;
    const char* end_;
    bool done_ = false;
};

// Puts up to `capacity` bytes of a line into a field and terminates it there;
// a NUL among the bytes ends the text early, as it would in the window.
inline void FillField(char* field, size_t capacity, const char* bytes, size_t length) {
    if (length > capacity) length = capacity;
    std::memcpy(field, bytes, length);
    field[length] = 0;
}

template <size_t N>
inline void FillField(char (&field)[N], const char* bytes, size_t length) {
    FillField(field, N - 1, bytes, length);
}

// One byte chooses one setting: "0" to "9" give that number, "-" keeps the
// default, lower-case letters give values at the edges of what the engine
// must survive (negative, huge, just past the offered ranges), and any other
// byte its own value as a signed 8-bit number.
inline int32_t SettingFromByte(uint8_t byte, int32_t fallback) {
    static constexpr int32_t kEdgeValues[26] = {
        -1, -2, -6, -100, INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, 3,   10,  15,   16,    17,
        20, 50, 87, 88,   89,        100,           126,       127,           128, 310, 1000, 65536, 1 << 30,
    };
    if (byte >= '0' && byte <= '9') return byte - '0';
    if (byte == '-') return fallback;
    if (byte >= 'a' && byte <= 'z') return kEdgeValues[byte - 'a'];
    return static_cast<int8_t>(byte);
}

// The settings line: its first six bytes choose iAngleUnit, iNumberMode,
// iDecimals, bDigitGrouping, bFunctionSeparator and bDecimalComma in this
// order; missing bytes keep the defaults.
inline void ReadSettings(const char* line, size_t length, TaskRecord& record) {
    int32_t* const fields[] = {&record.iAngleUnit,     &record.iNumberMode,        &record.iDecimals,
                               &record.bDigitGrouping, &record.bFunctionSeparator, &record.bDecimalComma};
    for (size_t i = 0; i < 6 && i < length; ++i)
        *fields[i] = SettingFromByte(static_cast<uint8_t>(line[i]), *fields[i]);
}

// Counts heap allocations while armed: the engine must allocate nothing.
// Only the armed thread's allocations count: libFuzzer's own threads (the
// one that watches the memory in use wakes every second) may allocate at
// any time, and must not be blamed on the code under test.
class AllocationWatch {
public:
    static void Install() {
        static bool installed = false;
        if (!installed) __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
        installed = true;
    }
    static void Arm() {
        count_ = 0;
        armed_ = true;
    }
    static long Disarm() {
        armed_ = false;
        return count_;
    }

private:
    static void OnMalloc(const volatile void*, size_t) {
        if (armed_) ++count_;
    }
    static void OnFree(const volatile void*) {}

    static inline thread_local bool armed_ = false;
    static inline long count_ = 0;
};

inline void PrintRecord(const char* title, const TaskRecord& r) {
    using record_invariants::Printable;
    auto field = [](const char* name, const char* text, size_t capacity) {
        const size_t n = strnlen(text, capacity + 1);
        std::fprintf(stderr, "  %-10s \"%s\"%s\n", name, Printable(text, n).c_str(),
                     n > capacity ? " (NOT TERMINATED)" : "");
    };
    std::fprintf(stderr, "%s:\n", title);
    field("szTask", r.szTask, kTaskCapacity);
    field("szMaths", r.szMaths, kMathsCapacity);
    field("szResult", r.szResult, kResultCapacity);
    field("szAnswer", r.szAnswer, kAnswerCapacity);
    field("szMemory", r.szMemory, kMemoryCapacity);
    std::fprintf(stderr, "  settings   angle %d, mode %d, decimals %d, grouping %d, separator %d, comma %d\n",
                 r.iAngleUnit, r.iNumberMode, r.iDecimals, r.bDigitGrouping, r.bFunctionSeparator, r.bDecimalComma);
}

// Reports a broken invariant that concerns no record and stops the fuzzer.
[[noreturn]] inline void Broken(const std::string& what) {
    std::fprintf(stderr, "\n==== invariant broken: %s\n", what.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

// Reports a broken invariant with both records and stops the fuzzer, which
// then saves the input as a crash.
[[noreturn]] inline void Violation(const std::string& what, const TaskRecord& before, const TaskRecord& after,
                                   int result, const char* firstTitle = "record before",
                                   const char* secondTitle = "record after") {
    std::fprintf(stderr, "\n==== invariant broken: %s (result %d)\n", what.c_str(), result);
    PrintRecord(firstTitle, before);
    PrintRecord(secondTitle, after);
    std::fflush(stderr);
    __builtin_trap();
}

// Fills the stack below the caller with `value`, so that the next call's
// uninitialised locals start out as that byte.
[[gnu::noinline]] inline void PaintStack(unsigned char value) {
    unsigned char area[32 * 1024];
    std::memset(area, value, sizeof area);
    asm volatile("" : : "r"(area) : "memory");
}

// The same calculation on the same record, with the random generator
// reseeded and the stack painted with `paint` first.
[[gnu::noinline]] inline int CalculateFrom(TaskRecord& record, unsigned char paint) {
    SeedRandom(20);
    PaintStack(paint);
    return CalculateTask(record);
}

inline bool SameTexts(const TaskRecord& a, const TaskRecord& b) {
    return std::strcmp(a.szTask, b.szTask) == 0 && record_invariants::SameExceptTask(a, b);
}

// Calculates `record` (its szTask already set), watching allocations, and
// checks every invariant against `before`, a copy taken just before. A twin
// of the record is calculated once more over a differently painted stack:
// both must end alike, or the engine read something it never wrote.
inline int CalculateChecked(TaskRecord& record) {
    const TaskRecord before = record;
    AllocationWatch::Arm();
    const int result = CalculateFrom(record, 0x00);
    const long allocations = AllocationWatch::Disarm();
    if (allocations != 0) Violation("the engine allocated memory", before, record, result);
    const std::string problem = record_invariants::CheckCalculation(before, record, result);
    if (!problem.empty()) Violation(problem, before, record, result);

    TaskRecord twin = before;
    const int twinResult = CalculateFrom(twin, 0xA5);
    if (twinResult != result || !SameTexts(twin, record))
        Violation("the same calculation over another stack ended otherwise", record, twin, twinResult,
                  "record after the first run", "record after the second run");
    return result;
}

}  // namespace fuzz

// Every target watches the engine's heap use from its first input on. Each
// target is one source file, so this definition is made once per program;
// it must not be inline, or libFuzzer would not find it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::AllocationWatch::Install();
    return 0;
}
