#include "evaluator.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "functions.h"
#include "number_text.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// Working texts grow while results are pasted back: a bracket of a few
// characters can become a 22-character number, and every one of at most 319
// bracket pairs or operations can do so once. 8 KiB holds the worst case of a
// 638-character input; every write is still checked.
constexpr size_t kWorkCapacity = 8191;

// An operand is at most an input operand (638 characters) or a pasted result
// behind a function mark.
constexpr size_t kOperandCapacity = 1023;

// The operators in the order of their levels: power, root, division,
// multiplication, addition. There is no subtraction: a minus is a sign.
constexpr char kLevels[] = "^_/*+";

// Bit of each operator character in a level mask; 0 for other characters.
struct OperatorBits {
    unsigned char bit[256] = {};
    constexpr OperatorBits() {
        for (int level = 0; kLevels[level]; ++level)
            bit[static_cast<unsigned char>(kLevels[level])] = static_cast<unsigned char>(1u << level);
    }
};
constexpr OperatorBits kOperatorBits;

inline unsigned OperatorBit(char c) { return kOperatorBits.bit[static_cast<unsigned char>(c)]; }
inline bool IsOperator(char c) { return OperatorBit(c) != 0; }

// The levels whose operator occurs in the text.
unsigned LevelsPresent(const char* text) {
    unsigned mask = 0;
    for (; *text; ++text) mask |= OperatorBit(*text);
    return mask;
}

// The value of one operand: a function application, a factorial or a number.
int EvaluateOperand(const char* begin, const char* end, int angleUnit, double& value) {
    const size_t length = static_cast<size_t>(end - begin);
    if (*begin == ':' || (length > 0 && end[-1] == '!')) {
        if (length > kOperandCapacity) return kStatusTooLong;
        char operand[kOperandCapacity + 1];
        std::memcpy(operand, begin, length);
        operand[length] = 0;
        int status = *begin == ':' ? EvaluateFunction(operand, kOperandCapacity, angleUnit)
                                   : EvaluateFactorial(operand, kOperandCapacity);
        if (status) return status;
        value = ReadNumber(operand);
        return 0;
    }
    value = ReadNumber(begin, end);
    return 0;
}

double Apply(char op, double a, double b) {
    switch (op) {
    case '^':
        return std::pow(a, b);
    case '_':
        return std::pow(b, 1.0 / a);  // the a-th root of b
    case '/':
        return a / b;
    case '*':
        return a * b;
    default:
        return a + b;
    }
}

// Precision of the final text from `f`, its 7th to 15th decimals in
// scientific form read as a fraction 0.d7...d15: 9 significant digits when
// the 8th to the 15th show only floating-point noise (all 0, or all 9 with a
// 16th digit of at least 1), 15 otherwise.
int PrecisionFromTail(double f) { return (f < 1e-8 || 1 - f < 1e-8) ? 9 : 15; }

// PrecisionFromTail of `value`, its tail read from the "%+.15e" text.
int FinalPrecision(double value) {
    char scientific[kShortNumberSize];
    WriteScientific(value, 15, scientific, sizeof scientific - 1);
    const char* point = std::strchr(scientific, '.');
    // The 7th to the 15th decimals, read as a fraction 0.d7...d15.
    char fraction[12] = "0.";
    std::memcpy(fraction + 2, point + 7, 9);
    fraction[11] = 0;
    return PrecisionFromTail(ReadNumber(fraction));
}

// The digits of the final text when they are known without writing it: the
// 16 significant digits of the value, rounded to the precision chosen from
// them. False when the value is not finite or lies too near a rounding
// midpoint to decide without the full conversion.
bool FinalDigits(double value, DecimalDigits& shown, int& precision) {
    DecimalDigits sixteen;
    if (!std::isfinite(value) || !RoundedDigits(value, 16, sixteen)) return false;
    // The 7th to 15th decimals are the 8th to 16th significant digits;
    // dividing by an exact power of ten reads them as atof does.
    uint64_t tail = 0;
    for (int i = 7; i < 16; ++i)
        tail = tail * 10 + static_cast<uint64_t>(i < sixteen.count ? sixteen.digits[i] - '0' : 0);
    precision = PrecisionFromTail(static_cast<double>(tail) / 1e9);
    return RoundDigits(sixteen, precision, shown);
}

