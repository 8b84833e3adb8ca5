// The function names and named values of a task in one table: the code each
// one is marked with, the word the user types and what the evaluator
// computes for it. Marking (marks.cpp) and evaluation (functions.cpp) both
// walk this table; nothing else lists the codes.
#pragma once

#include <cstddef>
#include <iterator>

// The computations behind the codes; synonyms share one. kNone computes
// nothing and gives 0: the values pi, ans and mem are replaced by numbers
// before evaluation, and a code without an entry counts as kNone too.
// One family a line, laid out by hand.
// clang-format off
enum class FunctionKind : unsigned char {
    kNone,
    kSin, kCos, kTan, kCot, kSec, kCosec,
    kAsin, kAcos, kAtan, kAcot, kAsec, kAcosec,
    kSinh, kCosh, kTanh, kCoth, kAsinh, kAcosh, kAtanh, kAcoth,
    kSqrt, kSqr, kExp, kAlog, kLn, kLog, kAbs, kInt, kRand, kSgn,
};
// clang-format on

struct FunctionEntry {
    int code;
    const char* name;
    FunctionKind kind;
};

inline constexpr int kCodePi = 61;
inline constexpr int kCodeAns = 62;
inline constexpr int kCodeMem = 63;

// The 44 function names (codes 11 to 54) and the 3 values (61 to 63), in the
// order of replacement: increasing code, and every name before any name it
// contains ("acosec" before "cosec" before "cos"), so a shorter name never
// breaks up a longer one. Synonyms keep codes of their own so that unmarking
// gives back the word that was typed.
inline constexpr FunctionEntry kFunctionTable[] = {
    // cosecant and cosine family
    {11, "acosec", FunctionKind::kAcosec},
    {12, "cosec", FunctionKind::kCosec},
    {13, "arccos", FunctionKind::kAcos},
    {14, "acosh", FunctionKind::kAcosh},
    {15, "acos", FunctionKind::kAcos},
    {16, "cosh", FunctionKind::kCosh},
    {17, "cos", FunctionKind::kCos},
    // sine family
    {18, "arcsin", FunctionKind::kAsin},
    {19, "asinh", FunctionKind::kAsinh},
    {20, "asin", FunctionKind::kAsin},
    {21, "sinh", FunctionKind::kSinh},
    {22, "sin", FunctionKind::kSin},
    // cotangent family
    {23, "arccot", FunctionKind::kAcot},
    {24, "acoth", FunctionKind::kAcoth},
    {25, "acot", FunctionKind::kAcot},
    {26, "coth", FunctionKind::kCoth},
    {27, "cot", FunctionKind::kCot},
    // tg family
    {28, "arcctg", FunctionKind::kAcot},
    {29, "arctg", FunctionKind::kAtan},
    {30, "actg", FunctionKind::kAcot},
    {31, "atg", FunctionKind::kAtan},
    {32, "ctg", FunctionKind::kCot},
    {33, "tg", FunctionKind::kTan},
    // tangent family
    {34, "arctan", FunctionKind::kAtan},
    {35, "atanh", FunctionKind::kAtanh},
    {36, "atan", FunctionKind::kAtan},
    {37, "tanh", FunctionKind::kTanh},
    {38, "tan", FunctionKind::kTan},
    // secant
    {39, "asec", FunctionKind::kAsec},
    {40, "sec", FunctionKind::kSec},
    {41, "acsc", FunctionKind::kAcosec},
    {42, "csc", FunctionKind::kCosec},
    // others
    {43, "sqrt", FunctionKind::kSqrt},
    {44, "sqr", FunctionKind::kSqr},
    {45, "exp", FunctionKind::kExp},
    {46, "aln", FunctionKind::kExp},
    {47, "alog", FunctionKind::kAlog},
    {48, "ln", FunctionKind::kLn},
    {49, "log", FunctionKind::kLog},
    {50, "abs", FunctionKind::kAbs},
    {51, "int", FunctionKind::kInt},
    {52, "rand", FunctionKind::kRand},
    {53, "ran", FunctionKind::kRand},
    {54, "sgn", FunctionKind::kSgn},
    // values
    {kCodePi, "pi", FunctionKind::kNone},
    {kCodeAns, "ans", FunctionKind::kNone},
    {kCodeMem, "mem", FunctionKind::kNone},
};
inline constexpr size_t kFunctionCount = std::size(kFunctionTable);

// The codes of the values share this tens digit and no function's code has
// it, so the first digit of a mark tells a value from a function.
inline constexpr int kValueCodeTens = kCodePi / 10;

// The largest code; codes index tables of kLastFunctionCode + 1 entries.
inline constexpr int kLastFunctionCode = kCodeMem;

// Cleaning tells a task that may hold a function from one that can only hold
// formulas by these letters: every name holds at least one of them.
inline constexpr char kFunctionLetters[] = "almpst";

namespace function_table_checks {

constexpr bool Contains(const char* text, char c) {
    for (; *text; ++text)
        if (*text == c) return true;
    return false;
}

// Marking relies on the replacement order being the table order, and the
// code-indexed tables on codes from 1 to kLastFunctionCode.
constexpr bool CodesAscend() {
    for (size_t i = 0; i < kFunctionCount; ++i) {
        if (kFunctionTable[i].code < 1 || kFunctionTable[i].code > kLastFunctionCode) return false;
        if (i > 0 && kFunctionTable[i - 1].code >= kFunctionTable[i].code) return false;
    }
    return true;
}

constexpr bool EveryNameHoldsAFunctionLetter() {
    for (const FunctionEntry& entry : kFunctionTable) {
        bool found = false;
        for (const char* c = entry.name; *c && !found; ++c) found = Contains(kFunctionLetters, *c);
        if (!found) return false;
    }
    return true;
}

// Functions compute something; the values are replaced before evaluation.
constexpr bool OnlyValuesComputeNothing() {
    for (const FunctionEntry& entry : kFunctionTable) {
        const bool value = entry.code == kCodePi || entry.code == kCodeAns || entry.code == kCodeMem;
        if (value != (entry.kind == FunctionKind::kNone)) return false;
        if (value != (entry.code / 10 == kValueCodeTens)) return false;
    }
    return true;
}

static_assert(kFunctionCount == 47);
static_assert(CodesAscend());
static_assert(EveryNameHoldsAFunctionLetter());
static_assert(OnlyValuesComputeNothing());

}  // namespace function_table_checks
