#include "evaluator.h"

#include <cmath>
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

inline bool IsOperator(char c) {
    return c == '^' || c == '_' || c == '/' || c == '*' || c == '+';
}

bool HasOperator(const char* text) {
    for (; *text; ++text)
        if (IsOperator(*text)) return true;
    return false;
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
        case '^': return std::pow(a, b);
        case '_': return std::pow(b, 1.0 / a);  // the a-th root of b
        case '/': return a / b;
        case '*': return a * b;
        default: return a + b;
    }
}

// Precision of the final text: 9 significant digits when the 8th to the 15th
// show only floating-point noise (all 0, or all 9 with a 16th digit of at
// least 1, read from the "%+.15e" text), 15 otherwise.
int FinalPrecision(double value) {
    // Fast path from the shortest digits: up to 7 of them leave the 8th to
    // 15th digits zero (or all nine just below), up to 14 leave a non-zero
    // one that a neighbour in the 16th digit cannot make all 0 or all 9.
    if (HasFullPrecision(value)) {
        DecimalDigits shortest;
        ShortestDigits(value, shortest);
        if (shortest.count <= 7) return 9;
        if (shortest.count <= 14) return 15;
    }

    char scientific[kShortNumberSize];
    WriteScientific(value, 15, scientific, sizeof scientific - 1);
    const char* point = std::strchr(scientific, '.');
    // The 7th to the 15th decimals, read as a fraction 0.d7...d15.
    char fraction[12] = "0.";
    std::memcpy(fraction + 2, point + 7, 9);
    fraction[11] = 0;
    const double f = ReadNumber(fraction);
    return (f < 1e-8 || 1 - f < 1e-8) ? 9 : 15;
}

int RenderFinal(double value, char* out, size_t capacity) {
    if (!std::isfinite(value)) return kStatusIndeterminate;
    char text[kShortNumberSize];
    WriteGeneral(value, FinalPrecision(value), text, sizeof text - 1);
    RemoveFirstPlus(text);
    return CopyText(out, capacity, text) ? 0 : kStatusTooLong;
}

// Replaces text[from, to) of a working text by `insert`.
bool Splice(char* text, size_t capacity, size_t from, size_t to, const char* insert) {
    const size_t length = std::strlen(text);
    const size_t add = std::strlen(insert);
    if (length - (to - from) + add > capacity) return false;
    std::memmove(text + from + add, text + to, length - to + 1);
    std::memcpy(text + from, insert, add);
    return true;
}

// Reduces a bracket-free working text of kWorkCapacity, operation by operation.
int ReduceFlat(char* work, int angleUnit, double& last) {
    for (const char* level = kLevels; *level; ++level) {
        const char op = *level;
        for (char* at = std::strchr(work, op); at; at = std::strchr(work, op)) {
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

            const char* leftBegin = work + left;
            const char* rightBegin = work + p + 1;
            const char* rightEnd = work + right;
            auto invalid = [](const char* b, const char* e) {
                return b == e || (e - b == 1 && *b == '-');
            };
            double a = 0;
            double b = 0;
            if (invalid(leftBegin, at)) return kStatusSyntax;
            if (int status = EvaluateOperand(leftBegin, at, angleUnit, a)) return status;
            if (invalid(rightBegin, rightEnd)) return kStatusSyntax;
            if (int status = EvaluateOperand(rightBegin, rightEnd, angleUnit, b)) return status;
            if (op == '/' && b == 0) return kStatusDivideByZero;

            last = Apply(op, a, b);
            if (!std::isfinite(last)) return kStatusIndeterminate;
            char result[kShortNumberSize];
            WriteGeneral(last, 15, result, sizeof result - 1);
            RemoveFirstPlus(result);
            if (!Splice(work, kWorkCapacity, left, right, result)) return kStatusTooLong;
        }
    }
    return 0;
}

int FlatInWork(char* work, int angleUnit) {
    if (std::strlen(work) > kExpressionLimit) return kStatusTooLong;
    double value = 0;
    if (!HasOperator(work)) {
        // A single operand; an empty text is 0.
        const char* end = work + std::strlen(work);
        if (int status = EvaluateOperand(work, end, angleUnit, value)) return status;
    } else if (int status = ReduceFlat(work, angleUnit, value)) {
        return status;
    }
    return RenderFinal(value, work, kWorkCapacity);
}

}  // namespace

int EvaluateFlat(char* text, size_t capacity, int angleUnit) {
    if (TextLength(text, kExpressionLimit + 1) > kExpressionLimit) return kStatusTooLong;
    char work[kWorkCapacity + 1];
    CopyText(work, text);
    if (int status = FlatInWork(work, angleUnit)) return status;
    return CopyText(text, capacity, work) ? 0 : kStatusTooLong;
}

int EvaluateExpression(const char* expression, char* destination, size_t capacity, int angleUnit) {
    if (TextLength(expression, kExpressionLimit + 1) > kExpressionLimit) return kStatusTooLong;
    char work[kWorkCapacity + 1];
    CopyText(work, expression);

    // Brackets in the order of their closing brackets, each with the nearest
    // opening bracket before it: always the innermost first.
    for (char* close = std::strchr(work, ')'); close; close = std::strchr(work, ')')) {
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
        if (int status = FlatInWork(inner, angleUnit)) return status;
        if (!Splice(work, kWorkCapacity, static_cast<size_t>(open - work),
                    static_cast<size_t>(close - work) + 1, inner))
            return kStatusTooLong;
    }
    if (std::strchr(work, '(')) return kStatusMissingRight;

    if (int status = FlatInWork(work, angleUnit)) return status;
    if (std::strlen(work) > kResultCapacity) return kStatusTooLong;
    return CopyText(destination, capacity, work) ? 0 : kStatusTooLong;
}