int RenderFinal(double value, char* out, size_t capacity) {
    if (!std::isfinite(value)) return kStatusIndeterminate;
    char text[kShortNumberSize];
    DecimalDigits shown;
    int precision = 0;
    if (FinalDigits(value, shown, precision)) {
        LayoutGeneral(shown, precision, text, sizeof text - 1);
    } else {
        WriteGeneral(value, precision ? precision : FinalPrecision(value), text, sizeof text - 1);
    }
    RemoveFirstPlus(text);
    return CopyText(out, capacity, text) ? 0 : kStatusTooLong;
}

// The value atof reads from the final text of `value`, which must be finite.
double FinalValue(double value) {
    DecimalDigits shown;
    int precision = 0;
    double readBack = 0;
    if (FinalDigits(value, shown, precision) && DigitsValue(shown, readBack)) return readBack;
    char text[kShortNumberSize];
    RenderFinal(value, text, sizeof text - 1);
    return ReadNumber(text);
}

// Replaces text[from, to) of a working text of `length` characters by
// `insert`; the length follows.
bool Splice(char* text, size_t& length, size_t from, size_t to, const char* insert, size_t add) {
    if (length - (to - from) + add > kWorkCapacity) return false;
    std::memmove(text + from + add, text + to, length - to + 1);
    std::memcpy(text + from, insert, add);
    length = length - (to - from) + add;
    return true;
}

// An operand of an operator is missing when it is empty or a lone sign.
bool MissingOperand(const char* begin, const char* end) { return begin == end || (end - begin == 1 && *begin == '-'); }

// The values of results pasted into a working text, so that reading them
// back as operands costs nothing. An entry holds exactly what atof would
// read from its text; entries move with the text and vanish when an
// operation consumes them.
class PastedValues {
public:
    bool Find(size_t begin, size_t end, double& value) const {
        for (int i = 0; i < count_; ++i) {
            if (entries_[i].begin == begin && entries_[i].end == end) {
                value = entries_[i].value;
                return true;
            }
        }
        return false;
    }

    // [from, to) of the text was replaced by `added` characters of `value`.
    void Replace(size_t from, size_t to, size_t added, bool known, double value) {
        int kept = 0;
        for (int i = 0; i < count_; ++i) {
            Entry e = entries_[i];
            if (e.end <= from) {
                entries_[kept++] = e;
            } else if (e.begin >= to) {
                e.begin = e.begin - (to - from) + added;
                e.end = e.end - (to - from) + added;
                entries_[kept++] = e;
            }
        }
        count_ = kept;
        if (known && count_ < kCapacity) entries_[count_++] = {from, from + added, value};
    }

private:
    struct Entry {
        size_t begin;
        size_t end;
        double value;
    };
    static constexpr int kCapacity = 8;
    Entry entries_[kCapacity];
    int count_ = 0;
};

// The "%.15g" text of an operation's result without the "+" of its exponent,
// and the value atof reads back from it when that is known without reading.
size_t RenderStep(double value, char* text, size_t capacity, bool& known, double& readBack) {
    DecimalDigits digits;
    size_t length;
    known = false;
    if (RoundedDigits(value, 15, digits)) {
        length = LayoutGeneral(digits, 15, text, capacity);
        known = DigitsValue(digits, readBack);
    } else {
        length = WriteGeneral(value, 15, text, capacity);
    }
    if (char* plus = std::strchr(text, '+')) {
        std::memmove(plus, plus + 1, static_cast<size_t>(text + length - plus));
        --length;
    }
    return length;
}

