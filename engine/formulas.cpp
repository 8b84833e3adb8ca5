#include "formulas.h"

#include <cstring>

#include "cleaning.h"
#include "marks.h"
#include "masses.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// Both steps build their output here and refuse to produce more than a
// maths field holds.
constexpr size_t kWorkCapacity = 1022;
constexpr size_t kMathsLimit = kMathsCapacity;

constexpr char kPiText[] = "3.1415926535897932";

// ValueMarkAt reads the codes of the values as ":61;" to ":63;".
static_assert(kCodePi == 61 && kCodeAns == 62 && kCodeMem == 63);

// The characters that end a formula term. Neither the minus sign nor the
// brackets are among them.
bool IsSeparator(char c) {
    switch (c) {
    case '^':
    case '_':
    case '*':
    case ':':
    case '+':
    case '/':
    case ';':
        return true;
    default:
        return false;
    }
}

// A capital or a "(" is a member of a formula term.
bool IsMember(char c) { return IsUpper(c) || c == '('; }

// A minus sign that must be read as "-1*": one directly before an element
// symbol (NaCl-H2O, 2-H2O), and one after the "e" of a symbol (Fe-2, Fe-(2)),
// which the sign rewriting took for an exponent sign and left alone. An "e"
// is a symbol's letter only after a capital; after a digit it is an exponent.
bool IsSubtractionOfFormula(const char* text, size_t i) {
    if (text[i] != '-') return false;
    char previous = i > 0 ? text[i - 1] : 0;
    char beforePrevious = i > 1 ? text[i - 2] : 0;
    char next = text[i + 1];
    if (previous == 'e' && IsDigit(beforePrevious)) return false;
    if (IsUpper(next)) return true;
    return previous == 'e' && IsUpper(beforePrevious) && (IsDigit(next) || next == '(' || next == ':');
}

// The formula structure step, one character at a time.
class FormulaExpander {
public:
    // `bracketNumbers` says whether a digit follows a "(" anywhere in the
    // text; only then can a coefficient stand just inside a bracket.
    FormulaExpander(char* work, bool bracketNumbers) : out_(work, kWorkCapacity), bracketNumbers_(bracketNumbers) {}

    // Writes character `c` with its neighbours `previous`, `beforePrevious`
    // and `next`; `first` and `last` tell its place in a text of `length`
    // characters. Returns true when `next` was consumed (an exponent sign).
    bool Step(char c, char previous, char beforePrevious, char next, bool first, bool last, size_t length) {
        if (IsMember(c)) ++count_;

        // A number directly after "(" and directly before a formula or a
        // bracket is a coefficient, as at the start: (2H2O) is 2*(H2O).
        bool coefficient = false;
        if (!bracketNumbers_) {
            // no number stands just inside a bracket
        } else if (IsDigit(c) || c == '.') {
            // Only digits and "." keep the flag, so it holds while the number goes on.
            numberAfterBracket_ = numberAfterBracket_ || previous == '(';
        } else if (numberAfterBracket_ || c == '(' || c == ')') {
            coefficient = numberAfterBracket_ && IsDigit(previous) && IsMember(c);
            numberAfterBracket_ = false;
            if (c == '(') {
                ++depth_;
            } else if (c == ')') {
                CloseCoefficient(depth_);  // the formula ends with its bracket
                if (depth_ > 0) --depth_;
            }
        }

        if (IsSeparator(c)) {
            count_ = 0;
            separatorSeen_ = true;
            if (c == ':' && IsDigit(previous)) out_.Put('*');
            out_.Put(c);
            return false;
        }

        if (first) {
            if (count_ > 0 && length > 1) {
                // A bracket of the user that a separator follows opens no
                // formula: "(" alone, not "(()".
                if (c == '(' && IsSeparator(next)) {
                    out_.Put(c);
                    return false;
                }
                out_.Put('(');
                out_.Put(c);
                if (IsSeparator(next)) out_.Put(')');
            } else {
                out_.Put(c);
            }
            return false;
        }

        if (count_ == 0) {
            out_.Put(c);
            return false;
        }

        if (IsSeparator(previous)) {
            out_.Put('(');  // a formula starts after an operator
            out_.Put(c);
        } else if (previous == '(') {
            out_.Put(c);
        } else if (IsMember(c) && count_ == 1 && IsDigit(previous)) {
            out_.Put("*(");  // a coefficient before a formula: 2NaCl
            out_.Put(c);
        } else if (coefficient) {
            // The coefficient's bracket closes with the term or with the
            // bracket the number stands in, whichever comes first.
            out_.Put("*(");
            out_.Put(c);
            OpenCoefficient(c == '(' ? depth_ - 1 : depth_);
        } else if (IsMember(c)) {
            out_.Put('+');  // the next atom or group of the same formula
            out_.Put(c);
        } else if (IsDigit(previous) || previous == '.' || !IsDigit(c) || previous == '-' ||
                   (previous == 'e' && IsDigit(beforePrevious))) {
            out_.Put(c);  // a number goes on, or no count
        } else {
            out_.Put('*');  // a count after a letter or ")"
            out_.Put(c);
        }

        // Close the term where it ends.
        if (last) {
            while (pendingCount_ > 0) CloseCoefficient(pending_[pendingCount_ - 1]);
            out_.Put(')');
        } else if (IsSeparator(next)) {
            if (out_.Last() == '(') {
                out_.Unput();
            } else {
                CloseCoefficient(depth_);
                out_.Put(')');
            }
        } else if (next == '-') {
            if (out_.Last() == '(') {
                // A bracket of the user followed by a sign, as in NaCl*(-3):
                // it stays, and the term goes on inside it.
            } else if (c == 'e' && IsDigit(previous)) {
                out_.Put('-');  // the sign of an exponent
                return true;
            } else {
                CloseCoefficient(depth_);
                out_.Put(")+");  // the subtraction that follows reads "+-"
                count_ = 0;
            }
        }
        return false;
    }

