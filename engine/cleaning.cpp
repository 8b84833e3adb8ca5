#include "cleaning.h"

#include <cstdint>
#include <cstring>

#include "function_table.h"
#include "number_text.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

bool IsOneOf(char c, const char* set) { return c != 0 && std::strchr(set, c) != nullptr; }

bool IsFunctionLetter(char c) { return IsOneOf(c, kFunctionLetters); }

// The kind after a letter: a function letter may belong to a function name
// (and every name holds one of them); other letters can only be a formula.
int KindAfterLetter(char c, int kind) {
    if (IsFunctionLetter(c)) return kind <= kKindFormula ? kKindFunctions : kind;
    return kind == kKindPlain ? kKindFormula : kind;
}

// Characters that look like an operator and are typed or pasted in its
// place: the middle dot and the bullet of addition compounds (CuSO4\xb75H2O)
// and products, the en and em dashes of word processors. They are cleaned as
// the operator they stand for, so that "5\x963" is 2 and not 53.
char StandIn(char c) {
    if (static_cast<unsigned char>(c) < 0x80) return c;
    switch (static_cast<unsigned char>(c)) {
    case 0xB7:  // middle dot
    case 0x95:  // bullet
        return '*';
    case 0x96:  // en dash
    case 0x97:  // em dash
        return '-';
    default:
        return c;
    }
}

// The digit of a superscript one, two or three, or 0.
char SuperscriptDigit(unsigned char code) {
    switch (code) {
    case 0xB9:
        return '1';
    case 0xB2:
        return '2';
    case 0xB3:
        return '3';
    default:
        return 0;
    }
}

// What the previous answer continues as, or 1011 when it is no number.
int CleanedAnswer(const char* answer, char* out, size_t capacity) {
    return ReadBackNumber(answer, out, capacity) ? 0 : kStatusAnswerNotNumber;
}

}  // namespace

namespace {

// The cleaning walk; `kMap` says whether it records where each cleaned
// character came from (only the search for an unknown symbol asks).
template <bool kMap>
int Sanitize(char* text, size_t capacity, uint16_t* sourceOf) {
    const size_t length = TextLength(text, kSanitizeLimit + 1);
    if (length > kSanitizeLimit) return kStatusTooLong;

    // One input character writes at most three output characters, and the
    // length is checked after every one: the buffer never overflows.
    char out[kSanitizeLimit + 4];
    uint16_t from[kSanitizeLimit + 4];
    size_t n = 0;
    size_t i = 0;
    int kind = kKindPlain;
    auto put = [&](char c) {
        if constexpr (kMap) from[n] = static_cast<uint16_t>(i);
        out[n++] = c;
    };

    for (; i < length; ++i) {
        const char c = StandIn(text[i]);
        // The next character as the operator it may stand for; looked at
        // only after operators and an exponent's "e".
        auto nextIs = [&](char op) { return StandIn(text[i + 1]) == op; };
        const char previous = n ? out[n - 1] : 0;
        const auto code = static_cast<unsigned char>(text[i]);

        if (c == '=') break;  // everything from the first "=" on is a comment

        if (IsDigit(c)) {
            // A run of digits is copied as it stands, within the same bound.
            put(c);
            while (IsDigit(text[i + 1]) && n <= kSanitizeLimit) {
                ++i;
                put(text[i]);
            }
        } else if (IsLetter(c)) {
            if ((c == 'e' || c == 'E') && IsDigit(previous) && (IsDigit(text[i + 1]) || nextIs('-') || nextIs('+'))) {
                put('e');  // an exponent; its "+" is dropped
                if (nextIs('+')) ++i;
            } else {
                put(c);
                if (c != 'e' && c != 'E') kind = KindAfterLetter(c, kind);
            }
        } else {
            switch (c) {
            case '#':
                put('#');
                kind = kKindCommand;
                break;
            case '*':
                if (!nextIs('*')) {
                    put('*');
                    break;
                }
                ++i;  // "**" is a power
                [[fallthrough]];
            case '^':
                put('^');
                if (previous == 'x' || previous == 'X') kind = kKindQuadratic;
                break;
            case '+':
                put('+');
                if (nextIs('+')) ++i;
                break;
            case ',':
            case '.':
                if (!IsDigit(previous)) put('0');
                put('.');
                break;
            case '-':
                // "--" becomes "-1*-": the second minus is handled in its own turn.
                put('-');
                if (nextIs('-')) {
                    put('1');
                    put('*');
                }
                break;
            case '!':
            case '(':
            case ')':
            case '/':
            case '[':
            case ']':
            case '{':
            case '}':
                put(c);
                break;
            case '_':
                // A root sign without a left operand is the square root.
                if (previous == 0 || IsOneOf(previous, "^_/*+-")) put('2');
                put('_');
                break;
            default:
                if (code == 215) put('*');  // multiplication sign of the Western code page
                if (code == 247) put('/');  // division sign
                if (char digit = SuperscriptDigit(code)) {
                    // 10\xb2 is 10^2, and x\xb2 makes an equation like x^2.
                    put('^');
                    if (previous == 'x' || previous == 'X') kind = kKindQuadratic;
                    put(digit);
                }
                // Anything else (blanks, control characters, other
                // punctuation, the upper half of the code page) is dropped.
                break;
            }
        }
        if (n > kSanitizeLimit) return kStatusTooLong;
    }

    if (n > kTaskCapacity || n > capacity) return kStatusTooLong;
    std::memcpy(text, out, n);
    if constexpr (kMap) std::memcpy(sourceOf, from, n * sizeof from[0]);
    text[n] = 0;
    return kind;
}

}  // namespace

