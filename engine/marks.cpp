#include "marks.h"

#include <array>
#include <cstring>
#include <iterator>

#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// The name of every code, indexed by code.
constexpr std::array<const char*, kLastFunctionCode + 1> kNameByCode = [] {
    std::array<const char*, kLastFunctionCode + 1> names{};
    for (const FunctionEntry& entry : kFunctionTable) names[entry.code] = entry.name;
    return names;
}();

// The set of lower-case letters of a text, one bit a letter.
constexpr unsigned LetterSet(const char* text) {
    unsigned set = 0;
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z') set |= 1u << (*text - 'a');
    return set;
}

// The letters of every name: a name whose letters do not all occur in the
// text cannot occur in it, and is passed over without a search.
constexpr std::array<unsigned, kFunctionCount> kNameLetters = [] {
    std::array<unsigned, kFunctionCount> letters{};
    for (size_t i = 0; i < kFunctionCount; ++i) letters[i] = LetterSet(kFunctionTable[i].name);
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

constexpr bool HasWord(const char* text, const char* word) {
    for (; *text; ++text) {
        size_t k = 0;
        while (word[k] && text[k] == word[k]) ++k;
        if (!word[k]) return true;
    }
    return false;
}

// A family may be passed over only when none of its names can occur: every
// member holds the family's word, the families follow one another, and each
// begins at a code of the table.
constexpr bool GuardsAreSound() {
    int previousEnd = 0;
    for (const FamilyGuard& guard : kFamilyGuards) {
        if (guard.firstCode < previousEnd || guard.nextCode <= guard.firstCode) return false;
        if (guard.letters != LetterSet(guard.word)) return false;
        previousEnd = guard.nextCode;
        bool begins = false;
        for (const FunctionEntry& entry : kFunctionTable) {
            begins = begins || entry.code == guard.firstCode;
            if (entry.code >= guard.firstCode && entry.code < guard.nextCode && !HasWord(entry.name, guard.word))
                return false;
        }
        if (!begins) return false;
    }
    return true;
}
static_assert(GuardsAreSound());

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

}  // namespace

int MarkCodeAt(const char* at) {
    if (at[0] != ':' || !IsDigit(at[1]) || !IsDigit(at[2]) || at[3] != ';') return 0;
    int code = (at[1] - '0') * 10 + (at[2] - '0');
    return FunctionNameOf(code) ? code : 0;
}

const char* FunctionNameOf(int code) {
    if (code < 0 || code > kLastFunctionCode) return nullptr;
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
    for (size_t index = 0; index < kFunctionCount; ++index) {
        const FunctionEntry& entry = kFunctionTable[index];
        if (guard != std::end(kFamilyGuards) && entry.code == guard->firstCode) {
            bool familyAbsent = (guard->letters & ~present) != 0 || !std::strstr(work, guard->word);
            int nextCode = guard->nextCode;
            ++guard;
            if (familyAbsent) {
                while (index + 1 < kFunctionCount && kFunctionTable[index + 1].code < nextCode) ++index;
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