    // A task that is one formula gets no outer brackets.
    void Finish() {
        if (!separatorSeen_ && out_.First() == '(') out_.StripEnds();
    }

    bool TooLong() const { return out_.Overflowed() || out_.Length() > kMathsLimit || pendingFull_; }
    const char* Text() const { return out_.Text(); }

private:
    // Coefficients inside brackets whose formula bracket is still open, by
    // the bracket depth their number stands at (innermost last). There is at
    // most one a depth, so the depths ascend.
    void OpenCoefficient(size_t depth) {
        // Every entry needs a "(", a digit and a formula of its own, so 638
        // characters never fill the list; were it full, the text is refused.
        if (pendingCount_ < kMaxPending) pending_[pendingCount_++] = depth;
        else pendingFull_ = true;
    }
    void CloseCoefficient(size_t depth) {
        if (pendingCount_ != 0 && pending_[pendingCount_ - 1] == depth) {
            --pendingCount_;
            out_.Put(')');
        }
    }

    static constexpr size_t kMaxPending = kMathsLimit / 2 + 1;

    TextWriter out_;
    int count_ = 0;
    bool separatorSeen_ = false;
    bool bracketNumbers_;
    bool numberAfterBracket_ = false;
    size_t depth_ = 0;
    size_t pending_[kMaxPending];
    size_t pendingCount_ = 0;
    bool pendingFull_ = false;
};

// A mark of pi, ans or mem at `at`: its code, or 0.
int ValueMarkAt(const char* at) {
    if (at[0] != ':' || at[1] != '6' || at[2] < '1' || at[2] > '3' || at[3] != ';') return 0;
    return 60 + (at[2] - '0');
}

}  // namespace

int ExpandFormulas(char* maths) {
    size_t length = TextLength(maths, kMathsLimit + 1);
    if (length > kMathsLimit) return kStatusTooLong;

    char work[kWorkCapacity + 1];
    bool bracketNumbers = false;
    for (const char* open = maths; (open = std::strchr(open, '(')) != nullptr && !bracketNumbers; ++open)
        bracketNumbers = IsDigit(open[1]);
    FormulaExpander expander(work, bracketNumbers);
    char previous = 0;
    char beforePrevious = 0;
    for (size_t i = 0; i < length; ++i) {
        char c = maths[i];
        char next = maths[i + 1];
        if (IsSubtractionOfFormula(maths, i)) {
            // Written as if "-1*" stood in the text.
            expander.Step('-', previous, beforePrevious, '1', i == 0, false, length);
            expander.Step('1', '-', previous, '*', false, false, length);
            expander.Step('*', '1', '-', next, false, false, length);
            beforePrevious = '1';
            previous = '*';
        } else {
            // A bracket after a number multiplies, inside brackets as at the
            // start: (2(H2O)) is 2*(H2O) as 2(H2O) is.
            bool skipNext = expander.Step(c, previous, beforePrevious, next, i == 0, i + 1 == length, length);
            beforePrevious = previous;
            previous = c;
            if (skipNext) {
                ++i;
                beforePrevious = previous;
                previous = maths[i];
            }
        }
        if (expander.TooLong()) return kStatusTooLong;
    }
    expander.Finish();

    CopyText(maths, kMathsLimit, expander.Text());
    return 0;
}

int SubstituteValues(char* maths, const char* answer, const char* memory) {
    size_t length = TextLength(maths, kMathsLimit + 1);
    if (length >= kMathsLimit) return kStatusTooLong;

    char work[kWorkCapacity + 1];
    TextWriter out(work, kWorkCapacity);
    for (size_t i = 0; i < length; ++i) {
        char c = maths[i];
        if (IsUpper(c)) {
            char symbol[kMassTextSize] = {c, 0};
            if (IsLower(maths[i + 1])) symbol[1] = maths[++i];
            if (LookUpAtomicMass(symbol) != 0) return kStatusUnknownSymbol;
            out.Put(symbol);
        } else if (IsLower(c)) {
            if (c != 'e') return kStatusSyntax;
            out.Put(c);  // an exponent
        } else if (int code = ValueMarkAt(maths + i)) {
            if (code == kCodePi) {
                out.Put(kPiText);
            } else {
                char value[kMemoryCapacity + 1];
                bool isAnswer = code == kCodeAns;
                if (!ReadBackNumber(isAnswer ? answer : memory, value, kMemoryCapacity))
                    return isAnswer ? kStatusAnswerNotNumber : kStatusMemoryNotNumber;
                out.Put(value);
            }
            i += kMarkLength - 1;
            char after = maths[i + 1];
            if (after == '-') out.Put('+');
            // Digits must not run on into the value's own: pi2 is pi*2.
            else if (IsDigit(after) || after == '.') out.Put('*');
        } else {
            out.Put(c);
        }
        if (out.Overflowed() || out.Length() > kMathsLimit) return kStatusTooLong;
    }

    CopyText(maths, kMathsLimit, out.Text());
    return 0;
}
