#include "symbols.h"

#include <array>
#include <cstring>
#include <iterator>

#include "status.h"
#include "task_record.h"
#include "text.h"

constexpr LowerCaseRule kLowerCaseRules[] = {
    {'a', "BCGLNPRT", ""},   {'b', "DNPRSTY", ""}, {'c', "AST", "fos"}, {'d', "CGMNP", ""},
    {'e', "BCFGHNRSTX", ""}, {'f', "CHR", ""},     {'g', "AHMS", ""},   {'h', "BRT", "fos"},
    {'i', "BLNST", ""},      {'k', "B", ""},       {'l', "ACT", ""},    {'m', "ACFPST", ""},
    {'n', "IMRSZ", "o"},     {'o', "CHMNP", ""},   {'p', "N", "o"},     {'r', "ABCEFIKLPSZ", ""},
    {'s', "ACEHO", "c"},     {'t', "AMP", ""},     {'u', "ACELPR", ""}, {'v', "", ""},
    {'w', "", ""},           {'x', "", ""},        {'y', "D", ""},      {'z', "", ""},
};
constexpr size_t kLowerCaseRuleCount = std::size(kLowerCaseRules);

namespace {

constexpr bool Contains(const char* set, char c) {
    for (; *set; ++set)
        if (*set == c) return true;
    return false;
}

// The rule of every lower-case letter, indexed by letter - 'a'.
constexpr std::array<const LowerCaseRule*, 26> kRuleByLetter = [] {
    std::array<const LowerCaseRule*, 26> rules{};
    for (const LowerCaseRule& rule : kLowerCaseRules) rules[static_cast<size_t>(rule.letter - 'a')] = &rule;
    return rules;
}();

// Every position has a previous character: the work text starts with a blank.
constexpr size_t kWorkCapacity = kTaskCapacity + 1;

}  // namespace

int CorrectSymbolCase(char* text, int kind) {
    size_t length = TextLength(text, kTaskCapacity + 1);
    if (length > kTaskCapacity) return kStatusTooLong;

    char work[kWorkCapacity + 1];
    work[0] = ' ';
    std::memcpy(work + 1, text, length + 1);

    size_t i = 1;
    while (i <= length) {
        char previous = work[i - 1];
        char current = work[i];
        char next = work[i + 1];

        if (IsLower(current)) {
            if (const LowerCaseRule* rule = kRuleByLetter[static_cast<size_t>(current - 'a')]) {
                if (!Contains(rule->firstLetters, previous)) {
                    current = ToUpper(current);
                    if (Contains(rule->raisesNext, next)) {
                        next = ToUpper(next);
                        work[i + 1] = next;
                    }
                }
                // The exponent of a number such as 2e5 or 2e-3.
                if (rule->letter == 'e' && IsDigit(previous) && (IsDigit(next) || next == '-')) current = 'e';
                work[i] = current;
            }
        }

        if (IsUpper(current)) {
            if (kind == kKindPlain) kind = kKindFormula;
            else if (kind == kKindFunctions) kind = kKindFunctionsAndFormula;
            if (Contains(kLoneCapitals, current)) {
                if (IsLower(next)) {
                    i += 2;  // the two letters form a symbol; the second is not examined
                    continue;
                }
                // Only the second letter of a symbol typed in capitals.
                work[i] = ToLower(current);
                work[i - 1] = ToUpper(previous);
            }
        } else if (IsLower(current) && IsLower(previous)) {
            work[i] = ToUpper(current);
        }
        ++i;
    }

    std::memcpy(text, work + 1, length + 1);
    return kind;
}
