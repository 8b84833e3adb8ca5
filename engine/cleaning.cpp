#include "cleaning.h"

#include <cstring>

#include "number_text.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

bool IsOneOf(char c, const char* set) { return c != 0 && std::strchr(set, c) != nullptr; }

bool IsFunctionLetter(char c) { return IsOneOf(c, "almpst"); }

// The kind after a letter: a, l, m, p, s and t may belong to a function name
// (and every name holds one of them); other letters can only be a formula.
int KindAfterLetter(char c, int kind) {
    if (IsFunctionLetter(c)) return kind <= kKindFormula ? kKindFunctions : kind;
    return kind == kKindPlain ? kKindFormula : kind;
}

// What the previous answer continues as, or 1011 when it is no number.
int CleanedAnswer(const char* answer, char* out, size_t capacity) {
    return ReadBackNumber(answer, out, capacity) ? 0 : kStatusAnswerNotNumber;
}

}  // namespace

int SanitizeTask(char* text, size_t capacity) {
    const size_t length = TextLength(text, kSanitizeLimit + 1);
    if (length > kSanitizeLimit) return kStatusTooLong;

    // One input character writes at most three output characters.
    char buffer[kSanitizeLimit + 4];
    TextWriter out(buffer, sizeof buffer - 1);
    int kind = kKindPlain;

    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        const char next = text[i + 1];
        const char previous = out.Last();
        const auto code = static_cast<unsigned char>(c);

        if (c == '=') break;  // everything from the first "=" on is a comment

        if (c == '#') {
            out.Put('#');
            kind = kKindCommand;
        } else if (c == '*' && next == '*') {
            out.Put('^');
            ++i;
            if (previous == 'x' || previous == 'X') kind = kKindQuadratic;
        } else if (c == '^') {
            out.Put('^');
            if (previous == 'x' || previous == 'X') kind = kKindQuadratic;
        } else if (c == '+') {
            out.Put('+');
            if (next == '+') ++i;
        } else if (c == ',' || c == '.') {
            out.Put(IsDigit(previous) ? "." : "0.");
        } else if (c == '-') {
            // "--" becomes "-1*-": the second minus is handled in its own turn.
            out.Put(next == '-' ? "-1*" : "-");
        } else if (c == 'e' || c == 'E') {
            if (IsDigit(previous) && (IsDigit(next) || next == '-')) {
                out.Put('e');
            } else if (IsDigit(previous) && next == '+') {
                out.Put('e');
                ++i;
            } else {
                out.Put(c);
            }
        } else if (IsDigit(c) || IsOneOf(c, "*!()/[]{}")) {
            out.Put(c);
        } else if (c == '_') {
            // A root sign without a left operand is the square root.
            out.Put(previous == 0 || IsOneOf(previous, "^_/*+-") ? "2_" : "_");
        } else if (IsLetter(c)) {
            out.Put(c);
            kind = KindAfterLetter(c, kind);
        } else if (code == 215) {
            out.Put('*');  // multiplication sign of the Western code page
        } else if (code == 247) {
            out.Put('/');  // division sign
        }
        // Anything else (blanks, control characters, other punctuation, the
        // upper half of the code page) is dropped.

        if (out.Length() > kSanitizeLimit) return kStatusTooLong;
    }

    if (out.Length() > kTaskCapacity || out.Length() > capacity) return kStatusTooLong;
    std::memcpy(text, buffer, out.Length() + 1);
    return kind;
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

    char joined[kTaskCapacity + 1];
    char cleaned[kTaskCapacity + 1];
    bool haveAnswer = false;
    CopyText(joined, task);

    // Trailing operator, or a function mark without its argument: the answer
    // becomes the last operand. The marks of pi, ans and mem (codes 6x) are
    // values, not functions.
    const char last = task[length - 1];
    const bool openMark = last == ';' && length >= 3 && task[length - 3] != '6';
    if (IsOneOf(last, "*+-/^_") || openMark) {
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

    // Source text: a leading minus before anything but a digit becomes "-1*";
    // square and curly brackets become round ones before the minus signs are
    // looked at, so that "[2+3]-1" subtracts like "(2+3)-1".
    char source[kMathsCapacity + 4];
    TextWriter src(source, sizeof source - 1);
    const char* from = maths;
    if (task[0] == '-' && !IsDigit(task[1])) {
        src.Put("-1*");
        from = task + 1;
    }
    for (const char* p = from; *p; ++p) {
        char c = *p;
        if (c == '[' || c == '{') c = '(';
        if (c == ']' || c == '}') c = ')';
        if (!src.Put(c)) return kStatusTooLong;
    }
    if (src.Length() > kMathsCapacity) return kStatusTooLong;

    char buffer[kMathsCapacity + 8];
    TextWriter out(buffer, kMathsCapacity);
    for (size_t i = 0; source[i]; ++i) {
        const char c = source[i];
        if (i == 0) {
            out.Put(c);
            continue;
        }
        if (c == ':') {
            // Implicit multiplication before a function: 2sin30 is 2*sin30.
            if (IsDigit(out.Last())) out.Put('*');
            out.Put(':');
            continue;
        }
        if (c != '-') {
            out.Put(c);
            continue;
        }
        char before = out.Last();
        if (before == 'e') {  // the sign of an exponent
            out.Put('-');
            continue;
        }
        if (IsDigit(before) || before == ')') {
            // A subtraction becomes the addition of a negative term.
            out.Put('+');
            before = '+';
        }
        const char after = source[i + 1];
        bool negate;
        if (IsDigit(after)) {
            // After these the minus is the sign of the number: (-3), 2*-3,
            // 2^-3, 2/-3, a function of -3.
            negate = !IsOneOf(before, "(;*^/");
        } else {
            negate = after == '(' || after == ':';
        }
        out.Put(negate ? "-1*" : "-");
    }
    if (out.Overflowed()) return kStatusTooLong;
    std::memcpy(maths, buffer, out.Length() + 1);
    return 0;
}