// Reduces a bracket-free working text, operation by operation, level by
// level; `last` is the value of the last operation.
int ReduceFlat(char* work, size_t length, unsigned levels, int angleUnit, double& last) {
    PastedValues pasted;
    for (int level = 0; kLevels[level]; ++level) {
        if (!(levels & (1u << level))) continue;  // results never bring an operator in
        const char op = kLevels[level];
        // Left of the leftmost operator of a level there is none of it, and
        // a pasted result holds no operator: each search goes on from there.
        for (char* at = std::strchr(work, op); at; at = std::strchr(at, op)) {
            const size_t p = static_cast<size_t>(at - work);
            // Left operand: back to the previous operator, never looking at
            // position 0 (a sign or an operator there belongs to the operand).
            size_t left = 0;
            for (size_t k = p; k > 1; --k) {
                if (IsOperator(work[k - 1])) {
                    left = k;
                    break;
                }
            }
            size_t right = p + 1;
            while (work[right] && !IsOperator(work[right])) ++right;

            double a = 0;
            double b = 0;
            if (MissingOperand(work + left, at)) return kStatusSyntax;
            if (!pasted.Find(left, p, a)) {
                if (int status = EvaluateOperand(work + left, at, angleUnit, a)) return status;
            }
            if (MissingOperand(at + 1, work + right)) return kStatusSyntax;
            if (!pasted.Find(p + 1, right, b)) {
                if (int status = EvaluateOperand(at + 1, work + right, angleUnit, b)) return status;
            }
            if (op == '/' && b == 0) return kStatusDivideByZero;

            last = Apply(op, a, b);
            if (!std::isfinite(last)) return kStatusIndeterminate;
            char result[kShortNumberSize];
            bool known = false;
            double readBack = 0;
            const size_t added = RenderStep(last, result, sizeof result - 1, known, readBack);
            if (!Splice(work, length, left, right, result, added)) return kStatusTooLong;
            pasted.Replace(left, right, added, known, readBack);
            at = work + left + added;
        }
    }
    return 0;
}

// An operand of a plain text: its characters, or the value of a result.
struct Operand {
    double value;
    uint16_t begin;  // offsets into the text
    uint16_t end;
    bool known;
};

// Operators may stand side by side: one operand more than a text has
// characters at the most.
constexpr size_t kMaxOperands = kExpressionLimit + 1;

// Reduces operands[0..opCount] joined by ops[0..opCount), level by level,
// left to right within a level, as ReduceFlat reduces the text: each result
// is the value its pasted "%.15g" text would read back as. `valueOf` reads an
// operand that is not known yet, only when an operation takes it, so that
// the first failure is the one the text meets first.
template <class ValueOf>
int ReduceLevels(Operand* operands, char* ops, size_t opCount, unsigned levels, ValueOf valueOf, double& last) {
    for (int level = 0; kLevels[level]; ++level) {
        if (!(levels & (1u << level))) continue;
        const char op = kLevels[level];
        size_t kept = 0;
        Operand acc = operands[0];
        for (size_t i = 0; i < opCount; ++i) {
            if (ops[i] != op) {
                operands[kept] = acc;
                ops[kept++] = ops[i];
                acc = operands[i + 1];
                continue;
            }
            Operand right = operands[i + 1];
            if (int status = valueOf(acc)) return status;
            if (int status = valueOf(right)) return status;
            if (op == '/' && right.value == 0) return kStatusDivideByZero;
            last = Apply(op, acc.value, right.value);
            if (!std::isfinite(last)) return kStatusIndeterminate;
            double readBack = 0;
            if (!ReadBackValue(last, 15, readBack)) {
                char text[kShortNumberSize];
                bool known = false;
                const size_t n = RenderStep(last, text, sizeof text - 1, known, readBack);
                if (!known) readBack = ReadNumber(text, text + n);
            }
            acc = {readBack, 0, 0, true};
        }
        operands[kept] = acc;
        opCount = kept;
    }
    return 0;
}

// A bracket-free text of plain numbers, with no operator at its start, no
// function mark and no factorial, reduced on its list of operands instead of
// the text itself. Each operation takes the same operands in the same order
// as ReduceFlat and leaves the value that its pasted "%.15g" text would read
// back as, so the results are the same to the bit; only the rewriting and
// searching of the text is saved.
int ReduceOperands(const char* work, size_t length, unsigned levels, double& last) {
    Operand operands[kMaxOperands];
    char ops[kMaxOperands];
    size_t opCount = 0;
    uint16_t start = 0;
    for (size_t p = 0; p < length; ++p) {
        if (!IsOperator(work[p])) continue;
        operands[opCount] = {0, start, static_cast<uint16_t>(p), false};
        ops[opCount++] = work[p];
        start = static_cast<uint16_t>(p + 1);
    }
    operands[opCount] = {0, start, static_cast<uint16_t>(length), false};

    auto valueOf = [work](Operand& operand) {
        if (operand.known) return 0;
        if (MissingOperand(work + operand.begin, work + operand.end)) return kStatusSyntax;
        operand.value = ReadNumber(work + operand.begin, work + operand.end);
        operand.known = true;
        return 0;
    };
    return ReduceLevels(operands, ops, opCount, levels, valueOf, last);
}