int SanitizeTask(char* text, size_t capacity, uint16_t* sourceOf) {
    return sourceOf ? Sanitize<true>(text, capacity, sourceOf) : Sanitize<false>(text, capacity, nullptr);
}

bool ReadBackNumber(const char* shown, char* out, size_t capacity) {
    char cleaned[kSanitizeLimit + 1];
    out[0] = 0;
    if (!CopyText(cleaned, shown)) return false;
    if (SanitizeTask(cleaned, kTaskCapacity) >= kFirstStatus) return false;
    if (!IsNumberText(cleaned)) return false;
    return CopyText(out, capacity, cleaned);
}

int ContinueFromAnswer(char* task, const char* answer) {
    const size_t length = TextLength(task, kTaskCapacity + 1);
    if (length > kTaskCapacity || length == 0) return length ? kStatusTooLong : 0;

    // Trailing operator, or a function mark without its argument: the answer
    // becomes the last operand. The marks of pi, ans and mem are values, not
    // functions.
    const char last = task[length - 1];
    const bool openMark = last == ';' && length >= 3 && task[length - 3] != '0' + kValueCodeTens;
    const bool trailing = IsOneOf(last, "*+-/^_") || openMark;
    if (!trailing && !IsOneOf(task[0], "*+/^")) return 0;

    char joined[kTaskCapacity + 1];
    char cleaned[kTaskCapacity + 1];
    bool haveAnswer = false;
    CopyText(joined, task);
    if (trailing) {
        int status = CleanedAnswer(answer, cleaned, sizeof cleaned - 1);
        if (status) return status;
        haveAnswer = true;
        if (!AppendText(joined, cleaned)) return kStatusTooLong;
    }

    // Leading operator: the answer becomes the first operand. A leading "-" is
    // a sign, and a leading root sign was already made a square root.
    if (IsOneOf(joined[0], "*+/^")) {
        if (!haveAnswer) {
            int status = CleanedAnswer(answer, cleaned, sizeof cleaned - 1);
            if (status) return status;
        }
        char front[kTaskCapacity + 1];
        if (!CopyText(front, cleaned) || !AppendText(front, joined)) return kStatusTooLong;
        CopyText(joined, front);
    }

    CopyText(task, kTaskCapacity, joined);
    return 0;
}

int NormalizeSigns(const char* task, char* maths) {
    if (TextLength(task, kTaskCapacity + 1) > kTaskCapacity) return kStatusTooLong;

    // A leading minus before anything but a digit becomes "-1*".
    const char* source = maths;
    char out[kMathsCapacity + 8];
    size_t n = 0;
    if (task[0] == '-' && !IsDigit(task[1])) {
        out[n++] = '-';
        out[n++] = '1';
        out[n++] = '*';
        source = task + 1;
    }
    // Square and curly brackets become round ones before the minus signs are
    // looked at, so that "[2+3]-1" subtracts like "(2+3)-1".
    auto round = [](char c) { return c == '[' || c == '{' ? '(' : c == ']' || c == '}' ? ')' : c; };

    for (size_t i = 0; source[i]; ++i) {
        const char c = round(source[i]);
        if (n == 0) {
            out[n++] = c;  // the first character is never rewritten
        } else if (c == ':') {
            // Implicit multiplication before a function: 2sin30 is 2*sin30.
            if (IsDigit(out[n - 1])) out[n++] = '*';
            out[n++] = ':';
        } else if (IsDigit(c)) {
            // A run of digits is copied as it stands, within the same bound.
            out[n++] = c;
            while (IsDigit(source[i + 1]) && n <= kMathsCapacity) out[n++] = source[++i];
        } else if (c != '-') {
            out[n++] = c;
        } else if (out[n - 1] == 'e') {
            out[n++] = '-';  // the sign of an exponent
        } else {
            char before = out[n - 1];
            if (IsDigit(before) || before == ')') {
                // A subtraction becomes the addition of a negative term.
                out[n++] = '+';
                before = '+';
            }
            const char after = round(source[i + 1]);
            // Before a digit the minus is the number's sign after "(", ";",
            // "*", "^", "/": (-3), 2*-3, 2^-3, 2/-3, a function of -3.
            const bool negate = IsDigit(after) ? !IsOneOf(before, "(;*^/") : after == '(' || after == ':';
            out[n++] = '-';
            if (negate) {
                out[n++] = '1';
                out[n++] = '*';
            }
        }
        if (n > kMathsCapacity) return kStatusTooLong;
    }
    std::memcpy(maths, out, n);
    maths[n] = 0;
    return 0;
}
