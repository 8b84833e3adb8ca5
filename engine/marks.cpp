#include "marks.h"

#include <array>
#include <cstring>
#include <iterator>

#include "status.h"
#include "task_record.h"
#include "text.h"

constexpr FunctionName kFunctionNames[] = {
    // cosecant and cosine family
    {11, "acosec"}, {12, "cosec"}, {13, "arccos"}, {14, "acosh"}, {15, "acos"}, {16, "cosh"},
    {17, "cos"},
    // sine family
    {18, "arcsin"}, {19, "asinh"}, {20, "asin"}, {21, "sinh"}, {22, "sin"},
    // cotangent family
    {23, "arccot"}, {24, "acoth"}, {25, "acot"}, {26, "coth"}, {27, "cot"},
    // tg family
    {28, "arcctg"}, {29, "arctg"}, {30, "actg"}, {31, "atg"}, {32, "ctg"}, {33, "tg"},
    // tangent family
    {34, "arctan"}, {35, "atanh"}, {36, "atan"}, {37, "tanh"}, {38, "tan"},
    // secant
    {39, "asec"}, {40, "sec"}, {41, "acsc"}, {42, "csc"},
    // others
    {43, "sqrt"}, {44, "sqr"}, {45, "exp"}, {46, "aln"}, {47, "alog"}, {48, "ln"}, {49, "log"},
    {50, "abs"}, {51, "int"}, {52, "rand"}, {53, "ran"}, {54, "sgn"},
    // values
    {kCodePi, "pi"}, {kCodeAns, "ans"}, {kCodeMem, "mem"},
};
constexpr size_t kFunctionNameCount = std::size(kFunctionNames);

namespace {

constexpr int kLastCode = kCodeMem;

// The name of every code, indexed by code.
constexpr std::array<const char*, kLastCode + 1> kNameByCode = [] {
    std::array<const char*, kLastCode + 1> names{};
    for (const FunctionName& entry : kFunctionNames) names[entry.code] = entry.name;
    return names;
}();

// Marking relies on the replacement order being the table order.
constexpr bool CodesAscend() {
    for (size_t i = 1; i < std::size(kFunctionNames); ++i)
        if (kFunctionNames[i - 1].code >= kFunctionNames[i].code) return false;
    return true;
}
static_assert(CodesAscend());
static_assert(std::size(kFunctionNames) == 47);

// The set of lower-case letters of a text, one bit a letter.
constexpr unsigned LetterSet(const char* text) {
    unsigned set = 0;
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z') set |= 1u << (*text - 'a');
    return set;
}

// The letters of every name: a name whose letters do not all occur in the
// text cannot occur in it, and is passed over without a search.
constexpr std::array<unsigned, std::size(kFunctionNames)> kNameLetters = [] {
    std::array<unsigned, std::size(kFunctionNames)> letters{};
    for (size_t i = 0; i < std::size(kFunctionNames); ++i) letters[i] = LetterSet(kFunctionNames[i].name);
    return letters;
}();

// A family of names that all contain one word: when the text lacks the word,
// none of the family can occur and the family is passed over.
struct FamilyGuard {
    int firstCode;
    const char* word;
    int nextCode;
    unsigned letters;
};
constexpr FamilyGuard kFamilyGuards[] = {
    {11, "cos", 18, LetterSet("cos")}, {18, "sin", 23, LetterSet("sin")}, {23, "cot", 28, LetterSet("cot")},
    {28, "tg", 34, LetterSet("tg")},   {34, "tan", 39, LetterSet("tan")},
};

// Room for marking: a name grows by at most two characters ("tg" becomes
// ":33;"), but a text beyond the task capacity is refused as soon as it grows
// past it, so the task capacity itself is enough.
constexpr size_t kMarkCapacity = kTaskCapacity;

// Largest field UnmarkFunctionNames can rebuild.
constexpr size_t kUnmarkCapacity = 1022;

void WriteMark(char* at, int code) {
    at[0] = ':';
    at[1] = static_cast<char>('0' + code / 10);
    at[2] = static_cast<char>('0' + code % 10);
    at[3] = ';';
}

// The code of a well-formed mark of a named code at `at`, or 0.
int MarkCodeAt(const char* at) {
    if (at[0] != ':' || !IsDigit(at[1]) || !IsDigit(at[2]) || at[3] != ';') return 0;
    int code = (at[1] - '0') * 10 + (at[2] - '0');
    return FunctionNameOf(code) ? code : 0;
}

}  // namespace

const char* FunctionNameOf(int code) {
    if (code < 0 || code > kLastCode) return nullptr;
    return kNameByCode[static_cast<size_t>(code)];
}

int MarkFunctionNames(char* text) {
    size_t length = TextLength(text, kMarkCapacity + 1);
    if (length > kMarkCapacity) return kStatusTooLong;

    char work[kMarkCapacity + 1];
    std::memcpy(work, text, length + 1);
    int result = kKindFormula;
    // Marking only removes letters, so this stays a superset of the text's.
    const unsigned present = LetterSet(work);

    const FamilyGuard* guard = std::begin(kFamilyGuards);
    for (size_t index = 0; index < kFunctionNameCount; ++index) {
        const FunctionName& entry = kFunctionNames[index];
        if (guard != std::end(kFamilyGuards) && entry.code == guard->firstCode) {
            bool familyAbsent = (guard->letters & ~present) != 0 || !std::strstr(work, guard->word);
            int nextCode = guard->nextCode;
            ++guard;
            if (familyAbsent) {
                while (index + 1 < kFunctionNameCount && kFunctionNames[index + 1].code < nextCode) ++index;
                continue;
            }
        }
        if ((kNameLetters[index] & ~present) != 0) continue;

        size_t nameLength = std::strlen(entry.name);
        // A mark holds no letter, so no occurrence can begin before the end
        // of the last mark made: the search goes on from there.
        char* from = work;
        while (char* found = std::strstr(from, entry.name)) {
            size_t newLength = length - nameLength + kMarkLength;
            if (newLength > kMarkCapacity) return kStatusTooLong;
            char* tail = found + nameLength;
            std::memmove(found + kMarkLength, tail, static_cast<size_t>(work + length - tail) + 1);
            WriteMark(found, entry.code);
            length = newLength;
            from = found + kMarkLength;
            result = kKindFunctions;
        }
    }

    std::memcpy(text, work, length + 1);
    return result;
}

void UnmarkFunctionNames(char* text, size_t capacity, int separator) {
    if (capacity > kUnmarkCapacity) capacity = kUnmarkCapacity;
    size_t length = TextLength(text, capacity + 1);
    if (length > capacity) return;

    // Measure first, so that the text is rewritten whole or not at all.
    size_t bareLength = 0;
    size_t markCount = 0;
    for (size_t i = 0; i < length;) {
        if (int code = MarkCodeAt(text + i)) {
            bareLength += std::strlen(FunctionNameOf(code));
            ++markCount;
            i += kMarkLength;
        } else {
            ++bareLength;
            ++i;
        }
    }
    if (markCount == 0) return;
    bool withColon = separator != 0 && bareLength + markCount <= capacity;
    if (!withColon && bareLength > capacity) return;

    char work[kUnmarkCapacity + 1];
    TextWriter out(work, capacity);
    for (size_t i = 0; i < length;) {
        if (int code = MarkCodeAt(text + i)) {
            if (withColon) out.Put(':');
            out.Put(FunctionNameOf(code));
            i += kMarkLength;
        } else {
            out.Put(text[i]);
            ++i;
        }
    }
    std::memcpy(text, work, out.Length() + 1);
}