// The characters of a plain number operand: digits, point, exponent, sign.
struct NumberCharacters {
    bool is[256] = {};
    constexpr NumberCharacters() {
        for (char c = '0'; c <= '9'; ++c) is[static_cast<unsigned char>(c)] = true;
        is[static_cast<unsigned char>('.')] = is[static_cast<unsigned char>('e')] =
            is[static_cast<unsigned char>('-')] = true;
    }
};
constexpr NumberCharacters kNumberCharacters;
inline bool IsNumberCharacter(char c) { return kNumberCharacters.is[static_cast<unsigned char>(c)]; }

// The longest final text of a bracket ("-1.23456789012345e-300") less the
// shortest bracket it replaces ("(1)"): how much longer the working text of
// the text reading can grow for each bracket pair.
constexpr size_t kBracketGrowth = 22 - 3;

// The whole expression in one pass when it holds only plain numbers,
// operators and brackets in their usual places: each bracket is reduced on
// its operands when it closes, and its result enters the enclosing bracket
// as the value its final text reads back as, which is what the text reading
// pastes and reads again. True with the value of the outermost level; false,
// having decided nothing, for anything else — a character of another kind, a
// number touching a bracket, a missing operand, an error of any sort, a text
// that could grow beyond the limit — which the text reading then takes.
bool ReducePlainExpression(const char* text, size_t length, double& value) {
    size_t brackets = 0;
    Operand operands[kMaxOperands];
    char ops[kMaxOperands];
    // Per open bracket: where its operands start and the levels it holds.
    struct Level {
        size_t first;
        unsigned levels;
    };
    Level open[kExpressionLimit / 2 + 1];
    size_t depth = 0;
    Level current{0, 0};
    size_t count = 0;  // operands so far; ops[count - 1] joins the last two
    auto known = [](Operand&) { return 0; };

    size_t i = 0;
    while (true) {
        // An operand: brackets opening, then a number or a closed bracket.
        while (i < length && text[i] == '(') {
            if (length + ++brackets * kBracketGrowth > kExpressionLimit) return false;
            open[depth++] = current;
            current = {count, 0};
            ++i;
        }
        // The operand is everything up to the next character of another
        // kind; usually all of it is one number.
        double number = 0;
        const char* stop = nullptr;
        if (ReadWholeNumber(text + i, text + length, number, stop) &&
            (stop == text + length || !IsNumberCharacter(*stop))) {
            i = static_cast<size_t>(stop - text);
        } else {
            const size_t begin = i;
            while (i < length && IsNumberCharacter(text[i])) ++i;
            if (MissingOperand(text + begin, text + i)) return false;
            number = ReadNumber(text + begin, text + i);
        }
        operands[count++] = {number, 0, 0, true};
        // Closing brackets, each ending a level.
        while (i < length && text[i] == ')') {
            if (depth == 0) return false;
            double result = 0;
            const size_t first = current.first;
            if (count - first > 1) {
                if (ReduceLevels(operands + first, ops + first, count - first - 1, current.levels, known, result))
                    return false;
            } else {
                result = operands[first].value;
                if (!std::isfinite(result)) return false;
            }
            operands[first] = {FinalValue(result), 0, 0, true};
            count = first + 1;
            current = open[--depth];
            ++i;
        }
        if (i == length) break;
        // Then an operator, and another operand.
        const unsigned bit = OperatorBit(text[i]);
        if (!bit) return false;
        ops[count - 1] = text[i++];
        current.levels |= bit;
    }
    if (depth != 0) return false;
    if (count == 1) {
        value = operands[0].value;
        return true;
    }
    return ReduceLevels(operands, ops, count - 1, current.levels, known, value) == 0;
}

// Whether a bracket-free text can be reduced on its operands.
bool IsPlainFlat(const char* work, size_t length) {
    if (length == 0 || IsOperator(work[0])) return false;
    for (size_t i = 0; i < length; ++i)
        if (work[i] == ':' || work[i] == '!') return false;
    return true;
}

int FlatInWork(char* work, int angleUnit, bool operandsAllowed = true) {
    const size_t length = std::strlen(work);
    if (length > kExpressionLimit) return kStatusTooLong;
    double value = 0;
    const unsigned levels = LevelsPresent(work);
    if (operandsAllowed && levels != 0 && IsPlainFlat(work, length)) {
        if (int status = ReduceOperands(work, length, levels, value)) return status;
        return RenderFinal(value, work, kWorkCapacity);
    }
    if (levels == 0) {
        // A single operand; an empty text is 0.
        if (int status = EvaluateOperand(work, work + length, angleUnit, value)) return status;
    } else if (int status = ReduceFlat(work, length, levels, angleUnit, value)) {
        return status;
    }
    return RenderFinal(value, work, kWorkCapacity);
}

}  // namespace

namespace {

int Flat(char* text, size_t capacity, int angleUnit, bool operandsAllowed) {
    if (TextLength(text, kExpressionLimit + 1) > kExpressionLimit) return kStatusTooLong;
    char work[kWorkCapacity + 1];
    CopyText(work, text);
    if (int status = FlatInWork(work, angleUnit, operandsAllowed)) return status;
    return CopyText(text, capacity, work) ? 0 : kStatusTooLong;
}

}  // namespace

int EvaluateFlat(char* text, size_t capacity, int angleUnit) { return Flat(text, capacity, angleUnit, true); }

int EvaluateFlatOnText(char* text, size_t capacity, int angleUnit) { return Flat(text, capacity, angleUnit, false); }

namespace {

int Evaluate(const char* expression, char* destination, size_t capacity, int angleUnit, bool operandsAllowed) {
    size_t length = TextLength(expression, kExpressionLimit + 1);
    if (length > kExpressionLimit) return kStatusTooLong;
    if (operandsAllowed) {
        double value = 0;
        if (ReducePlainExpression(expression, length, value)) return RenderFinal(value, destination, capacity);
    }
    char work[kWorkCapacity + 1];
    CopyText(work, expression);

    // Brackets in the order of their closing brackets, each with the nearest
    // opening bracket before it: always the innermost first.
    for (char* close = std::strchr(work, ')'); close; close = std::strchr(close, ')')) {
        const char after = close[1];
        if (after == '(') return kStatusNoOperatorBetween;
        if (after && !IsOperator(after) && after != '-' && after != ')') return kStatusNoOperatorAfter;

        char* open = close;
        while (open > work && open[-1] != '(') --open;
        if (open == work) return kStatusMissingLeft;
        --open;
        if (open > work && IsDigit(open[-1])) return kStatusNoOperatorBefore;

        char inner[kWorkCapacity + 1];
        const size_t innerLength = static_cast<size_t>(close - open - 1);
        std::memcpy(inner, open + 1, innerLength);
        inner[innerLength] = 0;
        if (int status = FlatInWork(inner, angleUnit, operandsAllowed)) return status;
        const size_t from = static_cast<size_t>(open - work);
        if (!Splice(work, length, from, static_cast<size_t>(close - work) + 1, inner, std::strlen(inner)))
            return kStatusTooLong;
        // Everything before the pasted value was free of ")" already.
        close = work + from;
    }
    if (std::strchr(work, '(')) return kStatusMissingRight;

    if (int status = FlatInWork(work, angleUnit, operandsAllowed)) return status;
    if (std::strlen(work) > kResultCapacity) return kStatusTooLong;
    return CopyText(destination, capacity, work) ? 0 : kStatusTooLong;
}

}  // namespace

int EvaluateExpression(const char* expression, char* destination, size_t capacity, int angleUnit) {
    return Evaluate(expression, destination, capacity, angleUnit, true);
}

int EvaluateExpressionOnText(const char* expression, char* destination, size_t capacity, int angleUnit) {
    return Evaluate(expression, destination, capacity, angleUnit, false);
}
